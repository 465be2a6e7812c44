// Case rules of names in the ANSI code page (Windows-1252): registry names
// and file paths compare without regard to case, and subkeys enumerate in
// the order of their upper-cased UTF-16 code units, as on Windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

namespace detail {

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 0x20);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 0x20);
    table[0x9A] = 0x8A;  // s caron
    table[0x9C] = 0x8C;  // oe
    table[0x9E] = 0x8E;  // z caron
    table[0xFF] = 0x9F;  // y diaeresis
    return table;
}

// The UTF-16 code unit of each Windows-1252 byte; the five undefined bytes
// stand for themselves.
constexpr std::array<std::uint16_t, 256> MakeUnicodeTable() {
    std::array<std::uint16_t, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<std::uint16_t>(c);
    constexpr std::uint16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int c = 0; c < 32; ++c) table[0x80 + c] = high[c];
    return table;
}

inline constexpr auto kUpper = MakeUpperTable();
inline constexpr auto kUnicode = MakeUnicodeTable();

}  // namespace detail

inline unsigned char UpperAnsi(unsigned char c) { return detail::kUpper[c]; }

inline std::string UpperName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(UpperAnsi(static_cast<unsigned char>(c)));
    return upper;
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAnsi(static_cast<unsigned char>(a[i])) != UpperAnsi(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// Orders upper-cased names by their UTF-16 code units.
struct UnicodeOrder {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i) {
            const auto ca = detail::kUnicode[static_cast<unsigned char>(a[i])];
            const auto cb = detail::kUnicode[static_cast<unsigned char>(b[i])];
            if (ca != cb) return ca < cb;
        }
        return a.size() < b.size();
    }
};

}  // namespace platform
