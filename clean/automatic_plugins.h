// The plug-ins as the clean drives them after deleting: the run of the
// plug-ins whose "AutomaticClean" switch is on. The plug-ins themselves
// implement PluginLoader and AutomaticPlugin.
#pragma once

namespace clean {

// A plug-in window's two operations. silent is true in silent mode; the
// operations then run without the plug-in status window.
class AutomaticPlugin {
public:
    virtual ~AutomaticPlugin() = default;
    virtual void NormalDelete(bool silent) = 0;
    virtual void SecureDelete(bool silent) = 0;
};

enum class Plugin {
    kCookiePlugin,       // Crumbex, "Software\Nimbrel\Plugins\Crumbex"
    kIeTempFilesPlugin,  // "Software\Nimbrel\Plugins\IECacheClean"
};

class PluginLoader {
public:
    virtual ~PluginLoader() = default;
    // Loads the plug-in's window without showing it: its load step runs and
    // reads the plug-in's settings. The window stays loaded.
    virtual AutomaticPlugin& Load(Plugin plugin) = 0;
};

// The cookie plug-in first, then the temporary-files plug-in; each is
// loaded only when its "AutomaticClean" (type "B", default false) under
// HKCU is true, and then runs SecureDelete when its "SecureDelete" is true,
// NormalDelete otherwise. plugins is null where no plug-in is built in or
// the caller wants none: nothing runs then.
void RunAutomaticPlugins(PluginLoader* plugins, bool silent);

// The key of a plug-in's switches under HKCU.
const char* PluginSettingsKey(Plugin plugin);

}  // namespace clean
