// Drive mapping of the emulated machine. Windows paths are ANSI bytes and
// host file names are taken byte for byte (no code-page conversion), so any
// host name round-trips through ToWindowsPath and ToHostPath.
#include "platform/emulated/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/ansi_case.h"
#include "platform/emulated/installation.h"
#include "platform/emulated/prefix.h"
#include "platform/emulated/stand_in_name.h"
#include "platform/file_names.h"

namespace platform::emulated {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

bool Exists(const std::string& hostPath) {
    struct stat info;
    return lstat(hostPath.empty() ? "." : hostPath.c_str(), &info) == 0;
}

// hostDir joined with name; an empty hostDir is the working directory.
std::string Join(const std::string& hostDir, std::string_view name) {
    std::string joined = hostDir;
    if (!joined.empty() && joined.back() != '/') joined += '/';
    joined += name;
    return joined;
}

// The entry of hostDir whose name equals name without regard to case.
std::optional<std::string> FindIgnoringCase(const std::string& hostDir, std::string_view name) {
    const int folder = open(hostDir.empty() ? "." : hostDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return std::nullopt;
    std::optional<std::string> found = EntryIgnoringCase(folder, name);
    close(folder);
    return found;
}

// root followed by the components, each existing one spelt as on disk.
std::string Resolve(const std::string& root, const std::vector<std::string_view>& components) {
    std::string exact = root;
    for (std::string_view component : components) exact = Join(exact, component);
    // The common case: the path exists as spelt, and an exact match is
    // preferred anyway.
    if (components.empty() || Exists(exact)) return exact;

    std::string resolved = root;
    bool parentExists = true;
    for (std::string_view component : components) {
        if (parentExists) {
            std::string candidate = Join(resolved, component);
            if (Exists(candidate)) {
                resolved = std::move(candidate);
                continue;
            }
            if (std::optional<std::string> match = FindIgnoringCase(resolved, component)) {
                resolved = Join(resolved, *match);
                continue;
            }
            parentExists = false;
        }
        resolved = Join(resolved, component);
    }
    return resolved;
}

// The components of rest, "." dropped and ".." taking the one before; in
// an absolute path the root is its own parent.
std::vector<std::string_view> Components(std::string_view rest, bool absolute) {
    std::vector<std::string_view> components;
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end])) ++end;
        const std::string_view component = rest.substr(start, end - start);
        if (component.empty() || component == ".") {
            // nothing to add
        } else if (component == ".." && absolute) {
            if (!components.empty()) components.pop_back();
        } else if (component == ".." && !components.empty() && components.back() != "..") {
            components.pop_back();
        } else {
            components.push_back(component);
        }
        start = end + 1;
    }
    return components;
}

std::string DriveRoot(char letter) { return DriveFolder(letter).string(); }

// The drive of the working directory: Z: unless it lies in a drive folder.
char CurrentDrive() {
    std::error_code error;
    const std::filesystem::path cwd = std::filesystem::current_path(error);
    if (error) return 'Z';
    return ToWindowsPath(cwd)[0];
}

std::string ToBackslashes(std::string_view hostRest) {
    std::string text(hostRest);
    for (char& c : text)
        if (c == '/') c = '\\';
    return text;
}

std::filesystem::path AbsoluteNormal(const std::filesystem::path& path) {
    std::filesystem::path absolute = path;
    if (!absolute.is_absolute()) {
        std::error_code error;
        absolute = std::filesystem::current_path(error) / absolute;
    }
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace

std::filesystem::path DriveFolder(char letter) {
    letter = LowerAscii(letter);
    if (letter == 'z') return "/";
    // An installation's system drive is the folder it is mounted on; its
    // other letters, like UNC paths, lie below a prefix that names nothing.
    if (const Installation* installation = CurrentInstallation();
        installation != nullptr && letter == installation->systemDriveLetter && !installation->systemDrive.empty())
        return installation->systemDrive;
    return CurrentPrefix() / (std::string("drive_") + letter);
}

std::filesystem::path PrefixHome() {
    std::filesystem::path home;
    if (const char* nimbrelHome = NonEmptyEnv("NIMBREL_HOME")) {
        home = nimbrelHome;
    } else if (const char* dataHome = NonEmptyEnv("XDG_DATA_HOME"); dataHome != nullptr && dataHome[0] == '/') {
        home = std::filesystem::path(dataHome) / "nimbrel";
    } else {
        std::filesystem::path userHome;
        if (const char* homeVariable = NonEmptyEnv("HOME")) {
            userHome = homeVariable;
        } else if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_dir != nullptr) {
            userHome = entry->pw_dir;
        } else {
            userHome = "/tmp";
        }
        home = userHome / ".local" / "share" / "nimbrel";
    }
    return AbsoluteNormal(home);
}

std::filesystem::path ToHostPath(const std::string& path) {
    if (path.empty() || path[0] == '/') return path;

    std::string root;
    std::string_view rest = path;
    bool absolute = true;
    if (rest.size() >= 2 && IsDriveLetter(rest[0]) && rest[1] == ':') {
        // "X:a" (relative to the drive's current folder) is taken from the
        // drive's root, the current folder of every drive but the working one.
        root = DriveRoot(rest[0]);
        rest.remove_prefix(2);
    } else if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        // A UNC path names no host file; it stays inside the prefix so that
        // it can never reach the host's own files.
        root = (CurrentPrefix() / "unc").string();
        rest.remove_prefix(2);
    } else if (IsSeparator(rest[0])) {
        root = DriveRoot(CurrentDrive());
    } else {
        absolute = false;
    }

    const std::vector<std::string_view> components = Components(rest, absolute);
    if (!absolute && components.empty()) return ".";
    return Resolve(root, components);
}

std::optional<DrivePath> SplitDrivePath(const std::string& path) {
    if (path.size() < 2 || !IsDriveLetter(path[0]) || path[1] != ':') return std::nullopt;
    const char letter = LowerAscii(path[0]);
    if (letter == 'z') return std::nullopt;
    DrivePath split{DriveRoot(letter), {}};
    for (std::string_view component : Components(std::string_view(path).substr(2), true))
        split.components.emplace_back(component);
    return split;
}

std::optional<std::string> EntryIgnoringCase(int folderFd, std::string_view name) {
    const std::string spelt(name);
    struct stat info;
    if (fstatat(folderFd, spelt.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) return spelt;
    // Of several matches the first in byte order, so that the choice does
    // not depend on the order of the directory.
    const int listing = openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return std::nullopt;
    DIR* dir = fdopendir(listing);
    if (dir == nullptr) {
        close(listing);
        return std::nullopt;
    }
    std::optional<std::string> found;
    std::optional<std::string> stoodInFor;  // the entry that name stands in for
    const bool mayBeStandIn = name.find('~') != std::string_view::npos;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view candidate = entry->d_name;
        if (candidate == "." || candidate == "..") continue;
        if (EqualsIgnoringCase(candidate, name)) {
            if (!found || candidate < *found) found = std::string(candidate);
        } else if (mayBeStandIn && !SpellsPlainly(candidate) && EqualsIgnoringCase(StandInName(candidate), name) &&
                   (!stoodInFor || candidate < *stoodInFor)) {
            stoodInFor = std::string(candidate);
        }
    }
    closedir(dir);
    return found ? found : stoodInFor;
}

std::string ToWindowsPath(const std::filesystem::path& hostPath) {
    const std::string path = AbsoluteNormal(hostPath).string();
    if (const Installation* installation = CurrentInstallation();
        installation != nullptr && !installation->systemDrive.empty()) {
        const std::string drive = AbsoluteNormal(installation->systemDrive).string();
        const bool inside = path.size() > drive.size() && path.compare(0, drive.size(), drive) == 0 &&
                            (path[drive.size()] == '/' || drive == "/");
        if (path == drive || inside) {
            std::string windows{static_cast<char>(installation->systemDriveLetter - 'a' + 'A'), ':', '\\'};
            if (inside) windows += ToBackslashes(std::string_view(path).substr(drive == "/" ? 1 : drive.size() + 1));
            return windows;
        }
    }
    const std::string prefix = AbsoluteNormal(CurrentPrefix()).string();
    if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 && path[prefix.size()] == '/') {
        const std::string_view inside = std::string_view(path).substr(prefix.size() + 1);
        constexpr std::string_view kDriveFolder = "drive_";
        if (inside.size() >= kDriveFolder.size() + 1 && inside.substr(0, kDriveFolder.size()) == kDriveFolder) {
            const char letter = inside[kDriveFolder.size()];
            const std::string_view after = inside.substr(kDriveFolder.size() + 1);
            // drive_z is not Z:, which is the host's root.
            if (letter >= 'a' && letter <= 'y' && (after.empty() || after[0] == '/')) {
                std::string windows{static_cast<char>(letter - 'a' + 'A'), ':', '\\'};
                if (!after.empty()) windows += ToBackslashes(after.substr(1));
                return windows;
            }
        }
        constexpr std::string_view kUncFolder = "unc/";
        if (inside.size() > kUncFolder.size() && inside.substr(0, kUncFolder.size()) == kUncFolder)
            return "\\\\" + ToBackslashes(inside.substr(kUncFolder.size()));
    }
    return "Z:" + ToBackslashes(path);
}

}  // namespace platform::emulated
