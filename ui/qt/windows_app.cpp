#include "ui/qt/windows_app.h"

#include <QApplication>

#include "platform/program_folder.h"

#include "ui/qt/about_window.h"
#include "ui/qt/cache_plugin_window.h"
#include "ui/qt/cookie_plugin_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/plugin_panel_window.h"
#include "ui/qt/plugin_status_window.h"
#include "ui/qt/results_window.h"
#include "ui/qt/scan_window.h"
#include "ui/qt/settings_window.h"

namespace ui::qt {

WindowsApp::WindowsApp() : WindowsApp(platform::ProgramFolder()) {}

WindowsApp::WindowsApp(std::string programFolder)
    : plugins_(host_, false, std::move(programFolder)), clean_{host_, results_, cleanState_, &plugins_, false} {
    host_.SetWindowFactory([this](host::Window window) { return Make(window); });
}

ModelWindow* WindowsApp::Make(host::Window window) {
    switch (window) {
        case host::Window::kMain:
            return new MainWindow(host_);
        case host::Window::kScan:
            return new ScanWindow(host_, results_, [this](ScanWindowModel& scan) {
                clean::CleanAll(clean_, scan.State().counts.total.value_or(0));
            });
        case host::Window::kResults:
            return new ResultsWindow(host_, results_, [this] { clean::CleanSelected(clean_); });
        case host::Window::kCompletion:
            return new CompletionWindow(host_, cleanState_);
        case host::Window::kSettings:
            return new SettingsWindow(host_);
        case host::Window::kAbout:
            return new AboutWindow(host_);
        case host::Window::kFaq:
            return new FaqWindow(host_);
        case host::Window::kPluginPanel:
            return new PluginPanelWindow(host_);
        case host::Window::kCookiePlugin:
            return new CookiePluginWindow(host_, plugins_);
        case host::Window::kCookieSecureDeletion:
            return new CookieOptionsWindow(host_);
        case host::Window::kIeTempFilesPlugin:
            return new CachePluginWindow(host_, plugins_);
        case host::Window::kPluginStatus:
            return new PluginStatusWindow(host_, plugins_.Status());
    }
    return nullptr;
}

int RunWindows(int& argc, char** argv) {
    QApplication application(argc, argv);
    // Windows come and go as the program moves between them; it ends only
    // through EndProgram.
    QApplication::setQuitOnLastWindowClosed(false);
    WindowsApp windows;
    windows.Host().ShowWindow(host::Window::kMain);
    if (windows.Host().Ended()) return 0;
    return QApplication::exec();
}

}  // namespace ui::qt
