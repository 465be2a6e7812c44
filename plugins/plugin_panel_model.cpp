#include "plugins/plugin_panel_model.h"

namespace plugins {

void PluginPanelModel::OnCookiePluginClick() { host_.ShowWindow(host::Window::kCookiePlugin); }

void PluginPanelModel::OnTempFilesPluginClick() { host_.ShowWindow(host::Window::kIeTempFilesPlugin); }

void PluginPanelModel::OnBackToMainMenuClick() {
    host_.ShowWindow(host::Window::kMain);
    host_.UnloadWindow(host::Window::kPluginPanel);
}

}  // namespace plugins
