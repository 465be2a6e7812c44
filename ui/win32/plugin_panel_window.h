// The plug-in control panel (Form6): the two plug-ins described, a button
// that opens each one's window, and the way back to the main window.
// Renders plugins/plugin_panel_model.h as ui/qt/plugin_panel_window.cpp
// does.
#pragma once

#include "plugins/plugin_panel_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class PluginPanelWindow : public ModelWindow {
public:
    explicit PluginPanelWindow(Win32Host& host);

    void Render() override {}

private:
    plugins::PluginPanelModel model_;
};

}  // namespace ui::win32
