// Reading .reg files in both formats regedit writes: "REGEDIT4" (ANSI text)
// and "Windows Registry Editor Version 5.00" (hex(1), hex(2) and hex(7) data
// as UTF-16LE). The file may be UTF-16LE with a byte-order mark, UTF-8 with
// or without one, or ANSI (Windows-1252): text without a byte-order mark is
// taken as UTF-8 when it is valid UTF-8 and as ANSI otherwise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "registry/reg_operation.h"

namespace registry {

// The largest value data an import takes, as written in the file: far
// above anything real hives hold (a few hundred KiB at most), far below
// what would strain memory. A larger value refuses the file.
inline constexpr std::size_t kMaxImportValueSize = 8 * 1024 * 1024;

// Parses the whole file before anything may be applied. Returns an empty
// string and fills operations in file order, or returns the first fault as
// "line N: ..." and leaves operations empty.
std::string ParseRegFile(std::string_view bytes, std::vector<RegOperation>& operations);

}  // namespace registry
