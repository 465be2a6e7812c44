// The plug-in windows of one run of the program, each loaded once, on
// first use, with its load step: the cookie plug-in, the temporary-files
// plug-in and the status window they share. As the clean engine's plug-in
// loader, it hands the automatic run a plug-in loaded without showing it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "clean/automatic_plugins.h"
#include "plugins/cache_plugin_model.h"
#include "plugins/cookie_plugin_model.h"
#include "plugins/plugin_status_model.h"
#include "host/host.h"

namespace plugins {

class PluginWindows : public clean::PluginLoader {
public:
    // silent: the program runs silently, with a host that has no windows,
    // and a load step says only what must be said (an ignore list that
    // cannot be read, a folder the platform deletes nothing in).
    // programFolder: where ixwipe.exe is and, as the platform places it,
    // "cookieignore.ini"; no final backslash.
    PluginWindows(host::Host& host, bool silent, std::string programFolder);

    clean::AutomaticPlugin& Load(clean::Plugin plugin) override;

    CookiePluginModel& Cookies();
    CachePluginModel& Cache();
    PluginStatusModel& Status() { return status_; }

    // Told of every file the plug-ins delete or shred, with the plug-in's
    // name ("cookies" or "cache").
    void SetFileReport(
        std::function<void(const std::string& plugin, const std::string& path, const clean::RowOutcome& outcome)>
            report);

    // The window was closed: the next use loads it afresh. The model itself
    // goes only then, and never during its run: the handler that closed the
    // window, or the run it interrupted, may still be on the stack.
    void Unload(clean::Plugin plugin);

private:
    host::Host& host_;
    bool silent_;
    std::string programFolder_;
    PluginStatusModel status_;
    std::optional<CookiePluginModel> cookies_;
    std::optional<CachePluginModel> cache_;
    std::function<void(const std::string&, const std::string&, const clean::RowOutcome&)> report_;
    bool cookiesClosed_ = false;
    bool cacheClosed_ = false;
};

}  // namespace plugins
