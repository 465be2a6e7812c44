#include "tools/nimbrel-cli/readable_data.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/ansi_codepage.h"
#include "platform/registry_api.h"

namespace cli {

namespace {

std::string WithoutFinalNuls(std::string text) {
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::uint64_t LittleEndian(const std::string& data, std::size_t bytes) {
    std::uint64_t number = 0;
    for (std::size_t i = bytes; i-- > 0;) number = number << 8 | static_cast<unsigned char>(data[i]);
    return number;
}

// The UTF-16 text at the start of data, up to its NUL, when there is one of
// printable characters; else empty.
std::string LeadingUtf16Text(const std::string& data) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const char16_t unit =
            static_cast<char16_t>(static_cast<unsigned char>(data[i]) | static_cast<unsigned char>(data[i + 1]) << 8);
        if (unit == 0) {
            for (char16_t c : text) {
                if (c < 0x20) return {};
            }
            return text.empty() || !platform::IsValidUtf16(text) ? std::string() : platform::Utf16ToUtf8(text);
        }
        text += unit;
    }
    return {};
}

// Binary data that is ANSI text and its final NUL, as some programs store
// their paths; else empty.
std::string AnsiText(const std::string& data) {
    const std::string text = WithoutFinalNuls(data);
    if (text.empty() || text.size() == data.size()) return {};
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) return {};
    }
    return platform::AnsiToUtf8(text);
}

std::string Hex(const std::string& data) {
    std::string hex;
    const std::size_t shown = data.size() < kHexShown ? data.size() : kHexShown;
    for (std::size_t i = 0; i < shown; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, i == 0 ? "%02X" : " %02X", static_cast<unsigned char>(data[i]));
        hex += pair;
    }
    if (shown < data.size()) hex += " (+" + std::to_string(data.size() - shown) + " bytes)";
    return hex;
}

}  // namespace

std::string ReadableData(scan::ItemKind kind, const std::string& mainkey, const std::string& snapshot) {
    if (kind == scan::ItemKind::kFolder || kind == scan::ItemKind::kFile) return platform::AnsiToUtf8(mainkey);
    std::uint32_t type = 0;
    if (kind != scan::ItemKind::kValue || snapshot.size() < sizeof type) return {};
    std::memcpy(&type, snapshot.data(), sizeof type);
    const std::string data = snapshot.substr(sizeof type);
    switch (type) {
        case platform::kRegSz:
        case platform::kRegExpandSz:
            return platform::AnsiToUtf8(WithoutFinalNuls(data));
        case platform::kRegMultiSz: {
            std::string lines = WithoutFinalNuls(data);
            for (char& c : lines) {
                if (c == '\0') c = '\n';
            }
            return platform::AnsiToUtf8(lines);
        }
        case platform::kRegDword:
            if (data.size() == 4) return std::to_string(LittleEndian(data, 4));
            break;
        case platform::kRegQword:
            if (data.size() == 8) return std::to_string(LittleEndian(data, 8));
            break;
        default:
            if (std::string text = AnsiText(data); !text.empty()) return text;
            if (std::string text = LeadingUtf16Text(data); !text.empty()) return text;
    }
    return Hex(data);
}

}  // namespace cli
