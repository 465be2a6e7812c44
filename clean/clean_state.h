// What one clean leaves behind for the completion window.
#pragma once

#include <string>

namespace clean {

struct CleanState {
    // Rows whose item is gone after the clean: deleted, or already absent.
    long CleanedCount = 0;
    // Rows the user let the clean delete whose item is still there (it
    // could not be deleted, or the path guard kept it).
    long NotDeletedCount = 0;
    // The user left no row out (not: every deletion succeeded). Program-wide.
    bool AllCleaned = true;
    // The detected total of the window that cleaned, for "Total Items
    // Detected:".
    long detected = 0;
};

}  // namespace clean
