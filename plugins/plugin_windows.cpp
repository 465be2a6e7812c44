#include "plugins/plugin_windows.h"

namespace plugins {

PluginWindows::PluginWindows(scan::Host& host, bool silent, std::string programFolder)
    : host_(host), silent_(silent), programFolder_(std::move(programFolder)), status_(host) {}

CookiePluginModel& PluginWindows::Cookies() {
    if (!cookies_) {
        cookies_.emplace(host_, status_, programFolder_);
        cookies_->Load(silent_);
    }
    return *cookies_;
}

CachePluginModel& PluginWindows::Cache() {
    if (!cache_) {
        cache_.emplace(host_, status_, programFolder_);
        cache_->Load(silent_);
    }
    return *cache_;
}

clean::AutomaticPlugin& PluginWindows::Load(clean::Plugin plugin) {
    if (plugin == clean::Plugin::kCookiePlugin) return Cookies();
    return Cache();
}

void PluginWindows::Unload(clean::Plugin plugin) {
    if (plugin == clean::Plugin::kCookiePlugin) {
        cookies_.reset();
    } else {
        cache_.reset();
    }
}

}  // namespace plugins
