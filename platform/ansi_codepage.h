// The ANSI code page (Windows-1252) and its conversions to UTF-16 and UTF-8.
//
// The five bytes that 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the control characters of the same number, as Windows does, so
// every byte string survives a trip to Unicode and back. Going to ANSI, a
// character that 1252 lacks becomes '?', as WideCharToMultiByte's default.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::u16string AnsiToUtf16(std::string_view ansi);
// An unpaired surrogate or a character outside 1252 becomes one '?'.
std::string Utf16ToAnsi(std::u16string_view text);

std::string AnsiToUtf8(std::string_view ansi);
// An unpaired surrogate becomes one '?'.
std::string Utf16ToUtf8(std::u16string_view text);
// Expects valid UTF-8 (see IsValidUtf8); a malformed sequence becomes '?'.
std::string Utf8ToAnsi(std::string_view utf8);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Every surrogate in a high-low pair.
bool IsValidUtf16(std::u16string_view text);

}  // namespace platform
