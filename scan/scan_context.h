// Everything a scanner works with: the host (for its yields), the scan
// window's state (counters, note, work lists, registry class) and the
// results window that holds the store of detected items.
#pragma once

#include "scan/results_model.h"
#include "host/host.h"
#include "scan/scan_window_state.h"

namespace scan {

struct ScanContext {
    host::Host& host;
    ScanWindowState& window;
    scan::ResultsModel& results;
};

// A scanner: an operation of the scan window without arguments or result;
// its only effects are the items it records and, for a few, the note.
using Scanner = void (*)(ScanContext&);

}  // namespace scan
