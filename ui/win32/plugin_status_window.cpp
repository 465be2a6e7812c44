#include "ui/win32/plugin_status_window.h"

#include "ui/win32/win32_host.h"

namespace ui::win32 {

PluginStatusWindow::PluginStatusWindow(Win32Host& host, plugins::PluginStatusModel& model)
    : ModelWindow(host, host::Window::kPluginStatus, "pluginstatus"), model_(model) {
    using M = plugins::PluginStatusModel;
    namespace at = layout::plugin_status_window;
    Create(M::kCaption, at::kClient);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    AddLabel("Label1", at::Label1, M::kLabel1, FontRole::kSubtitle);
    AddSplitter("Line1", at::Line1);
    Frame1_ = AddGroup("Frame1", at::Frame1);
    Status_ = AddLabel("Status", at::Status, "");
    Status2_ = AddLabel("Status2", at::Status2, "");
    Progress_ = AddProgress("Progress", at::Progress);
}

void PluginStatusWindow::Render() {
    SetText(Frame1_, model_.Frame1().caption);
    RenderLabel(Status_, model_.Status());
    RenderLabel(Status2_, model_.Status2());
    RenderProgress(Progress_, model_.Progress());
    if (model_.Timer1Enabled() != timer1Running_) {
        timer1Running_ = model_.Timer1Enabled();
        if (timer1Running_) {
            SetTimer(Handle(), kTimer1, plugins::PluginStatusModel::kTimer1IntervalMs, nullptr);
        } else {
            KillTimer(Handle(), kTimer1);
        }
    }
}

void PluginStatusWindow::OnUnload() {
    KillTimer(Handle(), kTimer1);
    timer1Running_ = false;
}

std::optional<LRESULT> PluginStatusWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_TIMER && wParam == kTimer1) {
        host_.Handle([this] { model_.OnKeepOnTopTimer(); });
        return 0;
    }
    return std::nullopt;
}

}  // namespace ui::win32
