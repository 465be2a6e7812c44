// The settings window's "?" buttons: each explains the category whose
// check box it sits beside.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace settings {

struct CategoryHelp {
    const char* button;      // the "?" button
    const char* categoryId;  // the category it sits beside
    const char* title;
    const char* text;  // paragraphs joined by two line feeds
};

inline constexpr std::size_t kHelpCount = 8;

extern const std::array<CategoryHelp, kHelpCount> kCategoryHelp;

// Index in kCategoryHelp of the "?" button beside the category's box, or
// kHelpCount when the box has none.
std::size_t HelpIndex(std::string_view categoryId);

}  // namespace settings
