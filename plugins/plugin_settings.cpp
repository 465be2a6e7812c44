#include "plugins/plugin_settings.h"

#include <cmath>

#include "registry/mod_registry.h"

namespace plugins {

bool ReadSwitch(const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKCU", key, name, "B", modRegistry::ValueHolder::Boolean(false), value);
    return value.IsBoolean() && value.Boolean() == modRegistry::kTrue;
}

void WriteSwitch(const std::string& key, const std::string& name, bool on) {
    modRegistry::WriteValue("HKCU", key, name, "B", modRegistry::ValueHolder::Boolean(on));
}

std::optional<std::string> ShellFolder(const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name, "S",
                           modRegistry::ValueHolder(modRegistry::kNone), value);
    if (!value.IsText() || value.Text() == modRegistry::kNone) return std::nullopt;
    return value.Text();
}

int ProgressPercent(std::size_t done, std::size_t total) {
    if (total == 0 || done >= total) return 100;
    return static_cast<int>(std::lround(static_cast<double>(done) * 100.0 / static_cast<double>(total)));
}

}  // namespace plugins
