// What one clean leaves behind for the completion window.
#pragma once

#include <string>

namespace clean {

struct CleanState {
    // Rows processed: every row but those left unchecked and those the path
    // guard skips.
    long CleanedCount = 0;
    // The user left no row out (not: every deletion succeeded). Program-wide.
    bool AllCleaned = true;
    // The detected total of the window that cleaned, for "Total Items
    // Detected:".
    std::string totaldetected;
};

}  // namespace clean
