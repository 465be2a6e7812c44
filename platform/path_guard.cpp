#include "platform/path_guard.h"

#include <vector>

#include "platform/file_names.h"

namespace platform {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

struct SplitPath {
    bool unc = false;
    std::vector<std::string_view> parts;  // a drive ("C:") stays first
};

SplitPath Split(std::string_view path) {
    SplitPath split;
    split.unc = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    const bool drive = path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == ".") {
            // nothing to add
        } else if (part == "..") {
            // A drive is its own parent.
            if (split.parts.size() > (drive ? 1u : 0u)) split.parts.pop_back();
        } else {
            split.parts.push_back(part);
        }
        start = end + 1;
    }
    return split;
}

// True when every component of outer starts inner: the same place or one
// of its ancestors.
bool Contains(const SplitPath& outer, const SplitPath& inner) {
    if (outer.unc != inner.unc || outer.parts.size() > inner.parts.size()) return false;
    for (std::size_t i = 0; i < outer.parts.size(); ++i) {
        if (!platform::FileNamesEqual(outer.parts[i], inner.parts[i])) return false;
    }
    return true;
}

// Win32 reads a path only up to a NUL, drops a component's final dots and
// spaces ("C:\WINDOWS." is the Windows directory), takes ':' past the drive
// for a stream name and "\\?\" or "\\.\" for the device namespace, and
// the shell's delete expands wildcards. A path that leans on any of these,
// or on "." and ".." components, names something other than what it spells
// (the device prefixes fall to their '?' and their "." component).
bool SpellsItsTarget(std::string_view path) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c < 0x20 || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|') return false;
        if (c == ':' && i != 1) return false;
        const bool endOfPart = i + 1 == path.size() || IsSeparator(path[i + 1]);
        if (endOfPart && (c == '.' || c == ' ')) return false;
    }
    return true;
}

}  // namespace

bool SamePath(std::string_view a, std::string_view b) {
    const SplitPath left = Split(a);
    const SplitPath right = Split(b);
    return left.parts.size() == right.parts.size() && Contains(left, right);
}

bool IsProtectedPath(std::string_view path, std::string_view windowsDirectory) {
    if (path.size() < 6) return true;
    const bool driveRooted = IsDriveLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]);
    const bool unc = IsSeparator(path[0]) && IsSeparator(path[1]);
    if (!driveRooted && !unc) return true;
    if (!SpellsItsTarget(path)) return true;
    // ".." can climb back to a drive or share root, or to a folder that
    // holds the Windows directory: deleting either takes Windows with it.
    const SplitPath target = Split(path);
    if (target.parts.size() <= (unc ? 2u : 1u)) return true;
    return !windowsDirectory.empty() && Contains(target, Split(windowsDirectory));
}

}  // namespace platform
