#include "ui/win32/plugin_panel_window.h"

#include "ui/win32/win32_host.h"

namespace ui::win32 {

PluginPanelWindow::PluginPanelWindow(Win32Host& host)
    : ModelWindow(host, host::Window::kPluginPanel, "Form6"), model_(host) {
    using M = plugins::PluginPanelModel;
    namespace at = layout::plugin_panel_window;
    Create(M::kCaption, at::kClient);

    AddLabel("Label5", at::Label5, M::kLabel5, FontRole::kTitle);
    AddLabel("Label1", at::Label1, M::kLabel1, FontRole::kSubtitle);

    AddGroup("Frame1", at::Frame1);
    AddLabel("Label2", at::Label2, M::kLabel2, FontRole::kBold);
    AddLabel("Label3", at::Label3, M::kLabel3);
    AddLabel("Label4", at::Label4, M::kLabel4);
    AddButton("chameleonButton1", at::chameleonButton1, M::kChameleonButton1, [this] { model_.OnCookiePluginClick(); });

    AddGroup("Frame2", at::Frame2);
    AddLabel("Label8", at::Label8, M::kLabel8, FontRole::kBold);
    AddLabel("Label7", at::Label7, M::kLabel7);
    AddLabel("Label6", at::Label6, M::kLabel6);
    AddButton("chameleonButton3", at::chameleonButton3, M::kChameleonButton3,
              [this] { model_.OnTempFilesPluginClick(); });

    AddButton("chameleonButton2", at::chameleonButton2, M::kChameleonButton2,
              [this] { model_.OnBackToMainMenuClick(); });
}

}  // namespace ui::win32
