#include "registry/reg_file_text.h"

#include <algorithm>

#include "platform/ansi_codepage.h"

namespace registry {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::string LineFault(std::size_t index, const std::string& what) {
    return "line " + std::to_string(index + 1) + ": " + what;
}

template <typename Char>
void StripCarriageReturn(std::basic_string<Char>& line) {
    if (!line.empty() && line.back() == Char('\r')) line.pop_back();
}

std::string DecodeUtf16Le(std::string_view bytes, std::vector<std::string>& lines) {
    std::u16string line;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit != u'\n') {
            line += unit;
            continue;
        }
        StripCarriageReturn(line);
        if (!platform::IsValidUtf16(line)) return LineFault(lines.size(), "invalid UTF-16 text");
        lines.push_back(platform::Utf16ToAnsi(line));
        line.clear();
    }
    if (bytes.size() % 2 != 0) return LineFault(lines.size(), "the UTF-16 text ends in half a character");
    StripCarriageReturn(line);
    if (!platform::IsValidUtf16(line)) return LineFault(lines.size(), "invalid UTF-16 text");
    lines.push_back(platform::Utf16ToAnsi(line));
    return "";
}

std::string DecodeBytes(std::string_view bytes, bool utf8, std::vector<std::string>& lines) {
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string line(bytes.substr(start, end - start));
        StripCarriageReturn(line);
        if (utf8) {
            if (!platform::IsValidUtf8(line)) return LineFault(lines.size(), "invalid UTF-8 text");
            line = platform::Utf8ToAnsi(line);
        }
        lines.push_back(std::move(line));
        if (end == bytes.size()) return "";
        start = end + 1;
    }
}

}  // namespace

std::string DecodeRegFileText(std::string_view bytes, std::vector<std::string>& lines) {
    lines.clear();
    std::string fault;
    if (bytes.starts_with(kUtf16LeBom)) {
        fault = DecodeUtf16Le(bytes.substr(kUtf16LeBom.size()), lines);
    } else if (bytes.starts_with(kUtf16BeBom)) {
        fault = LineFault(0, "big-endian UTF-16 is not supported (save the file as UTF-16LE)");
    } else if (bytes.starts_with(kUtf8Bom)) {
        fault = DecodeBytes(bytes.substr(kUtf8Bom.size()), true, lines);
    } else {
        fault = DecodeBytes(bytes, platform::IsValidUtf8(bytes), lines);
    }
    if (!fault.empty()) lines.clear();
    return fault;
}

}  // namespace registry
