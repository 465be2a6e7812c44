// The cookie ignore list in "cookieignore.ini" beside the program: the
// count under [Number] Count, and each name under [IgnoreCookies] 0, 1, ...
// enciphered by clsDES with the plug-in's fixed key and written as hex
// pairs joined by single spaces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/settings_file_location.h"
#include "plugins/cls_des.h"

namespace plugins {

inline constexpr const char* kIgnoreListFileName = "cookieignore.ini";
// Only its first eight characters form the DES key.
inline constexpr const char* kIgnoreListKey = "8e5c03617b92rtqvzn";
// More than a real list reaches (1 MiB holds some 6,000 names of 40
// bytes): a larger file is no ignore list, and is not read.
inline constexpr std::uint64_t kIgnoreListMaxBytes = 1u << 20;

// Where the list of a program in programFolder (no final backslash) is
// read and saved.
platform::SettingsFileLocation IgnoreListLocation(const std::string& programFolder);

struct IgnoreListLoad {
    std::vector<std::string> names;
    // Empty when the file was read, or is missing (an empty list). Else why
    // it was refused, naming it: a file that is not a regular one (a link,
    // a FIFO, a device, a folder), is larger than kIgnoreListMaxBytes, or
    // cannot be read; names is then empty, and means nothing.
    std::string refusal;
};

// The names in list order, read from the file in one pass. A damaged entry
// (not well-formed hex, a ciphertext DES does not take, a bad size
// descriptor) is skipped and the rest still load.
IgnoreListLoad LoadIgnoreList(const std::string& file, clsDES& cipher);

// Creates the folder and the file when they are missing, writes the count,
// then each name; entries beyond the count that a longer list left behind
// stay, unread. Failing writes are passed over. Returns why nothing was
// written, or an empty string: a folder that cannot be made, or a file in
// place that LoadIgnoreList refuses, is left alone.
std::string SaveIgnoreList(const std::string& file, const std::vector<std::string>& names, clsDES& cipher);

}  // namespace plugins
