// modHEX: bytes as upper-case hexadecimal pairs and back. Text is handled
// as bytes of the ANSI code page, one character per byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace modHEX {

// Each byte as two upper-case digits, high digit first; the pairs are
// joined by separator's first character, repeated separator.size() times
// (so "abc" with " " gives "61 62 63").
std::string HexEncode(const std::string& text, const std::string& separator);

// The reverse, reading a pair every separatorLength + 2 characters. Nothing
// when the text is not a whole number of pairs so spaced, or a pair holds a
// character other than "0"-"9" and "A"-"F"; the separators themselves are
// not looked at.
std::optional<std::string> HexDecode(const std::string& text, std::size_t separatorLength);

}  // namespace modHEX
