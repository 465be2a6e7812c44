// The scan driver: one whole scan on a freshly opened scan window.
#pragma once

#include "scan/scan_context.h"

namespace scan {

// Lists the user hives, runs the thirty steps in order under their category
// switches and then the seven steps of the newer Windows and Office
// versions, sets the progress bar and yields between groups, and ends with
// the totals and the buttons. An error inside a step abandons that step
// only. Returns false when "Abort" stopped the scan at one of its yields;
// the end of the scan has then not taken place.
bool Scan(ScanContext& ctx);

}  // namespace scan
