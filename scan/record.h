// The one way a scanner reports a find: raise a counter, then append the
// row to the store.
#pragma once

#include "clean/detected_items.h"
#include "scan/scan_context.h"

namespace scan {

enum class Counter { kLists, kItems };

// The counter is raised first, then the row is appended and checked.
void Record(ScanContext& ctx, Counter counter, const clean::DetectedItem& item);

// A counter label's text read as a number, as the driver totals them: the
// leading decimal digits, 0 when there are none.
long CounterValue(const Label& counter);

}  // namespace scan
