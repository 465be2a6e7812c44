#include "ui/main_window_model.h"

#include "ui/command_line.h"

namespace ui {

void MainWindowModel::Load(const std::string& commandLine, const SilentScan& silentScan) {
    silent_ = false;
    if (!IsSilentCommandLine(commandLine)) return;
    silent_ = true;
    silentScan();
    host_.UnloadWindow(scan::Window::kMain);
}

void MainWindowModel::OnScanButton1Click() {
    host_.ShowWindow(scan::Window::kScan);
    host_.HideWindow(scan::Window::kMain);
}

void MainWindowModel::OnSettingsButton1Click() { host_.ShowWindow(scan::Window::kSettings); }

void MainWindowModel::OnAboutButton1Click() { host_.ShowWindow(scan::Window::kAbout); }

void MainWindowModel::OnExitButton1Click() {
    host_.UnloadWindow(scan::Window::kAbout);
    host_.UnloadWindow(scan::Window::kFaq);
    host_.EndProgram();
}

void MainWindowModel::OnQuestionButtonNumberClick() { host_.MessageBox(kDatabaseText, kDatabaseTitle); }

void MainWindowModel::OnLabel6Click() { host_.OpenWebAddress(kLabel6); }

void MainWindowModel::OnCloseRequest() { host_.EndProgram(); }

}  // namespace ui
