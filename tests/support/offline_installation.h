// A Windows installation that is not running, laid out for a test in a
// temporary folder from copies of the real user hives of tests/data/hives:
// Users\<name>\NTUSER.DAT for each user, and a SOFTWARE hive made by the
// test (a copy of a user hive with its keys taken away) that names their
// profiles in its ProfileList, as Windows 7 and 10 have them.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct OfflineUser {
    std::string name;  // the profile folder's name
    std::string sid;
    std::string hive;              // a file of tests/data/hives
    std::string parent = "Users";  // the profiles' folder ("Documents and Settings" on XP)
};

class OfflineInstallation {
public:
    explicit OfflineInstallation(const std::vector<OfflineUser>& users);
    ~OfflineInstallation();
    OfflineInstallation(const OfflineInstallation&) = delete;
    OfflineInstallation& operator=(const OfflineInstallation&) = delete;

    // The folder that stands for the mounted system drive.
    const std::filesystem::path& Drive() const { return drive_; }
    std::filesystem::path Software() const;
    std::filesystem::path NtUser(const std::string& name) const;
    // A Windows path of the installation ("C:\Users\anna\x") as a host path.
    std::filesystem::path HostPath(const std::string& windowsPath) const;

private:
    std::filesystem::path drive_;
    std::map<std::string, std::string> parents_;  // of each user's profile
};

// The test data's hive file.
std::filesystem::path TestHive(const std::string& name);

// Makes a SOFTWARE hive at path that names each profile (SID, Windows
// path) in its ProfileList and the Windows directory C:\Windows.
void MakeSoftwareHive(const std::filesystem::path& path,
                      const std::vector<std::pair<std::string, std::string>>& profiles);

// The hive as hivexregedit exports it, with prefix as its root.
std::string ExportHive(const std::filesystem::path& hive, const std::string& prefix = "HKEY_CURRENT_USER");

// The export as "reg import" reads it right: hivexregedit writes a name's
// characters below U+0100 as single bytes and the others in UTF-8, so the
// text is made UTF-8 throughout (with a byte order mark).
std::string ExportForImport(const std::filesystem::path& hive, const std::string& prefix);

// Every entry below folder: its path relative to folder, and its bytes (a
// link: its target, a folder: its mode), to tell that nothing changed.
std::map<std::string, std::string> FolderContents(const std::filesystem::path& folder);

}  // namespace testing_support
