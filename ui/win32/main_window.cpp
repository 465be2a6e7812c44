#include "ui/win32/main_window.h"

#include "ui/win32/win32_host.h"

namespace ui::win32 {

MainWindow::MainWindow(Win32Host& host) : ModelWindow(host, host::Window::kMain, "Form1"), model_(host) {
    using M = MainWindowModel;
    namespace at = layout::main_window;
    Create(M::kCaption, at::kClient);

    AddLabel("Label4", at::Label4, M::kLabel4, FontRole::kTitle);
    AddGroup("Frame1", at::Frame1);
    AddButton("ScanButton1", at::ScanButton1, M::kScanButton1, [this] { model_.OnScanClick(); });
    AddLabel("Label1", at::Label1, M::kLabel1);
    AddButton("SettingsButton1", at::SettingsButton1, M::kSettingsButton1, [this] { model_.OnSettingsClick(); });
    AddLabel("Label8", at::Label8, M::kLabel8);
    AddLabel("Label3", at::Label3, M::kLabel3);
    AddButton("AboutButton1", at::AboutButton1, M::kAboutButton1, [this] { model_.OnAboutClick(); });
    AddLabel("Label2", at::Label2, M::kLabel2);
    AddButton("ExitButton1", at::ExitButton1, M::kExitButton1, [this] { model_.OnExitClick(); });
    AddLabel("Label5", at::Label5, M::kLabel5);

    AddLabel("Label7", at::Label7, M::kLabel7);
    AddButton("QuestionButtonNumber", at::QuestionButtonNumber, M::kQuestionButtonNumber,
              [this] { model_.OnDatabaseInfoClick(); });
    // The link label shows the address as a link; a click goes to the model.
    AddLink(
        "Label6", at::Label6, M::kLabel6, [this] { model_.OnWebAddressClick(); }, SS_RIGHT);
}

}  // namespace ui::win32
