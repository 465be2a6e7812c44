#include "tools/nimbrel-cli/reg_value_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>

#include "platform/registry_api.h"

namespace cli {
namespace {

constexpr std::array<std::string_view, 12> kTypeNames = {
    "REG_NONE",
    "REG_SZ",
    "REG_EXPAND_SZ",
    "REG_BINARY",
    "REG_DWORD",
    "REG_DWORD_BIG_ENDIAN",
    "REG_LINK",
    "REG_MULTI_SZ",
    "REG_RESOURCE_LIST",
    "REG_FULL_RESOURCE_DESCRIPTOR",
    "REG_RESOURCE_REQUIREMENTS_LIST",
    "REG_QWORD",
};

constexpr std::array<std::uint32_t, 7> kAddableTypes = {
    platform::kRegSz,    platform::kRegExpandSz, platform::kRegMultiSz, platform::kRegDword,
    platform::kRegQword, platform::kRegBinary,   platform::kRegNone,
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Decimal, or hex after "0x".
bool ParseNumber(std::string_view text, std::uint64_t maximum, std::uint64_t& number) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() && number <= maximum;
}

int HexDigitValue(char c) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
}

void AppendLittleEndian(std::string& bytes, std::uint64_t number, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(number >> (8 * i));
}

std::uint64_t ReadLittleEndian(std::string_view bytes) {
    std::uint64_t number = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) number = number << 8 | static_cast<unsigned char>(bytes[i]);
    return number;
}

std::string HexNumber(std::uint64_t number) {
    char digits[19];
    std::snprintf(digits, sizeof digits, "0x%llx", static_cast<unsigned long long>(number));
    return digits;
}

}  // namespace

std::vector<std::string> AddableTypeNames() {
    std::vector<std::string> names;
    for (std::uint32_t type : kAddableTypes) names.push_back(TypeName(type));
    return names;
}

bool TypeFromName(std::string_view name, std::uint32_t& type) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (std::uint32_t candidate : kAddableTypes) {
        if (kTypeNames[candidate] == upper) {
            type = candidate;
            return true;
        }
    }
    return false;
}

std::string TypeName(std::uint32_t type) {
    if (type < kTypeNames.size()) return std::string(kTypeNames[type]);
    return "REG_" + HexNumber(type);
}

std::string ParseValueData(std::uint32_t type, std::string_view text, std::string& bytes) {
    bytes.clear();
    const std::string invalid = "invalid " + TypeName(type) + " data \"" + std::string(text) + "\"";
    std::uint64_t number = 0;
    switch (type) {
        case platform::kRegSz:
        case platform::kRegExpandSz:
            bytes = std::string(text) + '\0';
            return "";
        case platform::kRegMultiSz:
            for (std::size_t start = 0; !text.empty();) {
                const std::size_t end = std::min(text.find("\\0", start), text.size());
                bytes += std::string(text.substr(start, end - start)) + '\0';
                if (end == text.size()) break;
                start = end + 2;
            }
            bytes += '\0';
            return "";
        case platform::kRegDword:
            if (!ParseNumber(text, std::numeric_limits<std::uint32_t>::max(), number)) return invalid;
            AppendLittleEndian(bytes, number, 4);
            return "";
        case platform::kRegQword:
            if (!ParseNumber(text, std::numeric_limits<std::uint64_t>::max(), number)) return invalid;
            AppendLittleEndian(bytes, number, 8);
            return "";
        default:
            if (text.size() % 2 != 0) return invalid + ": hex digits come in pairs";
            for (std::size_t i = 0; i < text.size(); i += 2) {
                const int high = HexDigitValue(text[i]);
                const int low = HexDigitValue(text[i + 1]);
                if (high < 0 || low < 0) return invalid + ": expected hex digits";
                bytes += static_cast<char>(high << 4 | low);
            }
            return "";
    }
}

std::string FormatValueData(std::uint32_t type, std::string_view bytes) {
    if (type == platform::kRegSz || type == platform::kRegExpandSz) {
        return std::string(bytes.substr(0, bytes.find('\0')));
    }
    if (type == platform::kRegMultiSz) {
        while (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
        std::string text;
        for (char c : bytes) text += c == '\0' ? std::string("\\0") : std::string(1, c);
        return text;
    }
    if ((type == platform::kRegDword && bytes.size() == 4) || (type == platform::kRegQword && bytes.size() == 8)) {
        return HexNumber(ReadLittleEndian(bytes));
    }
    std::string hex;
    for (char c : bytes) {
        hex += kHexDigits[static_cast<unsigned char>(c) >> 4];
        hex += kHexDigits[static_cast<unsigned char>(c) & 0x0F];
    }
    return hex;
}

}  // namespace cli
