// The results window (Form3) as plain state: it holds the store of detected
// items from the first recording until a clean or "Main Menu" empties it,
// and the copy of the scan's total. Its buttons come with the clean engine.
#pragma once

#include <string>

#include "clean/detected_items.h"

namespace clean {

struct ResultsModel {
    static constexpr const char* kCaption = "Nimbrel Results Window";

    DetectedItems store;
    // The value label beside "Total Items Detected:", copied from the scan
    // window when a scan ends.
    std::string totaldetected;
};

}  // namespace clean
