#include "registry/reg_file.h"

#include <cctype>
#include <cstdint>

#include "platform/ansi_codepage.h"
#include "registry/reg_file_text.h"

namespace registry {
namespace {

constexpr std::string_view kHeaderUnicode = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeaderAnsi = "REGEDIT4";

// The longest line that a value within the limits can take: its data as
// hex bytes ("xx,") on one line, as hivexregedit writes it, and its name
// with every character escaped.
constexpr std::size_t kMaxLineLength = 3 * kMaxImportValueSize + 2 * platform::kMaxValueNameLength + 64;

// Thrown inside the parser only; ParseRegFile turns it into its message.
struct Refusal {
    std::size_t line;
    std::string what;
};

[[noreturn]] void Refuse(std::size_t line, std::string what) { throw Refusal{line, std::move(what)}; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view WithoutComment(std::string_view text) { return text.substr(0, text.find(';')); }

// Consumes tag (any letter case) at the start of text.
bool ConsumeTag(std::string_view& text, std::string_view tag) {
    if (text.size() < tag.size()) return false;
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != tag[i]) return false;
    }
    text.remove_prefix(tag.size());
    return true;
}

// 1 to maxDigits hex digits, nothing else.
bool ParseHexNumber(std::string_view digits, std::size_t maxDigits, std::uint32_t& number) {
    if (digits.empty() || digits.size() > maxDigits) return false;
    number = 0;
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        number = number << 4 | static_cast<std::uint32_t>(digit);
    }
    return true;
}

void ExpectLineEnd(std::string_view rest, std::size_t line) {
    rest = TrimLeft(rest);
    if (!rest.empty() && rest.front() != ';') {
        Refuse(line, "unexpected text \"" + std::string(rest) + "\" after the value");
    }
}

// A quoted name or string, text starting after its opening quote. The only
// escapes are a doubled backslash and \", as regedit writes them. Text
// longer than maxLength is refused as soon as it passes it.
std::string ReadQuoted(std::string_view& text, std::size_t line, std::size_t maxLength, const std::string& tooLong) {
    std::string unescaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (unescaped.size() > maxLength) Refuse(line, tooLong);
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return unescaped;
        }
        if (c != '\\') {
            unescaped += c;
            continue;
        }
        if (++i == text.size()) break;
        if (text[i] != '\\' && text[i] != '"') {
            Refuse(line, std::string("unknown escape \\") + text[i] + " in quoted text (write a backslash as \\\\)");
        }
        unescaped += text[i];
    }
    Refuse(line, "missing closing quote");
}

std::string ValueTooLarge() { return "value data larger than " + std::to_string(kMaxImportValueSize) + " bytes"; }

// "01,ab,2" and so on; blanks around bytes and one trailing comma allowed.
std::string ParseHexBytes(std::string_view list, std::size_t line) {
    std::string bytes;
    list = TrimRight(TrimLeft(list));
    for (std::size_t start = 0; !list.empty();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string_view item = TrimRight(TrimLeft(list.substr(start, end - start)));
        if (item.empty() && end == list.size() && start > 0) break;
        std::uint32_t byte = 0;
        if (!ParseHexNumber(item, 2, byte)) {
            Refuse(line, "invalid byte \"" + std::string(item) + "\" in hex data");
        }
        if (bytes.size() == kMaxImportValueSize) Refuse(line, ValueTooLarge());
        bytes += static_cast<char>(byte);
        if (end == list.size()) break;
        start = end + 1;
    }
    return bytes;
}

// UTF-16LE text data as the ANSI bytes that the A functions would return:
// they convert whole characters only, so a stray odd byte, which real hives
// do hold, is dropped as they drop it.
std::string Utf16LeBytesToAnsi(const std::string& bytes) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text +=
            static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return platform::Utf16ToAnsi(text);
}

class Parser {
public:
    Parser(std::string_view bytes, std::vector<RegOperation>& operations)
        : lines_(bytes, kMaxLineLength), operations_(operations) {}

    void Run() {
        const std::string_view header = NextLine() ? TrimRight(TrimLeft(lines_.Line())) : std::string_view();
        if (header == kHeaderUnicode) {
            unicode_ = true;
        } else if (header != kHeaderAnsi) {
            Refuse(1, "not a registry file: the first line must be \"" + std::string(kHeaderUnicode) + "\" or \"" +
                          std::string(kHeaderAnsi) + "\"");
        }
        while (NextLine()) {
            const std::string_view text = TrimLeft(lines_.Line());
            if (text.empty() || text.front() == ';') continue;
            if (text.front() == '[') {
                ParseKeyLine(text.substr(1));
            } else if (text.front() == '"' || text.front() == '@') {
                ParseValueLine(text);
            } else {
                Refuse(LineNumber(), "expected a [key] line, a value line or a comment");
            }
        }
    }

private:
    std::size_t LineNumber() const { return lines_.Number(); }

    // False at the end of the file; text that is not valid is refused.
    bool NextLine() {
        if (lines_.Next()) return true;
        if (!lines_.Fault().empty()) Refuse(lines_.Number(), lines_.Fault());
        return false;
    }

    RegOperation& Add(RegOperation::Kind kind, std::size_t line) {
        RegOperation& operation = operations_.emplace_back();
        operation.kind = kind;
        operation.line = static_cast<int>(line);
        operation.key = key_;
        return operation;
    }

    void ParseKeyLine(std::string_view text) {
        const std::size_t close = text.rfind(']');
        if (close == std::string_view::npos) Refuse(LineNumber(), "missing ']' at the end of the key line");
        if (!TrimLeft(text.substr(close + 1)).empty()) {
            Refuse(LineNumber(), "unexpected text after the key line's ']'");
        }
        std::string_view name = text.substr(0, close);
        keyDeleted_ = !name.empty() && name.front() == '-';
        if (keyDeleted_) name.remove_prefix(1);
        const std::string fault = ParseKeyName(name, key_);
        if (!fault.empty()) Refuse(LineNumber(), fault);
        if (keyDeleted_ && key_.path.empty()) Refuse(LineNumber(), "a root key cannot be deleted");
        haveKey_ = true;
        Add(keyDeleted_ ? RegOperation::Kind::kDeleteKeyTree : RegOperation::Kind::kCreateKey, LineNumber());
    }

    void ParseValueLine(std::string_view text) {
        const std::size_t line = LineNumber();
        if (!haveKey_) Refuse(line, "a value line before any [key] line");
        if (keyDeleted_) Refuse(line, "a value line under a key that the file deletes");

        const bool isDefault = text.front() == '@';
        text.remove_prefix(1);
        std::string name;
        if (!isDefault) {
            name =
                ReadQuoted(text, line, platform::kMaxValueNameLength,
                           "value name longer than " + std::to_string(platform::kMaxValueNameLength) + " characters");
        }
        text = TrimLeft(text);
        if (text.empty() || text.front() != '=') Refuse(line, "missing '=' after the value name");
        text = TrimLeft(text.substr(1));

        if (!text.empty() && text.front() == '-') {
            ExpectLineEnd(text.substr(1), line);
            Add(RegOperation::Kind::kDeleteValue, line).valueName = std::move(name);
            return;
        }
        RegOperation& operation = Add(RegOperation::Kind::kSetValue, line);
        operation.valueName = std::move(name);
        ParseData(text, operation);
    }

    void ParseData(std::string_view text, RegOperation& value) {
        const std::size_t line = LineNumber();
        if (!text.empty() && text.front() == '"') {
            text.remove_prefix(1);
            value.type = platform::kRegSz;
            value.data = ReadQuoted(text, line, kMaxImportValueSize - 1, ValueTooLarge()) + '\0';
            ExpectLineEnd(text, line);
        } else if (ConsumeTag(text, "dword:")) {
            std::uint32_t number = 0;
            if (!ParseHexNumber(TrimRight(WithoutComment(text)), 8, number)) {
                Refuse(line, "dword data must be 1 to 8 hex digits");
            }
            value.type = platform::kRegDword;
            for (int shift = 0; shift < 32; shift += 8) value.data += static_cast<char>(number >> shift);
        } else if (ConsumeTag(text, "hex:")) {
            value.type = platform::kRegBinary;
            value.data = ParseHexBytes(GatherHexText(text), line);
        } else if (ConsumeTag(text, "hex(")) {
            const std::size_t close = text.find("):");
            if (close == std::string_view::npos || !ParseHexNumber(text.substr(0, close), 8, value.type)) {
                Refuse(line, "a hex(n): type must be 1 to 8 hex digits");
            }
            value.data = ParseHexBytes(GatherHexText(text.substr(close + 2)), line);
            const bool textType = value.type == platform::kRegSz || value.type == platform::kRegExpandSz ||
                                  value.type == platform::kRegMultiSz;
            if (unicode_ && textType) value.data = Utf16LeBytesToAnsi(value.data);
        } else {
            Refuse(line, "unknown value data (expected \"text\", dword:, hex: or hex(n):)");
        }
    }

    // The hex list of this line and of the lines that a trailing '\' joins
    // to it; a ';' starts a comment on each of them.
    std::string GatherHexText(std::string_view text) {
        std::string joined;
        for (;;) {
            text = TrimRight(WithoutComment(text));
            if (text.empty() || text.back() != '\\') return joined + std::string(text);
            text.remove_suffix(1);
            joined += text;
            if (joined.size() > kMaxLineLength) Refuse(LineNumber(), ValueTooLarge());
            const std::size_t line = LineNumber();
            if (!NextLine()) Refuse(line, "hex data continues past the end of the file");
            text = TrimLeft(lines_.Line());
        }
    }

    RegFileLines lines_;
    std::vector<RegOperation>& operations_;
    bool unicode_ = false;
    bool haveKey_ = false;
    bool keyDeleted_ = false;
    KeyName key_;
};

}  // namespace

std::string ParseRegFile(std::string_view bytes, std::vector<RegOperation>& operations) {
    operations.clear();
    try {
        Parser(bytes, operations).Run();
    } catch (const Refusal& refusal) {
        operations.clear();
        return "line " + std::to_string(refusal.line) + ": " + refusal.what;
    }
    return "";
}

}  // namespace registry
