#include "plugins/index_wipe_schedule.h"

#include "platform/run_once.h"
#include "registry/mod_registry.h"

namespace plugins {

namespace {

const char* OwnSwitch(IndexWipe plugin) { return plugin == IndexWipe::kCookies ? "-COOKIES" : "-CACHE"; }
const char* OtherSwitch(IndexWipe plugin) { return plugin == IndexWipe::kCookies ? "-CACHE" : "-COOKIES"; }
const char* LocationKey(IndexWipe plugin) {
    return plugin == IndexWipe::kCookies ? "Software\\Nimbrel\\Crumbex" : "Software\\Nimbrel\\IECache";
}

}  // namespace

std::string IxwipeCommand(const std::string& programFolder, const char* switchText) {
    return programFolder + "\\ixwipe.exe " + switchText;
}

std::optional<std::string> NextRunOnceCommand(IndexWipe plugin, const std::optional<std::string>& before,
                                              const std::string& programFolder) {
    const std::string own = IxwipeCommand(programFolder, OwnSwitch(plugin));
    if (!before || *before == own) return own;
    if (*before == IxwipeCommand(programFolder, OtherSwitch(plugin))) return IxwipeCommand(programFolder, "-CC");
    return std::nullopt;
}

void ScheduleIndexWipe(IndexWipe plugin, const std::string& location, const std::string& programFolder) {
    modRegistry::WriteValue("HKLM", LocationKey(plugin), "Location", "S", location);

    modRegistry::ValueHolder current;
    modRegistry::ReadValue("HKLM", platform::kRunOnceKey, kRunOnceValueName, "S",
                           modRegistry::ValueHolder(modRegistry::kNone), current);
    std::optional<std::string> before;
    if (current.IsText() && current.Text() != modRegistry::kNone) before = current.Text();
    if (const auto next = NextRunOnceCommand(plugin, before, programFolder))
        modRegistry::WriteValue("HKLM", platform::kRunOnceKey, kRunOnceValueName, "S", *next);
}

}  // namespace plugins
