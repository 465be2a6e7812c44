// The one way a scanner reports a find: raise a counter, then append the
// row to the store.
#pragma once

#include "scan/detected_items.h"
#include "scan/scan_context.h"

namespace scan {

enum class Counter { kLists, kItems };

// The counter is raised first, then the row is appended and checked.
void Record(ScanContext& ctx, Counter counter, const scan::DetectedItem& item);
// The same, the row's texts moved into the store.
void Record(ScanContext& ctx, Counter counter, scan::DetectedItem&& item);

}  // namespace scan
