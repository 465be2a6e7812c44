// A found item's data as a person reads it: the URL, the path, the search
// term. Registry data comes as the scan saw it (type code and bytes).
#pragma once

#include <cstddef>
#include <string>

#include "scan/detected_items.h"

namespace cli {

// Binary data that is no text shows as hex pairs, at most this many bytes,
// then " (+N bytes)".
inline constexpr std::size_t kHexShown = 64;

// UTF-8. A value's text (ANSI strings; a list of strings one per line;
// numbers in decimal; binary that is ANSI text and its NUL as that text,
// binary that begins with a UTF-16 name, as Explorer's lists do, as that
// name; else hex); a folder or file row's path; nothing
// for a key row or a value the scan did not read. mainkey: the row's
// Mainkey column, a folder or file row's path.
std::string ReadableData(scan::ItemKind kind, const std::string& mainkey, const std::string& snapshot);

}  // namespace cli
