#include "ui/main_window_model.h"

#include "ui/command_line.h"

namespace ui {

void MainWindowModel::Load(const std::string& commandLine, const SilentScan& silentScan) {
    silent_ = false;
    if (!IsSilentCommandLine(commandLine)) return;
    silent_ = true;
    silentScan();
    host_.UnloadWindow(host::Window::kMain);
}

void MainWindowModel::OnScanClick() {
    host_.ShowWindow(host::Window::kScan);
    host_.HideWindow(host::Window::kMain);
}

void MainWindowModel::OnSettingsClick() { host_.ShowWindow(host::Window::kSettings); }

void MainWindowModel::OnAboutClick() { host_.ShowWindow(host::Window::kAbout); }

void MainWindowModel::OnExitClick() {
    host_.UnloadWindow(host::Window::kAbout);
    host_.UnloadWindow(host::Window::kFaq);
    host_.EndProgram();
}

void MainWindowModel::OnDatabaseInfoClick() { host_.MessageBox(kDatabaseText, kDatabaseTitle); }

void MainWindowModel::OnWebAddressClick() { host_.OpenWebAddress(kLabel6); }

void MainWindowModel::OnCloseRequest() { host_.EndProgram(); }

}  // namespace ui
