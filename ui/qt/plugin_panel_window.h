// The plug-in control panel (Form6): the two plug-ins described, a button
// that opens each one's window, and the way back to the main window.
#pragma once

#include "plugins/plugin_panel_model.h"
#include "ui/qt/model_window.h"

namespace ui::qt {

class PluginPanelWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit PluginPanelWindow(QtHost& host);

    void Render() override {}

private:
    plugins::PluginPanelModel model_;
};

}  // namespace ui::qt
