// The cookie ignore list in "cookieignore.ini" beside the program: the
// count under [Number] Count, and each name under [IgnoreCookies] 0, 1, ...
// enciphered by clsDES with the plug-in's fixed key and written as hex
// pairs joined by single spaces.
#pragma once

#include <string>
#include <vector>

#include "plugins/cls_des.h"

namespace plugins {

inline constexpr const char* kIgnoreListFileName = "cookieignore.ini";
// Only its first eight characters form the DES key.
inline constexpr const char* kIgnoreListKey = "8e5c03617b92rtqvzn";

// programFolder without a final backslash.
std::string IgnoreListPath(const std::string& programFolder);

// The names in list order. A missing file is an empty list. A damaged entry
// (not well-formed hex, a ciphertext DES does not take, a bad size
// descriptor) is skipped and the rest still load.
std::vector<std::string> LoadIgnoreList(const std::string& file, clsDES& cipher);

// Creates the file when it is missing, writes the count, then each name;
// entries beyond the count that a longer list left behind stay, unread.
// Failing writes are passed over.
void SaveIgnoreList(const std::string& file, const std::vector<std::string>& names, clsDES& cipher);

}  // namespace plugins
