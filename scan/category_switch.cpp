#include "scan/category_switch.h"

#include "registry/mod_registry.h"

namespace scan {

bool CategoryDefault(const std::string& id) { return id != "cleartraynotify" && id != "shellbags"; }

bool SwitchOn(const std::string& root, const std::string& key, const std::string& id) {
    modRegistry::ValueHolder result;
    modRegistry::ReadValue(root, key, id, "B", modRegistry::ValueHolder::Boolean(CategoryDefault(id)),
                           result);
    return result.IsBoolean() && result.Boolean() == modRegistry::kTrue;
}

bool CategoryOn(const std::string& id) { return SwitchOn("HKCU", kIgnoreKey, id); }

}  // namespace scan
