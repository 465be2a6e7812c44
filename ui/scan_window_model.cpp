#include "ui/scan_window_model.h"

#include <utility>

#include "scan/record.h"
#include "scan/scan_driver.h"

namespace ui {

ScanWindowModel::ScanWindowModel(host::Host& host, scan::ResultsModel& results, bool silent, SilentTail silentTail)
    : host_(host), results_(results), silent_(silent), silentTail_(std::move(silentTail)) {}

void ScanWindowModel::Load() { timer1Enabled_ = !silent_; }

void ScanWindowModel::OnStartTimer() {
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
    if (silent_ && silentTail_) silentTail_(state_.counts.total.value_or(0));
}

void ScanWindowModel::OnAbortOrMainMenuClick() {
    if (state_.chameleonButton2.caption == "Abort") {
        state_.abortRequested = true;
        host_.ShowWindow(host::Window::kMain);
    } else {
        host_.ShowWindow(host::Window::kMain);
        host_.RestoreWindow(host::Window::kMain);
        results_.store.Clear();
    }
    host_.UnloadWindow(host::Window::kScan);
}

void ScanWindowModel::OnResultsButtonClick() {
    if (!state_.resultsbutton.enabled) return;
    host_.ShowWindow(host::Window::kResults);
    host_.UnloadWindow(host::Window::kScan);
}

void ScanWindowModel::OnCloseRequest() {
    // The program ends; a scan still running must not go on behind it.
    state_.abortRequested = true;
    host_.EndProgram();
}

}  // namespace ui
