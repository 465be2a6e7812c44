#include "plugins/mod_hex.h"

#include <algorithm>
#include <array>

namespace modHEX {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// The high and the low digit of every byte value.
struct DigitTables {
    std::array<char, 256> high{};
    std::array<char, 256> low{};
};

constexpr DigitTables MakeDigitTables() {
    DigitTables tables;
    for (std::size_t byte = 0; byte < 256; ++byte) {
        tables.high[byte] = kDigits[byte >> 4];
        tables.low[byte] = kDigits[byte & 0xF];
    }
    return tables;
}

constexpr DigitTables kTables = MakeDigitTables();

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string HexEncode(const std::string& text, const std::string& separator) {
    if (text.empty()) return {};
    const std::size_t count = text.size();
    const std::size_t stride = separator.size() + 2;
    std::string out(2 * count + (count - 1) * separator.size(), separator.empty() ? ' ' : separator[0]);
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        out[i * stride] = kTables.high[byte];
        out[i * stride + 1] = kTables.low[byte];
    }
    return out;
}

std::optional<std::string> HexDecode(const std::string& text, std::size_t separatorLength) {
    // A separator longer than the text allows one pair at most, whatever
    // its length; capping it keeps the stride from wrapping to zero.
    separatorLength = std::min(separatorLength, text.size());
    const std::size_t stride = separatorLength + 2;
    // k pairs take 2k + (k - 1) * separatorLength characters.
    const std::size_t count = (text.size() + separatorLength) / stride;
    const std::size_t expected = count == 0 ? 0 : 2 * count + (count - 1) * separatorLength;
    if (text.size() != expected) return std::nullopt;

    std::string out(count, '\0');
    for (std::size_t i = 0; i < count; ++i) {
        const int high = DigitValue(text[i * stride]);
        const int low = DigitValue(text[i * stride + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        out[i] = static_cast<char>(high * 16 + low);
    }
    return out;
}

}  // namespace modHEX
