#include "registry/reg_export.h"

#include <cstdio>
#include <vector>

#include "platform/ansi_codepage.h"
#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/win32_error_text.h"

namespace registry {
namespace {

using platform::HKey;

// regedit's wrapping: after a byte's comma, a line that has reached 77
// characters goes on after a '\' on the next, indented by two.
constexpr std::size_t kHexLineWidth = 77;
constexpr std::string_view kHexContinuation = "\\\n  ";

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '"') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// The "text" form gives back exactly data: one terminating NUL, no other,
// and no line break.
bool FitsStringForm(std::uint32_t type, std::string_view data) {
    if (type != platform::kRegSz || data.empty() || data.back() != '\0') return false;
    const std::string_view text = data.substr(0, data.size() - 1);
    return text.find('\0') == std::string_view::npos && !HasLineBreak(text);
}

bool IsTextType(std::uint32_t type) {
    return type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegMultiSz;
}

std::string Utf16LeBytes(std::string_view ansi) {
    std::string bytes;
    for (char16_t unit : platform::AnsiToUtf16(ansi)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

void AppendHex(std::string& text, std::size_t linePosition, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
        if (i + 1 == bytes.size()) break;
        text += ',';
        linePosition += 3;
        if (linePosition >= kHexLineWidth) {
            text += kHexContinuation;
            linePosition = 2;
        }
    }
}

std::string HexTypeTag(std::uint32_t type) {
    if (type == platform::kRegBinary) return "hex:";
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string number;
    do {
        number.insert(number.begin(), kDigits[type & 0x0F]);
        type >>= 4;
    } while (type != 0);
    return "hex(" + number + "):";
}

class TreeWriter {
public:
    explicit TreeWriter(std::string& text) : text_(text) {}

    // Writes key and everything below it, depth first. A stack of open keys
    // instead of recursion: a tree may nest hundreds of levels deep.
    std::string Write(HKey key, const std::string& fullName) {
        struct Level {
            HKey key = 0;
            std::string fullName;
            std::vector<std::string> subKeys;
            std::size_t next = 0;
        };
        std::vector<Level> levels;
        auto enter = [this, &levels](HKey handle, const std::string& name) {
            levels.push_back(Level{handle, name, {}, 0});
            if (HasLineBreak(name)) return "cannot export key " + name + ": its name holds a line break";
            text_ += "[" + name + "]\n";
            std::string fault = WriteValues(handle, name);
            if (!fault.empty()) return fault;
            text_ += "\n";
            const long status = ListSubKeys(handle, levels.back().subKeys);
            return status == platform::kErrorSuccess ? std::string() : CannotRead(name, status);
        };
        std::string fault = enter(key, fullName);
        while (fault.empty() && !levels.empty()) {
            Level& top = levels.back();
            if (top.next == top.subKeys.size()) {
                if (levels.size() > 1) platform::RegCloseKey(top.key);
                levels.pop_back();
                continue;
            }
            const std::string childName = top.fullName + "\\" + top.subKeys[top.next++];
            HKey child = 0;
            const long status = platform::RegOpenKey(top.key, top.subKeys[top.next - 1], platform::kKeyRead, &child);
            fault = status == platform::kErrorSuccess ? enter(child, childName) : CannotRead(childName, status);
        }
        // The caller closes key itself.
        for (std::size_t i = 1; i < levels.size(); ++i) platform::RegCloseKey(levels[i].key);
        return fault;
    }

private:
    static std::string CannotRead(const std::string& fullName, long status) {
        return "cannot read key " + fullName + ": " + Win32ErrorText(status);
    }

    std::string WriteValues(HKey key, const std::string& fullName) {
        std::vector<ValueEntry> values;
        const long status = ListValues(key, values);
        if (status != platform::kErrorSuccess) return CannotRead(fullName, status);
        for (const ValueEntry& value : values) {
            if (!AppendRegValueLines(text_, value.name, value.type, value.data)) {
                return "cannot export value \"" + value.name + "\" of " + fullName + ": its name holds a line break";
            }
        }
        return "";
    }

    std::string& text_;
};

}  // namespace

void AppendRegFileHeader(std::string& text) { text += "Windows Registry Editor Version 5.00\n\n"; }

std::string ExportKey(const KeyName& key, std::string& text) {
    const std::string fullName = FullKeyName(key);
    HKey handle = 0;
    const long status = platform::RegOpenKey(key.root, key.path, platform::kKeyRead, &handle);
    if (status != platform::kErrorSuccess) return "cannot open key " + fullName + ": " + Win32ErrorText(status);
    std::string fault = TreeWriter(text).Write(handle, fullName);
    platform::RegCloseKey(handle);
    return fault;
}

std::string ExportRegistry(std::string& text) {
    for (HKey root : {platform::kHkeyLocalMachine, platform::kHkeyUsers}) {
        std::string fault = ExportKey(KeyName{root, ""}, text);
        if (!fault.empty()) return fault;
    }
    return "";
}

bool AppendRegValueLines(std::string& text, std::string_view name, std::uint32_t type, std::string_view data) {
    if (HasLineBreak(name)) return false;
    std::string line = name.empty() ? "@=" : "\"" + Escaped(name) + "\"=";
    if (FitsStringForm(type, data)) {
        text += line + "\"" + Escaped(data.substr(0, data.size() - 1)) + "\"\n";
    } else if (type == platform::kRegDword && data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) number = number << 8 | static_cast<unsigned char>(data[i]);
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", number);
        text += line + "dword:" + digits + "\n";
    } else {
        line += HexTypeTag(type);
        text += line;
        AppendHex(text, line.size(), IsTextType(type) ? Utf16LeBytes(data) : std::string(data));
        text += "\n";
    }
    return true;
}

std::string EncodeRegFileUtf16(std::string_view ansiText) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : platform::AnsiToUtf16(ansiText)) {
        if (unit == u'\n') bytes += std::string_view("\r\0", 2);
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace registry
