// The program's windows as one whole: the Qt host, the store of detected
// items, the plug-ins, the clean, and the making of each window when it is
// first shown.
#pragma once

#include <string>

#include "clean/clean_engine.h"
#include "clean/clean_state.h"
#include "scan/results_model.h"
#include "plugins/plugin_windows.h"
#include "ui/qt/qt_host.h"

namespace ui::qt {

class WindowsApp {
public:
    // programFolder: where the cookie ignore list and ixwipe.exe are, no
    // final backslash; the running program's folder unless a test or a
    // scratch machine names another.
    explicit WindowsApp(std::string programFolder);
    WindowsApp();
    WindowsApp(const WindowsApp&) = delete;
    WindowsApp& operator=(const WindowsApp&) = delete;

    QtHost& Host() { return host_; }
    scan::ResultsModel& Results() { return results_; }
    const clean::CleanState& LastClean() const { return cleanState_; }
    plugins::PluginWindows& Plugins() { return plugins_; }

private:
    ModelWindow* Make(host::Window window);

    QtHost host_;
    scan::ResultsModel results_;
    clean::CleanState cleanState_;
    // The plug-in windows' models; a clean runs the automatic ones.
    plugins::PluginWindows plugins_;
    clean::CleanContext clean_;
};

// Starts the windows: shows the main window and runs the message loop
// until the program ends. Returns the exit code.
int RunWindows(int& argc, char** argv);

}  // namespace ui::qt
