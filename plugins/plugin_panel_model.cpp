#include "plugins/plugin_panel_model.h"

namespace plugins {

void PluginPanelModel::OnChameleonButton1Click() { host_.ShowWindow(scan::Window::kCookiePlugin); }

void PluginPanelModel::OnChameleonButton3Click() { host_.ShowWindow(scan::Window::kIeTempFilesPlugin); }

void PluginPanelModel::OnChameleonButton2Click() {
    host_.ShowWindow(scan::Window::kMain);
    host_.UnloadWindow(scan::Window::kPluginPanel);
}

}  // namespace plugins
