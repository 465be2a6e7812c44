#include "scan/category_switch.h"

#include "platform/ansi_case.h"
#include "registry/mod_registry.h"

namespace scan {

bool CategoryDefault(const std::string& id) { return id != "cleartraynotify" && id != "shellbags"; }

namespace {

std::map<std::string, bool>& Overrides() {
    static std::map<std::string, bool> forced;
    return forced;
}

}  // namespace

void OverrideCategories(std::map<std::string, bool> forced) { Overrides() = std::move(forced); }

bool SwitchOn(const std::string& root, const std::string& key, const std::string& id) {
    modRegistry::ValueHolder result;
    modRegistry::ReadValue(root, key, id, "B", modRegistry::ValueHolder::Boolean(CategoryDefault(id)), result);
    if (!Overrides().empty() && platform::EqualsIgnoringCase(root, "HKCU") &&
        platform::EqualsIgnoringCase(key, kIgnoreKey)) {
        if (const auto forced = Overrides().find(id); forced != Overrides().end()) return forced->second;
    }
    return result.IsBoolean() && result.Boolean() == modRegistry::kTrue;
}

bool CategoryOn(const std::string& id) { return SwitchOn("HKCU", kIgnoreKey, id); }

}  // namespace scan
