#include "ui/win32/windows_app.h"

#include <cstdio>

#include "platform/program_folder.h"
#include "ui/win32/about_window.h"
#include "ui/win32/cache_plugin_window.h"
#include "ui/win32/cookie_plugin_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/plugin_panel_window.h"
#include "ui/win32/plugin_status_window.h"
#include "ui/win32/results_window.h"
#include "ui/win32/scan_window.h"
#include "ui/win32/settings_window.h"
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
        case host::Window::kCookiePlugin:
            return std::make_unique<CookiePluginWindow>(host_, plugins_);
        case host::Window::kCookieSecureDeletion:
            return std::make_unique<CookieOptionsWindow>(host_);
        case host::Window::kIeTempFilesPlugin:
            return std::make_unique<CachePluginWindow>(host_, plugins_);
        case host::Window::kPluginStatus:
            return std::make_unique<PluginStatusWindow>(host_, plugins_.Status());
        case host::Window::kSettings:
            return std::make_unique<SettingsWindow>(host_);
        case host::Window::kPluginPanel:
            return std::make_unique<PluginPanelWindow>(host_);
        case host::Window::kAbout:
            return std::make_unique<AboutWindow>(host_);
        case host::Window::kFaq:
            return std::make_unique<FaqWindow>(host_);
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
