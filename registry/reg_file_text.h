// The text of a .reg file as lines of ANSI (Windows-1252) text, whatever
// its encoding: UTF-16LE with a byte-order mark, UTF-8 with one, or, without
// one, UTF-8 when the bytes are valid UTF-8 and ANSI otherwise. Characters
// that 1252 lacks become '?', as they would in the ANSI registry calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace registry {

// Lines without their CR/LF ends. Returns an empty string, or a fault as
// "line N: ..." (for text that is not valid in its encoding).
std::string DecodeRegFileText(std::string_view bytes, std::vector<std::string>& lines);

}  // namespace registry
