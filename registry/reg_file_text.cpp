#include "registry/reg_file_text.h"

#include <algorithm>

#include "platform/ansi_codepage.h"
#include "registry/reg_file.h"

namespace registry {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

template <typename Char>
void StripCarriageReturn(std::basic_string<Char>& line) {
    if (!line.empty() && line.back() == Char('\r')) line.pop_back();
}

// Only a value's data makes lines this long.
std::string LineTooLong(std::size_t maxLength) {
    return "line longer than " + std::to_string(maxLength) + " characters (value data larger than " +
           std::to_string(kMaxImportValueSize) + " bytes)";
}

}  // namespace

RegFileLines::RegFileLines(std::string_view bytes, std::size_t maxLength) : bytes_(bytes), maxLength_(maxLength) {
    if (bytes.starts_with(kUtf16LeBom)) {
        utf16_ = true;
        position_ = kUtf16LeBom.size();
    } else if (bytes.starts_with(kUtf16BeBom)) {
        number_ = 1;
        Refuse("big-endian UTF-16 is not supported (save the file as UTF-16LE)");
    } else if (bytes.starts_with(kUtf8Bom)) {
        utf8_ = true;
        position_ = kUtf8Bom.size();
    } else {
        utf8_ = platform::IsValidUtf8(bytes);
    }
}

bool RegFileLines::Refuse(std::string what) {
    fault_ = std::move(what);
    ended_ = true;
    line_.clear();
    return false;
}

bool RegFileLines::Next() {
    if (ended_) return false;
    ++number_;
    return utf16_ ? NextUtf16() : NextBytes();
}

bool RegFileLines::NextUtf16() {
    // Find the line's end first: a line too long is refused without being
    // copied.
    auto unitAt = [this](std::size_t at) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes_[at]) | static_cast<unsigned char>(bytes_[at + 1])
                                                                                  << 8);
    };
    std::size_t end = position_;
    while (bytes_.size() - end >= 2 && unitAt(end) != u'\n') {
        if ((end - position_) / 2 == maxLength_) return Refuse(LineTooLong(maxLength_));
        end += 2;
    }
    std::u16string line;
    line.reserve((end - position_) / 2);
    for (std::size_t at = position_; at < end; at += 2) line += unitAt(at);
    if (bytes_.size() - end < 2) {
        if (bytes_.size() != end) return Refuse("the UTF-16 text ends in half a character");
        ended_ = true;
    }
    position_ = end + 2;
    StripCarriageReturn(line);
    if (!platform::IsValidUtf16(line)) return Refuse("invalid UTF-16 text");
    line_ = platform::Utf16ToAnsi(line);
    return true;
}

bool RegFileLines::NextBytes() {
    const std::string_view rest = bytes_.substr(position_);
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    ended_ = end == rest.size();
    position_ += end + 1;
    std::string_view line = rest.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.size() > maxLength_) return Refuse(LineTooLong(maxLength_));
    if (!utf8_) {
        line_.assign(line);
        return true;
    }
    if (!platform::IsValidUtf8(line)) return Refuse("invalid UTF-8 text");
    line_ = platform::Utf8ToAnsi(line);
    return true;
}

}  // namespace registry
