// The results window (Form3) as plain state: it holds the store of detected
// items from the first recording until a clean or "Main Menu" empties it,
// and the copy of the scan's total. Its buttons come with the clean engine.
#pragma once

#include <optional>

#include "scan/detected_items.h"

namespace scan {

struct ResultsModel {
    static constexpr const char* kCaption = "Nimbrel Results Window";

    DetectedItems store;
    // The scan's total, beside "Total Items Detected:", set when a scan
    // ends.
    std::optional<long> total;
};

}  // namespace scan
