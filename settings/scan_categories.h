// The scan categories: each is an on/off value named by its id under
// Software\Nimbrel\Ignore of the current user, and a check box of the
// settings window. The first twenty switch the thirty steps' scanners, the
// other seven the steps of Windows Vista to 11 and Office 2007 to 365.
// Table order is the order in which the window loads, saves and deletes
// them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace settings {

struct ScanCategory {
    const char* id;        // the value name, written exactly so
    const char* checkBox;  // the settings window's check box
    const char* caption;
    bool defaultOn;  // what a missing value stands for
};

inline constexpr std::size_t kCategoryCount = 27;

extern const std::array<ScanCategory, kCategoryCount> kScanCategories;

// Index in kScanCategories of the category with this id (compared exactly),
// or kCategoryCount when there is none.
std::size_t CategoryIndex(std::string_view id);

}  // namespace settings
