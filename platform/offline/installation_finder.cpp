// Finding a Windows installation's hives from its mounted system drive:
// Windows\System32\config\SOFTWARE, and each profile that the SOFTWARE
// hive's ProfileList names, with its NTUSER.DAT and UsrClass.dat. Every
// file is reached as deletions are, from the drive's folder down without a
// link or another mount on the way (drive_walk.h), so that nothing outside
// the folder is read as a hive or ever written.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/ansi_case.h"
#include "platform/emulated/drive_walk.h"
#include "platform/emulated/machine.h"
#include "platform/emulated/paths.h"
#include "platform/file_listing.h"
#include "platform/offline/hive_reading.h"
#include "platform/offline/offline_layout.h"
#include "platform/registry_api.h"

namespace platform::offline {

namespace {

constexpr const char* kCurrentVersion = "Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kProfileList = "Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

// The hive at a Windows path of the installation: null when there is no
// file there, or (said in notes) only through a link or another mount;
// problem set when there is one that cannot be used.
std::unique_ptr<HiveFile> OpenHiveAt(const std::string& windowsPath, std::vector<std::string>& notes,
                                     std::string& problem) {
    problem.clear();
    emulated::WalkEnd end;
    const long walked = emulated::WalkToEntry(windowsPath, end);
    const std::string display = emulated::ToHostPath(windowsPath).string();
    if (walked == kErrorPathNotFound) return nullptr;
    if (walked != kErrorSuccess) {
        notes.push_back(windowsPath + " is reached through a link or another mount; it is not used");
        return nullptr;
    }
    struct stat info {};
    if (::fstatat(end.folder.Get(), end.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return nullptr;
    return HiveFile::Open(std::move(end.folder), end.name, display, problem);
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() && EqualsIgnoringCase(std::string_view(text).substr(0, start.size()), start);
}

// %SystemDrive%, %SystemRoot% and %windir% as the installation has them;
// any other variable stays.
std::string ExpandProfilePath(std::string path, const emulated::Installation& installation) {
    const std::string drive{static_cast<char>(installation.systemDriveLetter - 'a' + 'A'), ':'};
    const std::pair<const char*, std::string> variables[] = {{"%SystemDrive%", drive},
                                                             {"%SystemRoot%", installation.windowsDirectory},
                                                             {"%windir%", installation.windowsDirectory}};
    for (const auto& [variable, value] : variables) {
        const std::string name = variable;
        for (std::size_t at = 0; at + name.size() <= path.size(); ++at) {
            if (!EqualsIgnoringCase(std::string_view(path).substr(at, name.size()), name)) continue;
            path.replace(at, name.size(), value);
            at += value.size() - 1;
        }
    }
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

// Which drive and Windows directory the installation has, from its own
// SOFTWARE hive ("SystemRoot"); C: and C:\Windows when it does not say.
void ReadSystemRoot(hive_h* software, emulated::Installation& installation) {
    const std::optional<std::string> root =
        TextValue(software, NodeAt(software, hivex_root(software), kCurrentVersion), "SystemRoot");
    if (!root || root->size() < 4 || (*root)[1] != ':' || (*root)[2] != '\\') return;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>((*root)[0])));
    if (letter < 'a' || letter > 'y') return;
    installation.systemDriveLetter = letter;
    installation.windowsDirectory = *root;
    installation.windowsDirectory[0] = static_cast<char>(letter - 'a' + 'A');
    while (installation.windowsDirectory.size() > 3 && installation.windowsDirectory.back() == '\\')
        installation.windowsDirectory.pop_back();
}

// The user's class registration hive, where Windows Vista and later keep
// it, else where Windows XP does.
std::unique_ptr<HiveFile> OpenClassesHive(const std::string& profile, std::string& problem) {
    // Vista's "Local Settings" is a junction to AppData\Local: no note for it.
    std::vector<std::string> ignored;
    for (const char* below : {"\\AppData\\Local\\Microsoft\\Windows\\UsrClass.dat",
                              "\\Local Settings\\Application Data\\Microsoft\\Windows\\UsrClass.dat"}) {
        if (std::unique_ptr<HiveFile> hive = OpenHiveAt(profile + below, ignored, problem)) return hive;
        if (!problem.empty()) return nullptr;
    }
    return nullptr;
}

}  // namespace

std::string FindInstallation(const std::string& folder, OfflineLayout& layout) {
    std::error_code error;
    const std::filesystem::path drive = std::filesystem::canonical(folder, error);
    if (error || !std::filesystem::is_directory(drive, error)) return "--windows " + folder + ": no such folder";
    layout.name = "the Windows installation in " + drive.string();
    layout.installation.systemDrive = drive;

    // The drive in use at once, as C: for a start: the hives are reached
    // through it.
    emulated::UseInstallation(layout.installation, nullptr);
    std::string problem;
    for (const char* path : {"C:\\Windows\\System32\\config\\SOFTWARE", "C:\\WINNT\\system32\\config\\software"}) {
        layout.software = OpenHiveAt(path, layout.notes, problem);
        if (layout.software || !problem.empty()) break;
    }
    if (!problem.empty()) return problem;
    if (!layout.software)
        return drive.string() +
               " holds no Windows installation (no Windows\\System32\\config\\SOFTWARE): give the "
               "folder where its system partition is mounted";
    hive_h* software = layout.software->Reader();
    ReadSystemRoot(software, layout.installation);
    emulated::UseInstallation(layout.installation, nullptr);

    layout.defaultUser =
        OpenHiveAt(layout.installation.windowsDirectory + "\\System32\\config\\DEFAULT", layout.notes, problem);
    if (!problem.empty()) return problem;

    const std::string windowsPrefix = layout.installation.windowsDirectory + "\\";
    const std::string drivePrefix{static_cast<char>(layout.installation.systemDriveLetter - 'a' + 'A'), ':', '\\'};
    for (const auto& [sid, node] : Subkeys(software, NodeAt(software, hivex_root(software), kProfileList))) {
        const std::optional<std::string> image = TextValue(software, node, "ProfileImagePath");
        if (!image) continue;
        const std::string profile = ExpandProfilePath(*image, layout.installation);
        // Service accounts keep their profiles in the Windows directory;
        // a profile on another drive is not in this folder.
        if (StartsWithIgnoringCase(profile, windowsPrefix)) continue;
        if (!StartsWithIgnoringCase(profile, drivePrefix)) {
            layout.notes.push_back("the profile " + profile + " (" + sid + ") is on another drive; it is not scanned");
            continue;
        }
        UserHives user;
        user.user = OpenHiveAt(profile + "\\NTUSER.DAT", layout.notes, problem);
        if (!problem.empty()) return problem;
        if (!user.user) continue;  // a profile whose folder is gone
        user.classes = OpenClassesHive(profile, problem);
        if (!problem.empty()) return problem;
        user.sid = sid;
        user.name = LastComponent(profile);
        user.profileFolder = profile;
        layout.users.push_back(std::move(user));
    }
    std::sort(layout.users.begin(), layout.users.end(),
              [](const UserHives& a, const UserHives& b) { return UpperName(a.name) < UpperName(b.name); });

    // Hibernated, or shut down with Fast Startup: the hives as Windows
    // holds them are in hiberfil.sys, and a resume would write them back
    // over any change.
    emulated::WalkEnd end;
    if (emulated::WalkToEntry(drivePrefix + "hiberfil.sys", end) == kErrorSuccess) {
        const emulated::Descriptor file(
            ::openat(end.folder.Get(), end.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        char magic[4] = {};
        if (file && ::read(file.Get(), magic, sizeof magic) == static_cast<ssize_t>(sizeof magic) &&
            EqualsIgnoringCase(std::string_view(magic, sizeof magic), "hibr")) {
            layout.refusals.push_back(
                "Windows is hibernated (or was shut down with Fast Startup), so its registry "
                "is still in hiberfil.sys; start Windows and shut it down fully (Shift with "
                "\"Shut down\", or turn Fast Startup off) first");
        }
    }
    return {};
}

}  // namespace platform::offline
