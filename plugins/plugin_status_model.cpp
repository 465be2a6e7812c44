#include "plugins/plugin_status_model.h"

namespace plugins {

void PluginStatusModel::EnsureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    host_.SetTopMost(host::Window::kPluginStatus, true);
    kept_ = host_.ActiveWindow();
}

void PluginStatusModel::SetFrameCaption(const std::string& text) {
    EnsureLoaded();
    frame1_.caption = text;
}

void PluginStatusModel::SetStatus(const std::string& text) {
    EnsureLoaded();
    status_.caption = text;
}

void PluginStatusModel::SetStatus2(const std::string& text) {
    EnsureLoaded();
    status2_.caption = text;
}

void PluginStatusModel::SetProgress(int percent) {
    EnsureLoaded();
    progress_.Percent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
}

void PluginStatusModel::Show() {
    EnsureLoaded();
    visible_ = true;
    host_.ShowWindow(host::Window::kPluginStatus);
}

void PluginStatusModel::HideAndUnload() {
    if (!loaded_) return;
    if (visible_) host_.HideWindow(host::Window::kPluginStatus);
    host_.UnloadWindow(host::Window::kPluginStatus);
    loaded_ = false;
    visible_ = false;
    kept_.reset();
    frame1_ = {};
    status_ = {};
    status2_ = {};
    progress_ = {};
}

void PluginStatusModel::OnKeepOnTopTimer() {
    if (!visible_) return;
    host_.SetTopMost(host::Window::kPluginStatus, true);
    if (host_.ActiveWindow() != kept_) {
        if (kept_) host_.RestoreWindow(*kept_);
        host_.SetTopMost(host::Window::kPluginStatus, true);
    }
}

}  // namespace plugins
