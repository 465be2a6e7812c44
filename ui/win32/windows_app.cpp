#include "ui/win32/windows_app.h"

#include <cstdio>

#include "platform/program_folder.h"
#include "ui/win32/main_window.h"
#include "ui/win32/results_window.h"
#include "ui/win32/scan_window.h"
#include "ui/win32/text.h"

namespace ui::win32 {

WindowsApp::WindowsApp() : WindowsApp(platform::ProgramFolder()) {}

WindowsApp::WindowsApp(std::string programFolder)
    : plugins_(host_, false, std::move(programFolder)), clean_{host_, results_, cleanState_, &plugins_, false} {
    host_.SetWindowFactory([this](host::Window window) { return Make(window); });
}

std::unique_ptr<ModelWindow> WindowsApp::Make(host::Window window) {
    switch (window) {
        case host::Window::kMain:
            return std::make_unique<MainWindow>(host_);
        case host::Window::kScan:
            return std::make_unique<ScanWindow>(host_, results_, [this](ScanWindowModel& scan) {
                clean::CleanAll(clean_, scan.State().counts.total.value_or(0));
            });
        case host::Window::kResults:
            return std::make_unique<ResultsWindow>(host_, results_, [this] { clean::CleanSelected(clean_); });
        case host::Window::kCompletion:
            return std::make_unique<CompletionWindow>(host_, cleanState_);
        // Not written yet: the settings window, the plug-in panel, the about
        // and FAQ windows, the plug-in windows and the status window.
        case host::Window::kSettings:
        case host::Window::kPluginPanel:
        case host::Window::kAbout:
        case host::Window::kFaq:
        case host::Window::kCookiePlugin:
        case host::Window::kCookieSecureDeletion:
        case host::Window::kIeTempFilesPlugin:
        case host::Window::kPluginStatus:
            return nullptr;
    }
    return nullptr;
}

void InitControls() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

void UseParentConsole() {
    const auto missing = [](DWORD which) {
        HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool out = missing(STD_OUTPUT_HANDLE), err = missing(STD_ERROR_HANDLE);
    if (!out && !err) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (out) std::freopen("CONOUT$", "w", stdout);
    if (err) std::freopen("CONOUT$", "w", stderr);
}

void ShowStartProblem(const std::string& text) {
    MessageBoxW(nullptr, Wide(text).c_str(), L"Nimbrel", MB_OK | MB_ICONERROR);
}

int RunWindows() {
    InitControls();
    WindowsApp windows;
    windows.Host().ShowWindow(host::Window::kMain);
    if (windows.Host().Ended()) return 0;
    return windows.Host().Run();
}

}  // namespace ui::win32
