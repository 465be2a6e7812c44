// The bytes of a UTF-16LE file, with its byte-order mark, as regedit
// writes .reg files.
#pragma once

#include <string>

namespace testing_support {

inline std::string Utf16Le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace testing_support
