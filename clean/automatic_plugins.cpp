#include "clean/automatic_plugins.h"

#include "registry/mod_registry.h"

namespace clean {

namespace {

// A switch is on only when it reads as true (FF FF); missing means off.
bool SwitchOn(Plugin plugin, const char* name) {
    modRegistry::ValueHolder result;
    modRegistry::ReadValue("HKCU", PluginSettingsKey(plugin), name, "B", modRegistry::ValueHolder::Boolean(false),
                           result);
    return result.IsBoolean() && result.Boolean() == modRegistry::kTrue;
}

void RunIfAutomatic(PluginLoader& plugins, Plugin plugin, bool silent) {
    if (!SwitchOn(plugin, "AutomaticClean")) return;
    AutomaticPlugin& loaded = plugins.Load(plugin);
    if (SwitchOn(plugin, "SecureDelete")) {
        loaded.SecureDelete(silent);
    } else {
        loaded.NormalDelete(silent);
    }
}

}  // namespace

const char* PluginSettingsKey(Plugin plugin) {
    return plugin == Plugin::kCookiePlugin ? "Software\\Nimbrel\\Plugins\\Crumbex"
                                           : "Software\\Nimbrel\\Plugins\\IECacheClean";
}

void RunAutomaticPlugins(PluginLoader* plugins, bool silent) {
    if (plugins == nullptr) return;
    RunIfAutomatic(*plugins, Plugin::kCookiePlugin, silent);
    RunIfAutomatic(*plugins, Plugin::kIeTempFilesPlugin, silent);
}

}  // namespace clean
