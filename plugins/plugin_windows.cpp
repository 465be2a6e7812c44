#include "plugins/plugin_windows.h"

namespace plugins {

PluginWindows::PluginWindows(host::Host& host, bool silent, std::string programFolder)
    : host_(host), silent_(silent), programFolder_(std::move(programFolder)), status_(host) {}

namespace {

// Drops a closed plug-in's model unless its run is still going; a window
// opened again during that run shows the running model.
template <typename Model>
void DropIfClosed(std::optional<Model>& model, bool& closed) {
    if (!closed || !model) return;
    if (!model->Running()) model.reset();
    closed = false;
}

}  // namespace

CookiePluginModel& PluginWindows::Cookies() {
    DropIfClosed(cookies_, cookiesClosed_);
    if (!cookies_) {
        cookies_.emplace(host_, status_, programFolder_);
        cookies_->Load(silent_);
        if (report_)
            cookies_->SetFileReport([this](const std::string& path, const clean::RowOutcome& outcome) {
                report_("cookies", path, outcome);
            });
    }
    return *cookies_;
}

CachePluginModel& PluginWindows::Cache() {
    DropIfClosed(cache_, cacheClosed_);
    if (!cache_) {
        cache_.emplace(host_, status_, programFolder_);
        cache_->Load(silent_);
        if (report_)
            cache_->SetFileReport(
                [this](const std::string& path, const clean::RowOutcome& outcome) { report_("cache", path, outcome); });
    }
    return *cache_;
}

void PluginWindows::SetFileReport(
    std::function<void(const std::string&, const std::string&, const clean::RowOutcome&)> report) {
    report_ = std::move(report);
}

clean::AutomaticPlugin& PluginWindows::Load(clean::Plugin plugin) {
    if (plugin == clean::Plugin::kCookiePlugin) return Cookies();
    return Cache();
}

void PluginWindows::Unload(clean::Plugin plugin) {
    if (plugin == clean::Plugin::kCookiePlugin) {
        cookiesClosed_ = true;
    } else {
        cacheClosed_ = true;
    }
}

}  // namespace plugins
