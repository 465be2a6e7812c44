// The settings window's "?" buttons: each explains the category whose
// check box it sits beside.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace settings {

struct CategoryHelp {
    const char* button;      // the "?" button
    const char* categoryId;  // the category it sits beside
    const char* title;
    const char* text;  // paragraphs joined by two line feeds
};

inline constexpr std::size_t kHelpCount = 8;

extern const std::array<CategoryHelp, kHelpCount> kCategoryHelp;

}  // namespace settings
