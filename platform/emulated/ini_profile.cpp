// The INI profile functions on the emulated machine, with the behaviour of
// Windows' ANSI forms as Windows and Wine's conformance tests show it.
//
// Reading: a line is a section header ("[name]", the name being what stands
// between the "[" and the last "]"), an entry ("name=value", or a bare
// "name"), a comment (an entry whose name starts with ";") or blank. Lines
// end with CR LF, LF or CR. Names and values are trimmed of spaces, tabs and
// the other blanks Windows skips; names compare without regard to case (in
// Windows-1252). Of two sections of one name only the first is read, and of
// two entries of one name in it only the first. Lines before the first
// section belong to no section. The text is bytes: no code-page conversion,
// and no byte-order mark is recognised (as on Windows, a UTF-8 mark spoils
// the first line).
//
// Writing edits the file's bytes in place: a changed entry's line is
// rewritten as "name=value", a new entry goes after the last entry of its
// section, a new section is appended as "[section]" and its entry, new lines
// end with CR LF, and every other byte stays as it was. The new text is
// written to a temporary file beside the old one, which then replaces it, so
// a crash leaves either the old or the new file; writers in one folder take
// turns through a lock on the folder.
#include "platform/ini_profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ansi_case.h"
#include "platform/emulated/dos_attribute.h"
#include "platform/emulated/installation.h"
#include "platform/emulated/paths.h"
#include "platform/system_info.h"

namespace platform {

namespace {

// ---------------------------------------------------------------- parsing

bool IsProfileBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

enum class LineKind { Blank, Section, Entry };

struct Line {
    std::size_t begin = 0;       // offset of the first byte
    std::size_t contentEnd = 0;  // offset of the line break
    std::size_t end = 0;         // offset after the line break
    LineKind kind = LineKind::Blank;
    std::string_view name;   // the section's or the entry's, trimmed
    std::string_view value;  // the entry's text after "=", trimmed
    bool hasValue = false;   // the entry has an "="

    bool IsComment() const { return kind == LineKind::Entry && !name.empty() && name.front() == ';'; }
    bool IsListedEntry() const { return kind == LineKind::Entry && !IsComment(); }
};

struct Section {
    std::string_view name;
    std::size_t header = 0;   // index of the header line
    std::size_t bodyEnd = 0;  // index after the last line of the section
};

// A profile's lines and sections; views into the text, which must outlive it.
struct Document {
    std::vector<Line> lines;
    std::vector<Section> sections;
};

void Classify(std::string_view content, Line& line) {
    const std::string_view text = Trim(content);
    if (text.empty()) return;
    if (text.front() == '[') {
        const std::size_t close = text.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = LineKind::Section;
            line.name = Trim(text.substr(1, close - 1));
            return;
        }
    }
    line.kind = LineKind::Entry;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        line.name = text;
        return;
    }
    line.name = TrimRight(text.substr(0, equals));
    line.value = TrimLeft(text.substr(equals + 1));
    line.hasValue = true;
}

// CR LF, CR, LF or the end of the text.
std::size_t LineBreakLength(std::string_view rest) {
    if (rest.starts_with("\r\n")) return 2;
    return rest.empty() ? 0 : 1;
}

Document Parse(std::string_view text) {
    Document document;
    std::size_t position = 0;
    while (position < text.size()) {
        Line line;
        line.begin = position;
        line.contentEnd = std::min(text.find_first_of("\r\n", position), text.size());
        line.end = line.contentEnd + LineBreakLength(text.substr(line.contentEnd));
        Classify(text.substr(line.begin, line.contentEnd - line.begin), line);
        position = line.end;

        if (line.kind == LineKind::Section) {
            if (!document.sections.empty()) document.sections.back().bodyEnd = document.lines.size();
            document.sections.push_back({line.name, document.lines.size(), 0});
        }
        document.lines.push_back(line);
    }
    if (!document.sections.empty()) document.sections.back().bodyEnd = document.lines.size();
    return document;
}

const Section* FindSection(const Document& document, std::string_view name) {
    name = Trim(name);
    for (const Section& section : document.sections)
        if (EqualsIgnoringCase(section.name, name)) return &section;
    return nullptr;
}

const Line* FindEntry(const Document& document, const Section& section, std::string_view key) {
    key = Trim(key);
    for (std::size_t i = section.header + 1; i < section.bodyEnd; ++i) {
        const Line& line = document.lines[i];
        if (line.kind == LineKind::Entry && EqualsIgnoringCase(line.name, key)) return &line;
    }
    return nullptr;
}

// ---------------------------------------------------------------- files

std::filesystem::path HostFileOf(const std::string& fileName) {
    // A bare file name lives in the Windows directory, as on Windows.
    const bool bare =
        fileName.find_first_of("\\/") == std::string::npos && !(fileName.size() >= 2 && fileName[1] == ':');
    return emulated::ToHostPath(bare ? WindowsDirectory() + "\\" + fileName : fileName);
}

enum class ReadResult { Read, Missing, Failed };

ReadResult ReadWholeFile(const std::filesystem::path& path, std::string& text) {
    text.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    std::array<char, 8192> chunk;
    ReadResult result = ReadResult::Read;
    for (;;) {
        const ssize_t count = read(fd, chunk.data(), chunk.size());
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            result = ReadResult::Failed;
            break;
        }
        text.append(chunk.data(), static_cast<std::size_t>(count));
    }
    close(fd);
    return result;
}

// The profile's text; a file that is missing or cannot be read reads as
// empty, so that every reader returns its default.
std::string ReadProfile(const std::string& fileName) {
    std::string text;
    if (fileName.empty() || ReadWholeFile(HostFileOf(fileName), text) != ReadResult::Read) text.clear();
    return text;
}

// The folder of a profile, locked while the object lives so that writers
// take turns (unguarded if the folder cannot be opened or locked).
class LockedFolder {
public:
    explicit LockedFolder(const std::filesystem::path& folder)
        : fd_(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0)
            while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~LockedFolder() {
        if (fd_ >= 0) close(fd_);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    // Makes a rename in the folder durable.
    void Sync() const {
        if (fd_ >= 0) fsync(fd_);
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// A hidden name beside target; a stale one from an earlier process is
// skipped by the exclusive create.
std::string TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::string name =
        "." + target.filename().string() + "." + std::to_string(getpid()) + "-" + std::to_string(counter++);
    return (target.parent_path() / name).string();
}

// Replaces target's content with text through a temporary file in the same
// folder, keeping the mode (and stored DOS attributes) of an existing file.
// A read-only file is refused, as Windows refuses to open it for writing.
bool ReplaceFileContent(const std::filesystem::path& target, std::string_view text, const LockedFolder& folder) {
    struct stat info;
    const bool exists = stat(target.c_str(), &info) == 0;
    if (exists && (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0)) return false;

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = TemporaryName(target);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = true;
    if (exists) {
        ok = fchmod(fd, info.st_mode & 07777) == 0;
        std::array<char, 256> stored;
        const ssize_t size = getxattr(target.c_str(), emulated::kDosAttributeXattr, stored.data(), stored.size());
        if (ok && size > 0)
            fsetxattr(fd, emulated::kDosAttributeXattr, stored.data(), static_cast<std::size_t>(size), 0);
    }
    ok = ok && WriteAll(fd, text) && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    folder.Sync();
    return true;
}

// ---------------------------------------------------------------- results

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view StripQuotes(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        return text.substr(1, text.size() - 2);
    return text;
}

// One string cut to the buffer and NUL-terminated; size must be at least 1.
std::uint32_t CopyString(std::string_view text, char* buffer, std::uint32_t size) {
    text = UpToNul(text);
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<std::uint32_t>(count);
}

// Strings each ended by a NUL, then a final NUL; size must be at least 1.
// When they and the final NUL do not fit in size - 1 characters, as many
// characters as fit in size - 1 are copied, the last string cut short and
// NUL-terminated, a final NUL follows and size - 2 is returned, as Windows
// does (an exact fit counts as too small there as well).
template <typename Strings>
std::uint32_t CopyList(const Strings& strings, char* buffer, std::uint32_t size) {
    std::size_t total = 0;
    for (const auto& text : strings) total += UpToNul(text).size() + 1;
    if (total + 2 <= size) {
        std::size_t position = 0;
        for (const auto& text : strings) {
            const std::string_view item = UpToNul(text);
            std::memcpy(buffer + position, item.data(), item.size());
            position += item.size();
            buffer[position++] = '\0';
        }
        buffer[position] = '\0';
        return static_cast<std::uint32_t>(total);
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    const std::size_t room = size - 1;
    std::size_t position = 0;
    for (const auto& text : strings) {
        const std::string_view item = UpToNul(text);
        const std::size_t count = std::min(item.size(), room - position - 1);
        std::memcpy(buffer + position, item.data(), count);
        position += count;
        buffer[position++] = '\0';
        if (position == room) break;
    }
    buffer[room] = '\0';
    return size - 2;
}

std::vector<std::string_view> SectionNames(const Document& document) {
    std::vector<std::string_view> names;
    for (const Section& section : document.sections)
        if (!section.name.empty()) names.push_back(section.name);
    return names;
}

// The names of the entries that have a value, comments left out.
std::vector<std::string_view> EntryNames(const Document& document, const Section& section) {
    std::vector<std::string_view> names;
    for (std::size_t i = section.header + 1; i < section.bodyEnd; ++i) {
        const Line& line = document.lines[i];
        if (line.IsListedEntry() && line.hasValue && !line.name.empty()) names.push_back(line.name);
    }
    return names;
}

// ---------------------------------------------------------------- editing

// Inserts a CR LF-ended line after line (giving that line a break first if
// it ends the file without one).
void InsertLineAfter(std::string& text, const Line& line, std::string_view newLine) {
    std::string insertion;
    if (line.end == line.contentEnd) insertion += "\r\n";
    insertion += newLine;
    insertion += "\r\n";
    text.insert(line.end, insertion);
}

void DeleteSection(std::string& text, std::string_view sectionName) {
    const Document document = Parse(text);
    const Section* section = FindSection(document, sectionName);
    if (section == nullptr) return;
    const std::size_t begin = document.lines[section->header].begin;
    const std::size_t end = document.lines[section->bodyEnd - 1].end;
    text.erase(begin, end - begin);
}

void DeleteEntry(std::string& text, std::string_view sectionName, std::string_view key) {
    const Document document = Parse(text);
    sectionName = Trim(sectionName);
    // The first entry of that name in any section of that name, as Windows.
    for (const Section& section : document.sections) {
        if (!EqualsIgnoringCase(section.name, sectionName)) continue;
        if (const Line* entry = FindEntry(document, section, key)) {
            text.erase(entry->begin, entry->end - entry->begin);
            return;
        }
    }
}

void SetEntry(std::string& text, std::string_view sectionName, std::string_view key, std::string_view value) {
    value = TrimLeft(value);
    const Document document = Parse(text);
    const Section* section = FindSection(document, sectionName);
    if (section == nullptr) {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
        text.append("[").append(sectionName).append("]\r\n");
        text.append(key).append("=").append(value).append("\r\n");
        return;
    }
    if (const Line* entry = FindEntry(document, *section, key)) {
        if (entry->hasValue && entry->value == value) return;
        std::string line = std::string(entry->name) + "=" + std::string(value);
        text.replace(entry->begin, entry->contentEnd - entry->begin, line);
        return;
    }
    const Line* after = &document.lines[section->header];
    for (std::size_t i = section->header + 1; i < section->bodyEnd; ++i)
        if (document.lines[i].IsListedEntry()) after = &document.lines[i];
    InsertLineAfter(text, *after, std::string(key) + "=" + std::string(value));
}

}  // namespace

std::uint32_t GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                      std::uint32_t size, const std::string& fileName) {
    if (buffer == nullptr || size == 0) return 0;
    const std::string text = ReadProfile(fileName);
    const Document document = Parse(text);
    if (section == nullptr) return CopyList(SectionNames(document), buffer, size);

    // The default loses its trailing spaces (only spaces) and, like a value,
    // one pair of enclosing quotes.
    std::string_view fallback = defaultValue != nullptr ? defaultValue : "";
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    fallback = StripQuotes(fallback);

    const Section* found = FindSection(document, section);
    if (key == nullptr) {
        if (found != nullptr) {
            const std::vector<std::string_view> names = EntryNames(document, *found);
            if (!names.empty()) return CopyList(names, buffer, size);
        }
        return CopyString(fallback, buffer, size);
    }
    const Line* entry = found != nullptr ? FindEntry(document, *found, key) : nullptr;
    return CopyString(entry != nullptr && entry->hasValue ? StripQuotes(entry->value) : fallback, buffer, size);
}

std::uint32_t GetPrivateProfileInt(const char* section, const char* key, int defaultValue,
                                   const std::string& fileName) {
    char buffer[64];
    if (GetPrivateProfileString(section, key, "", buffer, sizeof buffer, fileName) == 0)
        return static_cast<std::uint32_t>(defaultValue);
    // An optional sign and decimal digits, modulo 2^32 as Windows computes.
    const char* p = buffer;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    std::uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) value = value * 10 + static_cast<std::uint32_t>(*p - '0');
    return negative ? 0u - value : value;
}

std::uint32_t GetPrivateProfileSection(const char* section, char* buffer, std::uint32_t size,
                                       const std::string& fileName) {
    if (section == nullptr || buffer == nullptr || size == 0) return 0;
    const std::string text = ReadProfile(fileName);
    const Document document = Parse(text);
    const Section* found = FindSection(document, section);
    if (found == nullptr) {
        buffer[0] = '\0';
        if (size >= 2) buffer[1] = '\0';
        return 0;
    }
    std::vector<std::string> lines;
    for (std::size_t i = found->header + 1; i < found->bodyEnd; ++i) {
        const Line& line = document.lines[i];
        if (!line.IsListedEntry()) continue;
        std::string item(line.name);
        if (line.hasValue) item.append("=").append(line.value);
        lines.push_back(std::move(item));
    }
    return CopyList(lines, buffer, size);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const std::string& fileName) {
    if (section == nullptr || fileName.empty() || emulated::WriteRefusal() != 0) return false;
    std::filesystem::path target = HostFileOf(fileName);
    // Write through a symbolic link rather than over it.
    if (struct stat info; lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        std::error_code error;
        target = std::filesystem::canonical(target, error);
        if (error) return false;
    }

    const LockedFolder folder(target.parent_path());
    std::string text;
    const ReadResult read = ReadWholeFile(target, text);
    if (read == ReadResult::Failed) return false;  // never overwrite what could not be read

    std::string updated = text;
    if (key == nullptr) {
        DeleteSection(updated, section);
    } else if (value == nullptr) {
        DeleteEntry(updated, section, key);
    } else {
        SetEntry(updated, section, key, value);
    }
    // Windows creates the file even when there was nothing to delete.
    if (read == ReadResult::Read && updated == text) return true;
    return ReplaceFileContent(target, updated, folder);
}

}  // namespace platform
