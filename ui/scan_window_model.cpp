#include "ui/scan_window_model.h"

#include <utility>

#include "scan/record.h"
#include "scan/scan_driver.h"

namespace ui {

ScanWindowModel::ScanWindowModel(scan::Host& host, clean::ResultsModel& results, bool silent,
                                 SilentTail silentTail)
    : host_(host), results_(results), silent_(silent), silentTail_(std::move(silentTail)) {}

void ScanWindowModel::Load() { timer1Enabled_ = !silent_; }

void ScanWindowModel::OnTimer1() {
    if (!timer1Enabled_) return;
    timer1Enabled_ = false;
    Scan();
}

void ScanWindowModel::Scan() {
    scan::ScanContext ctx{host_, state_, results_};
    if (!scan::Scan(ctx)) {
        // Aborted: the rows of a scan cut short are dropped once it has
        // stopped, so that a later clean never deletes items that no total
        // ever showed.
        results_.store.Clear();
        return;
    }
    if (silent_ && silentTail_) silentTail_(scan::CounterValue(state_.totaldetected));
}

void ScanWindowModel::OnChameleonButton2Click() {
    if (state_.chameleonButton2.caption == "Abort") {
        state_.abortRequested = true;
        host_.ShowWindow(scan::Window::kMain);
    } else {
        host_.ShowWindow(scan::Window::kMain);
        host_.RestoreWindow(scan::Window::kMain);
        results_.store.Clear();
    }
    host_.UnloadWindow(scan::Window::kScan);
}

void ScanWindowModel::OnResultsButtonClick() {
    if (!state_.resultsbutton.enabled) return;
    host_.ShowWindow(scan::Window::kResults);
    host_.UnloadWindow(scan::Window::kScan);
}

void ScanWindowModel::OnCloseRequest() {
    // The program ends; a scan still running must not go on behind it.
    state_.abortRequested = true;
    host_.EndProgram();
}

}  // namespace ui
