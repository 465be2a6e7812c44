#include "scan/recent_folders.h"

#include <string>
#include <vector>

#include "platform/path_guard.h"
#include "platform/file_listing.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "scan/drive_type_name.h"
#include "scan/record.h"

namespace scan {

namespace {

constexpr const char* kOfficeTail = "\\Application Data\\Microsoft\\Office\\Recent";
constexpr const char* kMainLabel = "MS Office 'Recent' Folder (Main)";
constexpr const char* kUserLabel = "MS Office 'Recent' Folder (User)";
constexpr const char* kItemLabel = "Windows 'Recent' Folder Item - ";
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The logon name's buffer holds 200 characters; 199 are offered.
constexpr std::size_t kUserNameBuffer = 199;

// The directory look-up that the clean repeats before deleting.
bool Exists(const std::string& path) { return platform::FindEntry(path, platform::kExistsMask).has_value(); }

// Only string data is taken for a path: a number, a list or binary data
// read as text is no folder, whatever its bytes spell.
bool StoredAsString(const char* key, const char* valueName) {
    platform::HKey handle = 0;
    const long opened = platform::RegOpenKey(platform::kHkeyCurrentUser, key, platform::kKeyQueryValue, &handle);
    if (opened != platform::kErrorSuccess) return false;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const long rc = platform::RegQueryValue(handle, valueName, &type, nullptr, &size);
    platform::RegCloseKey(handle);
    return rc == platform::kErrorSuccess && (type == platform::kRegSz || type == platform::kRegExpandSz);
}

void RecordFolderIfThere(ScanContext& ctx, const char* label, const std::string& path) {
    if (Exists(path)) Record(ctx, Counter::kLists, {label, path, "", "", "", "Folder"});
}

}  // namespace

void ScanOfficeRecentFolders(ScanContext& ctx) {
    const std::string windows = platform::WindowsDirectory();
    RecordFolderIfThere(ctx, kMainLabel, windows + kOfficeTail);

    const std::optional<std::string> user = platform::UserName(kUserNameBuffer);
    if (!user) return;
    if (DriveTypeName("C") != "Drive Fixed") return;
    RecordFolderIfThere(ctx, kUserLabel, "C:\\Documents and Settings\\" + *user + kOfficeTail);
    RecordFolderIfThere(ctx, kUserLabel, windows + "\\Profiles\\" + *user + kOfficeTail);
}

std::optional<std::string> WindowsRecentFolder() {
    modRegistry::ValueHolder result;
    modRegistry::ReadValue("HKCU", kShellFolders, "Recent", "S", modRegistry::kNone, result);
    std::string folder = result.IsText() ? result.Text() : std::string(modRegistry::kNone);
    if (folder == modRegistry::kNone || !StoredAsString(kShellFolders, "Recent")) return std::nullopt;
    // A final backslash names the same folder; without it the rows name
    // their files plainly.
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    // The Windows directory in any spelling, a drive's root, a relative path
    // or one that does not plainly spell its folder ("..", a NUL from a
    // string list) must never have its files listed for deleting.
    if (platform::IsProtectedPath(folder, platform::WindowsDirectory())) return std::nullopt;
    if (!Exists(folder)) return std::nullopt;
    return folder;
}

void RecordFolderFiles(ScanContext& ctx, const std::string& folder, const std::string& label) {
    std::vector<std::string> names;
    if (platform::ListFiles(folder, "*.*", true, names) != 0) return;
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (names[index] == "Desktop.ini") continue;
        Record(ctx, Counter::kItems,
               {label + std::to_string(index), folder + "\\" + names[index], " ", " ", " ", "File"});
    }
}

void ScanWindowsRecentFolder(ScanContext& ctx) {
    if (const std::optional<std::string> folder = WindowsRecentFolder()) RecordFolderFiles(ctx, *folder, kItemLabel);
}

}  // namespace scan
