// File attributes on the emulated machine, derived as Wine and Samba derive
// them from a host file:
//   directory  - a host directory;
//   archive    - every other file (Windows sets it on each new or changed
//                file, so a plain file shows it; NORMAL is therefore never
//                reported);
//   read-only  - the owner has no write permission;
//   hidden     - the name starts with "." (but is not "." or ".."), or the
//                stored DOS attribute has it;
//   system     - only from the stored DOS attribute.
// The stored DOS attribute is the extended attribute user.DOSATTRIB, which
// Samba and Wine keep, in the forms that ParseDosAttribute reads; only its
// hidden and system bits are taken, as Wine does.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/emulated/attributes_at.h"
#include "platform/emulated/dos_attribute.h"
#include "platform/emulated/drive_walk.h"
#include "platform/emulated/paths.h"
#include "platform/registry_api.h"

namespace platform {

namespace {

constexpr std::uint32_t kStoredAttributeMask = kFileAttributeHidden | kFileAttributeSystem;

std::uint32_t LittleEndian(const unsigned char* bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = count; i > 0; --i) value = (value << 8) | bytes[i - 1];
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "0x" and at least one hex digit, up to the end; nothing otherwise.
std::optional<std::uint32_t> ParseHexText(std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text.substr(2)) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::uint32_t StoredDosAttribute(const std::string& hostPath) {
    std::array<unsigned char, 256> data{};
    const ssize_t size = getxattr(hostPath.c_str(), emulated::kDosAttributeXattr, data.data(), data.size());
    if (size <= 0) return 0;
    return emulated::ParseDosAttribute(data.data(), static_cast<std::size_t>(size)) & kStoredAttributeMask;
}

bool IsDotName(std::string_view name) { return !name.empty() && name[0] == '.' && name != "." && name != ".."; }

// info: the entry's status (its target's, for a link that leads somewhere);
// xattrPath: a path to it for reading its stored DOS attribute.
std::uint32_t Attributes(const struct stat& info, std::string_view name, const std::string& xattrPath) {
    std::uint32_t attributes = S_ISDIR(info.st_mode) ? kFileAttributeDirectory : kFileAttributeArchive;
    if ((info.st_mode & S_IWUSR) == 0) attributes |= kFileAttributeReadOnly;
    if (IsDotName(name)) attributes |= kFileAttributeHidden;
    return attributes | StoredDosAttribute(xattrPath);
}

}  // namespace

namespace emulated {

std::uint32_t ParseDosAttribute(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    const auto* terminator = static_cast<const unsigned char*>(std::memchr(data, 0, size));
    const std::size_t textLength = terminator != nullptr ? static_cast<std::size_t>(terminator - data) : size;
    const std::string_view text(reinterpret_cast<const char*>(data), textLength);
    if (std::optional<std::uint32_t> value = ParseHexText(text)) return *value;
    if (terminator == nullptr) return 0;

    std::size_t offset = (textLength + 1 + 1) & ~std::size_t{1};
    if (offset + 4 > size) return 0;
    const std::uint32_t version = LittleEndian(data + offset, 2);
    const std::uint32_t level = LittleEndian(data + offset + 2, 2);
    if (version != level) return 0;
    offset = (offset + 4 + 3) & ~std::size_t{3};
    std::size_t attributeOffset;
    switch (version) {
        case 1:
        case 0xFFFF:
            attributeOffset = offset;
            break;
        case 2:
        case 3:
        case 4:
        case 5:
            attributeOffset = offset + 4;
            break;
        default:
            return 0;
    }
    if (attributeOffset + 4 > size) return 0;
    return LittleEndian(data + attributeOffset, 4);
}

}  // namespace emulated

std::optional<std::uint32_t> GetFileAttributes(const std::string& path) {
    const std::filesystem::path host = emulated::ToHostPath(path);
    const std::string hostText = host.string();
    struct stat info;
    // A dangling symbolic link is still an entry of its folder: it reads as
    // a file of its own.
    if (stat(hostText.c_str(), &info) != 0 && lstat(hostText.c_str(), &info) != 0) {
        // A path longer than the host takes is reached as the deletions
        // reach it, one folder at a time.
        if (errno != ENAMETOOLONG) return std::nullopt;
        emulated::WalkEnd entry;
        if (emulated::WalkToEntry(path, entry) != kErrorSuccess) return std::nullopt;
        return emulated::AttributesAt(entry.folder.Get(), entry.name);
    }
    return Attributes(info, host.filename().string(), hostText);
}

namespace emulated {

std::optional<std::uint32_t> AttributesAt(int folderFd, const std::string& name) {
    struct stat info;
    if (fstatat(folderFd, name.c_str(), &info, 0) != 0 &&
        fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    // Extended attributes are read by path: the folder's descriptor in
    // /proc names the very folder that was opened.
    return Attributes(info, name, "/proc/self/fd/" + std::to_string(folderFd) + "/" + name);
}

}  // namespace emulated

}  // namespace platform
