// The scan window (Form2) as plain state and handlers: it opens, starts its
// scan from a one-shot timer, shows progress and counters while the scan
// runs, and is left through "Abort", "Main Menu" or "Show Results". A view
// renders State() and forwards the timer and the clicks.
#pragma once

#include <functional>

#include "scan/results_model.h"
#include "host/host.h"
#include "scan/scan_window_state.h"

namespace ui {

class ScanWindowModel {
public:
    static constexpr const char* kCaption = "Nimbrel Scan Window";
    static constexpr const char* kLabel5 = "Nimbrel";
    static constexpr const char* kLabel6 = "Scan Window";
    static constexpr const char* kLabel1 = "MRU Lists Detected:";
    static constexpr const char* kLabel2 = "MRU Items Detected:";
    static constexpr const char* kLabel3 = "Total Items Detected:";
    static constexpr int kTimer1IntervalMs = 5;

    // What a silent scan does once it has ended, given the total: clean
    // everything found or run the automatic plug-ins, then end the program.
    // Supplied by the program's start-up together with the clean engine.
    using SilentTail = std::function<void(long total)>;

    ScanWindowModel(host::Host& host, scan::ResultsModel& results, bool silent, SilentTail silentTail = {});

    const scan::ScanWindowState& State() const { return state_; }
    bool Timer1Enabled() const { return timer1Enabled_; }

    // The window is loaded: start the timer, except in silent mode, where
    // the start-up code calls Scan itself.
    void Load();
    // Timer1 fired: it fires once and starts the scan.
    void OnStartTimer();
    // The whole scan; in silent mode followed by the silent tail.
    void Scan();

    // chameleonButton2: "Abort" while scanning, "Main Menu" afterwards.
    void OnAbortOrMainMenuClick();
    // resultsbutton: "Show Results".
    void OnResultsButtonClick();
    // The close box: the program ends, even during a scan.
    void OnCloseRequest();

private:
    host::Host& host_;
    scan::ResultsModel& results_;
    bool silent_;
    SilentTail silentTail_;
    scan::ScanWindowState state_;
    bool timer1Enabled_ = false;
};

}  // namespace ui
