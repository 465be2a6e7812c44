// Folder and file rows, cleaned through the engine, never reach past the
// folder the row names: links inside it or in its place, link loops,
// another file system mounted inside it, and 'Recent' values that climb out
// with "..", are not in a string type or hold a NUL. Every file outside
// stays byte for byte as it was.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "clean/clean_engine.h"
#include "clean/clean_item.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "scan/recent_folders.h"
#include "tests/scan/scan_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using clean::DetectedItem;
using platform::emulated::ToHostPath;

const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

class DeletionConfinementTest : public scan_testing::ScanTest {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::Start(), "");
        profile = platform::emulated::ProfileFolder();
        office = profile + "\\Application Data\\Microsoft\\Office\\Recent";
        recent = profile + "\\Recent";
        WriteFile(ToHostPath(office) / "a.lnk", "office");
        WriteFile(ToHostPath(office) / "sub" / "deeper" / "b.lnk", "office");
        WriteFile(ToHostPath(recent) / "report.doc.lnk", "recent");
        WriteFile(ToHostPath(profile + "\\Desktop") / "kept.txt", "kept on the desktop");
        WriteFile(ToHostPath(profile + "\\Desktop") / "inner" / "kept.txt", "kept deeper");
        WriteFile(ToHostPath("C:\\WINDOWS\\win.ini"), "[windows]");
        WriteFile(ToHostPath("C:\\boot.ini"), "[boot loader]");
    }

    // Every file and link on drive C: outside the folder given, with its
    // content or its target.
    std::map<fs::path, std::string> FilesOutside(const std::string& folder) const {
        const std::string inside = ToHostPath(folder).string() + "/";
        std::map<fs::path, std::string> files;
        for (auto it = fs::recursive_directory_iterator(ToHostPath("C:\\")); it != fs::recursive_directory_iterator();
             ++it) {
            if (it->path().string().rfind(inside, 0) == 0) continue;
            if (it->is_symlink()) {
                files[it->path()] = "-> " + fs::read_symlink(it->path()).string();
            } else if (it->is_regular_file()) {
                files[it->path()] = scan_testing::ReadFile(it->path());
            }
        }
        return files;
    }

    // Clean all over the rows given; the count of rows cleaned.
    long Clean(const std::vector<DetectedItem>& rows) {
        results.store.Clear();
        for (const DetectedItem& row : rows) results.store.Append(row);
        clean::CleanState state;
        clean::CleanContext cleaning{host, results, state, nullptr, false};
        clean::CleanAll(cleaning, std::to_string(rows.size()));
        return state.CleanedCount;
    }

    void SetRecent(std::uint32_t type, const std::string& data) {
        platform::HKey key = 0;
        ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, kShellFolders, platform::kKeyAllAccess, &key), 0);
        ASSERT_EQ(platform::RegSetValue(key, "Recent", type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                        static_cast<std::uint32_t>(data.size())),
                  0);
        platform::RegCloseKey(key);
    }

    // The rows the Windows 'Recent' scanner records.
    std::vector<DetectedItem> ScanRecent() {
        results.store.Clear();
        scan::ScanWindowsRecentFolder(ctx);
        std::vector<DetectedItem> rows;
        for (std::size_t i = 0; i < results.store.RowCount(); ++i) rows.push_back(results.store.Row(i));
        return rows;
    }

    static DetectedItem FolderRow(const std::string& path) { return {"x", path, "", "", "", "Folder"}; }
    static DetectedItem FileRow(const std::string& path) { return {"x", path, " ", " ", " ", "File"}; }

    std::string profile;
    std::string office;
    std::string recent;
};

TEST_F(DeletionConfinementTest, LinksAndLinkLoopsInsideAFolderGoWithoutTheirTargets) {
    const fs::path host = ToHostPath(office);
    fs::create_directory_symlink(ToHostPath(profile + "\\Desktop"), host / "desktop");
    fs::create_symlink(ToHostPath(profile + "\\Desktop") / "kept.txt", host / "kept.txt");
    fs::create_symlink(host / "loop-b", host / "loop-a");
    fs::create_symlink(host / "loop-a", host / "loop-b");
    fs::create_directory_symlink("..", host / "up");
    fs::create_directory_symlink(ToHostPath("C:\\"), host / "sub" / "deeper" / "drive");
    const auto outside = FilesOutside(office);

    EXPECT_EQ(Clean({FolderRow(office)}), 1);
    EXPECT_FALSE(fs::exists(fs::symlink_status(host)));
    EXPECT_EQ(FilesOutside(office), outside);
}

TEST_F(DeletionConfinementTest, AFolderRowThatIsItselfALinkLosesOnlyTheLink) {
    const fs::path host = ToHostPath(office);
    fs::remove_all(host);
    fs::create_directory_symlink(ToHostPath(profile + "\\Desktop"), host);
    const auto outside = FilesOutside(office);

    EXPECT_EQ(Clean({FolderRow(office)}), 1);
    EXPECT_FALSE(fs::exists(fs::symlink_status(host)));
    auto expected = outside;
    expected.erase(host);
    EXPECT_EQ(FilesOutside(office), expected);
}

TEST_F(DeletionConfinementTest, AFolderRowNamingAFileAndAFileRowNamingAFolderDeleteNothing) {
    fs::remove_all(ToHostPath(office));
    WriteFile(ToHostPath(office), "a file where the folder was");
    const auto before = FilesOutside(recent);

    EXPECT_EQ(Clean({FolderRow(office), FileRow(recent)}), 0);
    EXPECT_EQ(FilesOutside(recent), before);
    EXPECT_TRUE(fs::exists(ToHostPath(recent) / "report.doc.lnk"));
}

TEST_F(DeletionConfinementTest, PathsThatClimbOrNormaliseToARootOrWindowsAreNeitherDeletedNorCounted) {
    const auto before = FilesOutside("C:\\nothing-excluded");
    const std::vector<DetectedItem> rows = {
        FolderRow(recent + "\\..\\Desktop"),
        FolderRow(recent + "\\..\\..\\.."),
        FolderRow(profile + "\\..\\..\\WINDOWS"),
        FolderRow("C:\\WINDOWS."),
        FolderRow("C:\\WINDOWS \\"),
        FolderRow("\\\\?\\C:\\WINDOWS"),
        FolderRow("c:\\windows\\\\"),
        FolderRow(recent + "\0C:\\WINDOWS"s),
        FileRow(recent + "\\..\\Desktop\\kept.txt"),
        FileRow(recent + "\\..\\..\\..\\boot.ini"),
        FileRow("C:\\boot.ini\0\\x"s),
    };
    EXPECT_EQ(Clean(rows), 0);
    EXPECT_EQ(FilesOutside("C:\\nothing-excluded"), before);
}

TEST_F(DeletionConfinementTest, AFolderRowInAnotherLetterCaseStillNamesItsFolder) {
    std::string spelt = office;
    for (char& c : spelt) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto outside = FilesOutside(office);
    EXPECT_EQ(Clean({FolderRow(spelt)}), 1);
    EXPECT_FALSE(fs::exists(ToHostPath(office)));
    EXPECT_EQ(FilesOutside(office), outside);
}

TEST_F(DeletionConfinementTest, ARecentValueThatDoesNotPlainlyNameItsFolderListsNothing) {
    const std::string windows = platform::WindowsDirectory();
    for (const std::string& path : {
             recent + "\\..\\Desktop",
             recent + "\\..\\..\\..",
             recent + "\\..\\..\\..\\WINDOWS",
             windows + ".",
             windows + "\\.",
             "\\\\?\\" + recent,
             recent + "\0"s + profile + "\\Desktop",
             recent + "\\report.doc.lnk",  // a file, not a folder
         }) {
        SetRecent(platform::kRegSz, path + '\0');
        EXPECT_TRUE(ScanRecent().empty()) << path;
    }
}

TEST_F(DeletionConfinementTest, ARecentValueIsAFolderOnlyWhenStoredAsAString) {
    const std::string path = recent;
    const std::pair<std::uint32_t, std::string> listed[] = {
        {platform::kRegSz, path + '\0'},
        {platform::kRegSz, path},  // without its NUL
        {platform::kRegSz, path + "\\\\"s + '\0'},
        {platform::kRegExpandSz, path + '\0'},
    };
    for (const auto& [type, data] : listed) {
        SetRecent(type, data);
        const std::vector<DetectedItem> rows = ScanRecent();
        ASSERT_EQ(rows.size(), 1u) << type << " " << data;
        EXPECT_EQ(rows[0].mainkey, path + "\\report.doc.lnk");
    }
    const std::pair<std::uint32_t, std::string> ignored[] = {
        {platform::kRegNone, path + '\0'},
        {platform::kRegBinary, path + '\0'},
        {platform::kRegLink, path + '\0'},
        {platform::kRegMultiSz, path + '\0' + '\0'},
        {platform::kRegMultiSz, path + '\0' + profile + "\\Desktop" + '\0' + '\0'},
        {platform::kRegDword, "C:\\\0"s},
        {platform::kRegQword, "C:\\abcd\0"s},
        {0x40000001, path + '\0'},
    };
    for (const auto& [type, data] : ignored) {
        SetRecent(type, data);
        EXPECT_TRUE(ScanRecent().empty()) << type;
    }
}

TEST_F(DeletionConfinementTest, ARecentFolderFoundThroughTheScanCleansOnlyItsOwnFiles) {
    SetRecent(platform::kRegSz, recent + '\0');
    const auto outside = FilesOutside(recent);
    const std::vector<DetectedItem> rows = ScanRecent();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Clean(rows), 1);
    EXPECT_FALSE(fs::exists(ToHostPath(recent) / "report.doc.lnk"));
    EXPECT_EQ(FilesOutside(recent), outside);
}

// Run in a child with a mount namespace of its own, so the mount never
// outlives it. Exit codes: 0 the mounted files survived, 1 they did not,
// 77 no mount could be made here.
int CleanAcrossAMountInAChild(const std::string& office) {
    const fs::path mountPoint = ToHostPath(office) / "mounted";
    fs::create_directories(mountPoint);
    if (unshare(CLONE_NEWNS) != 0) return 77;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return 77;
    if (mount("nimbrel-test", mountPoint.c_str(), "tmpfs", 0, nullptr) != 0) return 77;
    std::ofstream(mountPoint / "other.txt", std::ios::binary) << "another file system";
    fs::create_directories(mountPoint / "folder");
    std::ofstream(mountPoint / "folder" / "deeper.txt", std::ios::binary) << "deeper";
    struct stat inside {};
    struct stat outside {};
    if (stat(mountPoint.c_str(), &inside) != 0 || stat(ToHostPath(office).c_str(), &outside) != 0 ||
        inside.st_dev == outside.st_dev)
        return 77;

    clean::CleanItem({"x", office, "", "", "", "Folder"}, platform::WindowsDirectory());
    std::ifstream other(mountPoint / "other.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(other)), std::istreambuf_iterator<char>());
    const bool kept = text == "another file system" && fs::exists(mountPoint / "folder" / "deeper.txt");
    const bool ownGone = !fs::exists(ToHostPath(office) / "a.lnk") && !fs::exists(ToHostPath(office) / "sub");
    umount2(mountPoint.c_str(), MNT_DETACH);
    return kept && ownGone ? 0 : 1;
}

TEST_F(DeletionConfinementTest, AFileSystemMountedInsideTheFolderIsNotEntered) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(CleanAcrossAMountInAChild(office));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace with a tmpfs may be made here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the clean reached into the mounted file system or left its own files";
}

}  // namespace
