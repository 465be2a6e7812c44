// Folder and file rows, cleaned through the engine, never reach past the
// folder the row names: links inside it or in its place, link loops,
// another file system mounted inside it, and 'Recent' values that climb out
// with "..", are not in a string type or hold a NUL. Every file outside
// stays byte for byte as it was. Nor does any cleaner (the engine, the
// 'Recent' scanner, both plug-ins) reach a folder of the host: named by a
// registry value, behind a link or a mount point anywhere on the way, or
// swapped for a link while the clean runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "clean/clean_engine.h"
#include "clean/clean_item.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "platform/registry_api.h"
#include "platform/system_info.h"
#include "plugins/cache_plugin_model.h"
#include "plugins/cookie_plugin_model.h"
#include "plugins/plugin_settings.h"
#include "plugins/plugin_status_model.h"
#include "registry/mod_registry.h"
#include "scan/recent_folders.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/decoy_folder.h"
#include "tests/support/plugin_host.h"
#include "tests/support/run_program.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using platform::emulated::ToHostPath;
using scan::DetectedItem;
using testing_support::DecoyFolder;

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
        clean::CleanAll(cleaning, static_cast<long>(rows.size()));
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
             recent + "\\..\\Desktop", recent + "\\..\\..\\..", recent + "\\..\\..\\..\\WINDOWS", windows + ".",
             windows + "\\.", "\\\\?\\" + recent, recent + "\0"s + profile + "\\Desktop",
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

TEST_F(DeletionConfinementTest, HostFoldersAsRecentListNothingAndTheirRowsFailLeavingThemAlone) {
    DecoyFolder decoy;
    decoy.Write("etc/passwd", "root:x:0:0");
    decoy.Write("etc/shadow", "root:*:1");
    const auto before = decoy.Contents();
    const std::string host = (decoy.Host() / "etc").string();
    const std::string zDrive = decoy.WindowsPath() + "\\etc";
    for (const std::string& folder : {zDrive, "z:" + host, host}) {
        SetRecent(platform::kRegSz, folder + '\0');
        EXPECT_TRUE(ScanRecent().empty()) << folder;
    }
    for (const DetectedItem& row : {FolderRow(zDrive), FileRow(zDrive + "\\passwd")}) {
        const clean::CleanDecision decision = clean::DecideClean(row, platform::WindowsDirectory());
        // A dry run foresees it.
        EXPECT_EQ(clean::Preview(row, decision).result, clean::RowResult::kWouldFail) << row.mainkey;
        const clean::RowOutcome outcome = clean::CarryOut(row, decision);
        EXPECT_EQ(outcome.result, clean::RowResult::kFailed) << row.mainkey;
        EXPECT_EQ(outcome.reason.rfind("error 5 (access denied): outside the machine's own drives", 0), 0u)
            << row.mainkey;
    }
    EXPECT_EQ(decoy.Contents(), before);
}

// A folder on the way to what a cleaner cleans, below the profile folder
// ("..": the folder that holds it).
struct LinkedFolder {
    const char* name;
    const char* below;
};

constexpr LinkedFolder kLinkedFolders[] = {
    {"DocumentsAndSettings", ".."},
    {"Profile", ""},
    {"ApplicationData", "Application Data"},
    {"Microsoft", "Application Data\\Microsoft"},
    {"Office", "Application Data\\Microsoft\\Office"},
    {"OfficeRecent", "Application Data\\Microsoft\\Office\\Recent"},
    {"Recent", "Recent"},
    {"Cookies", "Cookies"},
    {"LocalSettings", "Local Settings"},
    {"TemporaryInternetFiles", "Local Settings\\Temporary Internet Files"},
    {"ContentIe5", "Local Settings\\Temporary Internet Files\\Content.IE5"},
    {"CacheSubfolder", "Local Settings\\Temporary Internet Files\\Content.IE5\\X1"},
};

class LinkOnTheWay : public DeletionConfinementTest,
                     public testing::WithParamInterface<std::tuple<LinkedFolder, bool>> {};

// The whole clean with both plug-ins, deleting or shredding, after one
// folder of the machine was moved to the host and a link put in its place.
TEST_P(LinkOnTheWay, NoCleanerReachesWhatTheLinkLeadsTo) {
    const auto& [linked, shred] = GetParam();
    const std::string cache = profile + "\\Local Settings\\Temporary Internet Files\\Content.IE5";
    WriteFile(ToHostPath(profile + "\\Cookies") / "anna@site[1].txt", "cookie");
    WriteFile(ToHostPath(cache) / "X1" / "page.htm", "cached page");
    WriteFile(ToHostPath(cache) / "index.dat", "history");
    for (const char* key : {plugins::kCookieSettingsKey, plugins::kCacheSettingsKey}) {
        plugins::WriteSwitch(key, plugins::kAutomaticCleanValue, true);
        plugins::WriteSwitch(key, plugins::kSecureDeleteValue, shred);
    }
    DecoyFolder decoy;
    const fs::path folder = ToHostPath(profile + "\\" + linked.below);
    fs::rename(folder, decoy.Host() / "moved");
    fs::create_directory_symlink(decoy.Host() / "moved", folder);
    const auto before = decoy.Contents();

    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean"});
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << run.exitCode << run.err;
    EXPECT_EQ(decoy.Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryFolder, LinkOnTheWay,
                         testing::Combine(testing::ValuesIn(kLinkedFolders), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<LinkedFolder, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Shredded" : "Deleted");
                         });

// A mount namespace of the process's own, so that its mounts go with it:
// as root a new mount namespace, otherwise a user namespace too.
bool EnterOwnMountNamespace() {
    if (unshare(CLONE_NEWNS) != 0) {
        const std::string uid = std::to_string(getuid());
        const std::string gid = std::to_string(getgid());
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << uid << ' ' << uid << " 1";
        std::ofstream("/proc/self/gid_map") << gid << ' ' << gid << " 1";
    }
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Something mounted where a cleaner passes: another file system, or a
// folder or file of the host bound there from the same file system.
struct MountRow {
    const char* name;
    const char* source;  // below the decoy folder; nullptr: a new tmpfs
    const char* target;  // below the profile folder
    bool cookies;        // cleaned by the cookie plug-in's shredder, else as the office folder row
};

constexpr MountRow kMountRows[] = {
    {"AnotherFileSystemInside", nullptr, "Application Data\\Microsoft\\Office\\Recent\\mounted", false},
    {"AHostFolderBoundInside", "folder", "Application Data\\Microsoft\\Office\\Recent\\mounted", false},
    {"AHostFolderBoundOnTheWay", "folder", "Application Data", false},
    {"AHostFileBoundAsACookie", "folder/cookie.txt", "Cookies\\bound@site[1].txt", true},
};

class MountOnTheWay : public DeletionConfinementTest, public testing::WithParamInterface<MountRow> {};

// Run in a child with a mount namespace of its own. Exit codes: 0 what is
// mounted is untouched, 1 it was not, 77 no mount could be made here.
int CleanAcrossAMountInAChild(const MountRow& row, const std::string& profile, const fs::path& decoy) {
    const fs::path target = ToHostPath(profile + "\\" + row.target);
    const fs::path source = row.source != nullptr ? decoy / row.source : fs::path();
    if (row.source != nullptr && fs::is_regular_file(source)) {
        std::ofstream(target) << "";
    } else {
        fs::create_directories(target);
    }
    if (!EnterOwnMountNamespace()) return 77;
    const int mounted = row.source != nullptr ? mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr)
                                              : mount("nimbrel-test", target.c_str(), "tmpfs", 0, nullptr);
    if (mounted != 0) return 77;
    if (row.source == nullptr) {
        std::ofstream(target / "other.txt", std::ios::binary) << "another file system";
        fs::create_directories(target / "folder");
        std::ofstream(target / "folder" / "deeper.txt", std::ios::binary) << "deeper";
    }
    const fs::path watched = fs::is_directory(target) ? target : decoy;
    const auto before = testing_support::ContentsBelow(watched);

    if (row.cookies) {
        testing_support::PluginHost host;
        plugins::PluginStatusModel status{host};
        plugins::CookiePluginModel cookies(host, status, platform::emulated::kProgramFolder);
        cookies.Load(true);
        cookies.SecureDelete(true);
    } else {
        const std::string office = profile + "\\Application Data\\Microsoft\\Office\\Recent";
        clean::CleanItem({"x", office, "", "", "", "Folder"}, platform::WindowsDirectory());
    }
    const bool kept = testing_support::ContentsBelow(watched) == before;
    umount2(target.c_str(), MNT_DETACH);
    return kept ? 0 : 1;
}

TEST_P(MountOnTheWay, WhatIsMountedThereIsNotTouched) {
    DecoyFolder decoy;
    decoy.Write("folder/precious.txt", "the host's own");
    decoy.Write("folder/cookie.txt", "a file of the host");
    decoy.Write("folder/Microsoft/Office/Recent/a.lnk", "moved here");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(CleanAcrossAMountInAChild(GetParam(), profile, decoy.Host()));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace with mounts may be made here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the clean reached into what was mounted";
}

INSTANTIATE_TEST_SUITE_P(Mounts, MountOnTheWay, testing::ValuesIn(kMountRows),
                         [](const testing::TestParamInfo<MountRow>& info) { return info.param.name; });

// Swaps a folder with a link to another folder, back and forth, until it
// goes; the folder is back in its place then.
class FolderSwapper {
public:
    FolderSwapper(const fs::path& folder, const fs::path& linkTarget)
        : folder_(folder), link_(folder.string() + ".swapped") {
        fs::create_directory_symlink(linkTarget, link_);
        thread_ = std::thread([this] {
            while (!stop_) {
                if (renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, link_.c_str(), RENAME_EXCHANGE) == 0) ++rounds_;
            }
        });
    }
    ~FolderSwapper() {
        stop_ = true;
        thread_.join();
        if (rounds_ % 2 != 0) renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, link_.c_str(), RENAME_EXCHANGE);
    }
    long Rounds() const { return rounds_; }

private:
    fs::path folder_;
    fs::path link_;
    std::atomic<bool> stop_{false};
    std::atomic<long> rounds_{0};
    std::thread thread_;
};

// A folder of the machine and a folder of the host holding files of the
// same names.
void WriteTwins(const fs::path& folder, const DecoyFolder& decoy, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string name = "file" + std::to_string(i) + ".htm";
        WriteFile(folder / name, "the machine's");
        decoy.Write(fs::path("twins") / name, "the host's");
    }
}

TEST_F(DeletionConfinementTest, ARecentFolderSwappedForALinkDuringTheCleanLosesOnlyItsOwnFiles) {
    DecoyFolder decoy;
    WriteTwins(ToHostPath(recent), decoy, 200);
    const auto before = decoy.Contents();
    SetRecent(platform::kRegSz, recent + '\0');
    const std::vector<DetectedItem> rows = ScanRecent();
    ASSERT_EQ(rows.size(), 201u);
    long rounds = 0;
    {
        FolderSwapper swapper(ToHostPath(recent), decoy.Host() / "twins");
        Clean(rows);
        rounds = swapper.Rounds();
    }
    EXPECT_GT(rounds, 0);
    EXPECT_EQ(decoy.Contents(), before);
}

class CacheSwappedDuringTheRun : public DeletionConfinementTest, public testing::WithParamInterface<bool> {};

TEST_P(CacheSwappedDuringTheRun, LosesOnlyItsOwnFiles) {
    const bool shred = GetParam();
    modRegistry::WriteValue("HKCU", plugins::kCacheSettingsKey, "WipePasses", "S", "1");
    const std::string cache = plugins::ShellFolder("Cache").value_or("");
    const fs::path subfolder = ToHostPath(cache + "\\Content.IE5\\X1");
    DecoyFolder decoy;
    WriteTwins(subfolder, decoy, 300);
    const auto before = decoy.Contents();
    testing_support::PluginHost pluginHost;
    plugins::PluginStatusModel status{pluginHost};
    plugins::CachePluginModel plugin(pluginHost, status, platform::emulated::kProgramFolder);
    plugin.Load(true);
    ASSERT_EQ(plugin.CacheFolders(), std::vector<std::string>{"X1"});
    long rounds = 0;
    {
        FolderSwapper swapper(subfolder, decoy.Host() / "twins");
        if (shred) {
            plugin.SecureDelete(true);
        } else {
            plugin.NormalDelete(true);
        }
        rounds = swapper.Rounds();
    }
    EXPECT_GT(rounds, 0);
    EXPECT_EQ(decoy.Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(Methods, CacheSwappedDuringTheRun, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Shredded" : "Deleted"; });

}  // namespace
