// The plug-in status window (pluginstatus) on Win32, as
// ui/qt/plugin_status_window.h: renders the status model that both
// plug-ins fill during a run, on top of the other windows, and runs its
// 1000 ms timer (Timer1, a SetTimer on the window) while the model wants it.
#pragma once

#include "plugins/plugin_status_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class PluginStatusWindow : public ModelWindow {
public:
    PluginStatusWindow(Win32Host& host, plugins::PluginStatusModel& model);

    void Render() override;
    void OnUnload() override;

    static constexpr UINT_PTR kTimer1 = 1;

protected:
    // The run that shows the window takes it away when it ends.
    void OnCloseRequest() override {}
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    plugins::PluginStatusModel& model_;
    HWND Frame1_ = nullptr;
    HWND Status_ = nullptr;
    HWND Status2_ = nullptr;
    HWND Progress_ = nullptr;
    bool timer1Running_ = false;
};

}  // namespace ui::win32
