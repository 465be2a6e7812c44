// The host of a scan on the console: its yields redraw a progress bar on
// stderr, at most ten times a second, when stderr is a terminal that can
// take one; message boxes become lines on stderr. There are no windows.
#pragma once

#include <chrono>
#include <string>

#include "host/host.h"
#include "scan/scan_window_state.h"

namespace cli {

class ConsoleHost : public host::Host {
public:
    // quiet: no progress bar at all.
    ConsoleHost(const scan::ScanWindowState& window, bool quiet);

    void Yield() override;
    void MessageBox(const std::string& text, const std::string& title) override;
    void ShowWindow(host::Window) override {}
    void RestoreWindow(host::Window) override {}
    void UnloadWindow(host::Window) override {}
    void EndProgram() override {}

    // Takes the progress bar off the screen (spaces, as not every console
    // knows the escape sequence that clears a line).
    void Finish();

private:
    const scan::ScanWindowState& window_;
    bool drawing_;
    int drawn_ = 0;  // the widest line drawn
    std::chrono::steady_clock::time_point lastDrawn_{};
};

}  // namespace cli
