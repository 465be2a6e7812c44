// The program's windows on Win32 as one whole, like ui/qt/windows_app.h:
// the host, the store of detected items, the plug-ins, the clean, and the
// making of each window when it is first shown. Windows whose Win32 view
// is not written yet are made as null: showing them does nothing.
#pragma once

#include <memory>
#include <string>

#include "clean/clean_engine.h"
#include "clean/clean_state.h"
#include "plugins/plugin_windows.h"
#include "scan/results_model.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

class ModelWindow;

class WindowsApp {
public:
    // programFolder: where the cookie ignore list and ixwipe.exe are, no
    // final backslash; the running program's folder unless a test names
    // another.
    explicit WindowsApp(std::string programFolder);
    WindowsApp();
    WindowsApp(const WindowsApp&) = delete;
    WindowsApp& operator=(const WindowsApp&) = delete;

    Win32Host& Host() { return host_; }
    scan::ResultsModel& Results() { return results_; }
    const clean::CleanState& LastClean() const { return cleanState_; }
    plugins::PluginWindows& Plugins() { return plugins_; }

private:
    std::unique_ptr<ModelWindow> Make(host::Window window);

    Win32Host host_;
    scan::ResultsModel results_;
    clean::CleanState cleanState_;
    // The plug-in windows' models; a clean runs the automatic ones.
    plugins::PluginWindows plugins_;
    clean::CleanContext clean_;
};

// Sets up the common controls (version 6, through the manifest).
void InitControls();

// A GUI-subsystem program started from a console gets none: its output
// goes nowhere unless the parent redirected it. Where it did not, stdout
// and stderr go to the parent's console, if there is one.
void UseParentConsole();

// Says in a message box why the windows cannot start.
void ShowStartProblem(const std::string& text);

// Starts the windows: shows the main window and runs the message loop
// until the program ends. Returns the exit code.
int RunWindows();

}  // namespace ui::win32
