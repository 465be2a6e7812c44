// nimbrel-cli on a Windows installation that is not running (--windows DIR,
// --hive FILE), run as a process on copies of the real user hives laid out
// as a Windows 7/10 installation: the scan finds what the same hives
// imported into an emulated machine give; the clean removes exactly those
// values and keys (each hive exported with hivexregedit before and after),
// leaves hives that Windows and hivex read, and keeps the originals; a
// killed clean, a dirty log, a hibernated Windows, --read-only and a
// read-only folder leave every file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ansi_case.h"
#include "platform/ansi_codepage.h"
#include "platform/offline/regf_header.h"
#include "tests/support/offline_installation.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/tsv_fields.h"

namespace {

namespace fs = std::filesystem;

using testing_support::OfflineInstallation;
using testing_support::OfflineUser;
using testing_support::ProgramRun;
using testing_support::RunProgram;

constexpr const char* kCurrentSid = "S-1-5-21-0-0-0-1000";
constexpr const char* kRecent = "C:\\Users\\jmroberts\\AppData\\Roaming\\Microsoft\\Windows\\Recent";

const std::vector<OfflineUser>& Users() {
    static const std::vector<OfflineUser> users = {
        {"jmroberts", kCurrentSid, "win7-ntuser.dat"},
        {"nfury", "S-1-5-21-111-222-333-1002", "win7-ntuser-2.dat"},
        {"vibranium", "S-1-5-21-111-222-333-1001", "win10-ntuser.dat"},
    };
    return users;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// The lines after the header.
std::vector<std::string> Lines(const std::string& text, bool skipHeader = true) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    if (skipHeader && !lines.empty()) lines.erase(lines.begin());
    return lines;
}

// A hivexregedit export as its entries in order: "[KEY]" for each key and
// "[KEY]" TAB "VALUE LINE" for each value (its continuation lines joined),
// in the ANSI code page, where the clean's report names them too.
std::vector<std::string> Entries(const std::string& exported) {
    std::vector<std::string> entries;
    std::string key;
    std::string pending;
    for (const std::string& utf8 : Lines(exported, false)) {
        const std::string line = platform::Utf8ToAnsi(utf8);
        if (!pending.empty()) {
            pending += line;
        } else if (line.starts_with("[")) {
            key = platform::UpperName(line);
            entries.push_back(key);
            continue;
        } else if (line.starts_with("\"") || line.starts_with("@")) {
            pending = line;
        } else {
            continue;
        }
        if (!pending.empty() && pending.back() == '\\') continue;
        entries.push_back(key + "\t" + pending);
        pending.clear();
    }
    return entries;
}

// What only one of two lists holds, for a failure's message.
std::string Difference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    const std::multiset<std::string> left(a.begin(), a.end());
    const std::multiset<std::string> right(b.begin(), b.end());
    std::string text;
    int shown = 0;
    for (const std::string& line : left)
        if (right.count(line) < left.count(line) && shown++ < 20) text += "\n- " + line;
    for (const std::string& line : right)
        if (left.count(line) < right.count(line) && shown++ < 40) text += "\n+ " + line;
    return text.empty() ? "\n(the same lines, in another order)" : text;
}

// The name a value line starts with, as a .reg file spells it.
std::string ValueName(const std::string& line) {
    if (line.starts_with("@=")) return "";
    std::string name;
    for (std::size_t i = 1; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        name += line[i];
    }
    return name;
}

// "HKCU\A" or "HKU\S-...\A" as the key of an export under HKEY_USERS.
std::string ExportKey(const std::string& place) {
    const std::size_t cut = place.find('\\');
    const std::string root = place.substr(0, cut);
    const std::string rest = cut == std::string::npos ? "" : place.substr(cut);
    std::string full;
    if (root == "HKCU") full = std::string("HKEY_USERS\\") + kCurrentSid + rest;
    if (root == "HKU") full = "HKEY_USERS" + rest;
    if (root == "HKLM") full = "HKEY_LOCAL_MACHINE" + rest;
    return platform::UpperName("[" + full + "]");
}

class OfflineCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (RunProgram("hivexregedit", {"--help"}).exitCode == 127)
            GTEST_SKIP() << "hivexregedit (Debian libhivex-bin) is not installed";
        WriteFile(windows_.HostPath(std::string(kRecent) + "\\letter.lnk"), "x");
        WriteFile(windows_.HostPath(std::string(kRecent) + "\\photo.lnk"), "y");
    }

    static ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }
    ProgramRun OnWindows(std::vector<std::string> arguments, const std::vector<std::string>& options = {}) {
        std::vector<std::string> all = {"--windows", windows_.Drive().string(), "--user", "jmroberts"};
        all.insert(all.end(), options.begin(), options.end());
        all.insert(all.end(), arguments.begin(), arguments.end());
        return Cli(all);
    }
    std::vector<std::string> ScanRows(const ProgramRun& run) {
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return Lines(run.out);
    }
    // Each hive exported under the key Windows loads it as.
    std::map<std::string, std::string> Exports() {
        std::map<std::string, std::string> exports;
        for (const OfflineUser& user : Users())
            exports[user.name] =
                testing_support::ExportForImport(windows_.NtUser(user.name), "HKEY_USERS\\" + user.sid);
        exports["SOFTWARE"] = testing_support::ExportForImport(windows_.Software(), "HKEY_LOCAL_MACHINE\\SOFTWARE");
        return exports;
    }

    OfflineInstallation windows_{Users()};
};

TEST_F(OfflineCliTest, ScanFindsWhatTheSameHivesImportedIntoAnEmulatedMachineFind) {
    const std::vector<std::string> offline = ScanRows(OnWindows({"scan", "--format", "tsv", "--quiet"}));

    testing_support::ScratchPrefix prefix;
    const fs::path regFile = prefix.Home() / "import.reg";
    for (const OfflineUser& user : Users()) {
        const std::string root = user.sid == kCurrentSid ? "HKEY_CURRENT_USER" : "HKEY_USERS\\" + user.sid;
        WriteFile(regFile, testing_support::ExportForImport(windows_.NtUser(user.name), root));
        const ProgramRun imported = Cli({"reg", "import", regFile.string()});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
    }
    WriteFile(regFile, testing_support::ExportForImport(windows_.Software(), "HKEY_LOCAL_MACHINE\\SOFTWARE"));
    ASSERT_EQ(Cli({"reg", "import", regFile.string()}).exitCode, 0);
    for (const char* name : {"letter.lnk", "photo.lnk"})
        WriteFile(prefix.Home() / "drive_c/Users/jmroberts/AppData/Roaming/Microsoft/Windows/Recent" / name, "x");
    const std::vector<std::string> emulated = ScanRows(Cli({"scan", "--format", "tsv", "--quiet"}));

    EXPECT_GT(offline.size(), 100u);
    EXPECT_TRUE(offline == emulated) << Difference(offline, emulated);
    bool recentFound = false;
    for (const std::string& row : offline) recentFound = recentFound || row.find("letter.lnk") != std::string::npos;
    EXPECT_TRUE(recentFound);
}

TEST_F(OfflineCliTest, CleanRemovesExactlyWhatItFoundAndKeepsEveryOtherKeyAndValue) {
    const std::map<std::string, std::string> before = Exports();
    const ProgramRun clean = OnWindows({"clean", "--format", "tsv", "--quiet", "--no-plugins"});
    ASSERT_EQ(clean.exitCode, 0) << clean.err << clean.out;

    std::set<std::string> deletedValues;  // KEY TAB NAME, upper-cased
    std::set<std::string> deletedKeys;
    std::size_t deletedFiles = 0;
    for (const std::string& line : Lines(clean.out)) {
        const std::vector<std::string> fields = testing_support::TsvFields(platform::Utf8ToAnsi(line));
        ASSERT_GE(fields.size(), 4u) << line;
        if (fields[0] == "total") continue;
        EXPECT_TRUE(fields[0] == "deleted" || fields[0] == "absent") << line;
        if (fields[0] != "deleted") continue;
        if (fields[1] == "value") deletedValues.insert(ExportKey(fields[2]) + "\t" + platform::UpperName(fields[3]));
        if (fields[1] == "key") deletedKeys.insert(ExportKey(fields[2]));
        if (fields[1] == "file") ++deletedFiles;
    }
    EXPECT_GT(deletedValues.size(), 50u);
    EXPECT_EQ(deletedFiles, 2u);
    EXPECT_FALSE(fs::exists(windows_.HostPath(std::string(kRecent) + "\\letter.lnk")));

    const std::map<std::string, std::string> after = Exports();
    std::size_t gone = 0;
    for (const auto& [hive, exported] : before) {
        std::vector<std::string> expected;
        for (const std::string& entry : Entries(exported)) {
            const std::size_t tab = entry.find('\t');
            const std::string key = entry.substr(0, tab);
            // A deleted key goes with its values.
            if (deletedKeys.count(key) != 0) {
                if (tab == std::string::npos) ++gone;
                continue;
            }
            if (tab != std::string::npos &&
                deletedValues.count(key + "\t" + platform::UpperName(ValueName(entry.substr(tab + 1)))) != 0) {
                ++gone;
                continue;
            }
            expected.push_back(entry);
        }
        const std::vector<std::string> remaining = Entries(after.at(hive));
        EXPECT_TRUE(remaining == expected) << hive << Difference(remaining, expected);
    }
    EXPECT_EQ(gone, deletedValues.size() + deletedKeys.size());

    // Whole hives, as Windows checks them: the header's checksum holds and
    // no write is left unfinished; and the originals are kept.
    for (const OfflineUser& user : Users()) {
        const fs::path hive = windows_.NtUser(user.name);
        const platform::offline::RegfHeader header = platform::offline::ReadRegfHeader(ReadFile(hive));
        EXPECT_TRUE(header.isHive && header.checksumHolds && !header.Dirty()) << user.name;
        EXPECT_EQ(ReadFile(hive.string() + ".nimbrel-backup"), ReadFile(testing_support::TestHive(user.hive)));
        EXPECT_FALSE(fs::exists(hive.string() + ".nimbrel-new"));
    }
    EXPECT_FALSE(fs::exists(windows_.Software().string() + ".nimbrel-backup"))
        << "the SOFTWARE hive had nothing to clean";

    // A second scan finds none of it again.
    for (const std::string& row : ScanRows(OnWindows({"scan", "--format", "tsv", "--quiet"})))
        EXPECT_EQ(row.find("letter.lnk"), std::string::npos);
    const ProgramRun again = OnWindows({"clean", "--format", "tsv", "--quiet", "--no-plugins"});
    EXPECT_NE(again.exitCode, 0) << "the backups from the first clean are in the way";
    EXPECT_NE(again.err.find("nimbrel-backup"), std::string::npos) << again.err;
    const ProgramRun withoutBackup = OnWindows({"clean", "--quiet", "--no-plugins"}, {"--no-backup"});
    EXPECT_EQ(withoutBackup.exitCode, 0) << withoutBackup.err;
}

TEST_F(OfflineCliTest, AKilledCleanLeavesEveryHiveAsItWas) {
    setenv("NIMBREL_OFFLINE_TEST_STOP", "before-rename", 1);
    const ProgramRun killed = OnWindows({"clean", "--quiet", "--no-plugins"});
    unsetenv("NIMBREL_OFFLINE_TEST_STOP");
    EXPECT_EQ(killed.exitCode, -1) << "stopped as if killed";
    for (const OfflineUser& user : Users()) {
        EXPECT_EQ(ReadFile(windows_.NtUser(user.name)), ReadFile(testing_support::TestHive(user.hive)));
        EXPECT_TRUE(fs::exists(windows_.NtUser(user.name).string() + ".nimbrel-new"));
        EXPECT_FALSE(fs::exists(windows_.NtUser(user.name).string() + ".nimbrel-backup"));
    }
    // The next clean finishes the job and leaves no partial file.
    const ProgramRun clean = OnWindows({"clean", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    for (const OfflineUser& user : Users()) {
        EXPECT_FALSE(fs::exists(windows_.NtUser(user.name).string() + ".nimbrel-new"));
        EXPECT_NE(ReadFile(windows_.NtUser(user.name)), ReadFile(testing_support::TestHive(user.hive)));
    }
}

TEST_F(OfflineCliTest, ADirtyTransactionLogIsRefusedAndNothingChanges) {
    const fs::path hive = windows_.NtUser("nfury");
    fs::last_write_time(hive, fs::file_time_type::clock::now() - std::chrono::hours(2));
    WriteFile(hive.string() + ".LOG1", "regf" + std::string(4092, '\0'));
    const auto before = testing_support::FolderContents(windows_.Drive());

    const ProgramRun clean = OnWindows({"clean", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 1);
    EXPECT_NE(clean.err.find("not shut down cleanly"), std::string::npos) << clean.err;
    EXPECT_NE(clean.err.find("Fast Startup"), std::string::npos) << clean.err;
    EXPECT_NE(clean.err.find("NTUSER.DAT.LOG1"), std::string::npos) << clean.err;
    // A scan still shows what the file holds, and says what it may miss.
    const ProgramRun scan = OnWindows({"scan", "--format", "tsv", "--quiet"});
    EXPECT_EQ(scan.exitCode, 0);
    EXPECT_NE(scan.err.find("note:"), std::string::npos) << scan.err;
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);
}

TEST_F(OfflineCliTest, AHiveLeftDirtyIsRefused) {
    // This hive's two sequence numbers differ: Windows was writing it.
    fs::copy_file(testing_support::TestHive("win10-ntuser-office.dat"), windows_.NtUser("vibranium"),
                  fs::copy_options::overwrite_existing);
    const auto before = testing_support::FolderContents(windows_.Drive());
    const ProgramRun clean = OnWindows({"clean", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 1);
    EXPECT_NE(clean.err.find("sequence numbers"), std::string::npos) << clean.err;
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);
}

TEST_F(OfflineCliTest, AHibernatedWindowsIsRefused) {
    WriteFile(windows_.Drive() / "hiberfil.sys", "HIBR" + std::string(4092, '\0'));
    const auto before = testing_support::FolderContents(windows_.Drive());
    const ProgramRun clean = OnWindows({"clean", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 1);
    EXPECT_NE(clean.err.find("hibernated"), std::string::npos) << clean.err;
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);
}

TEST_F(OfflineCliTest, ReadOnlyWritesNothing) {
    const auto before = testing_support::FolderContents(windows_.Drive());
    EXPECT_FALSE(ScanRows(OnWindows({"scan", "--format", "tsv", "--quiet"}, {"--read-only"})).empty());
    const ProgramRun dryRun = OnWindows({"clean", "--dry-run", "--quiet", "--no-plugins"}, {"--read-only"});
    EXPECT_EQ(dryRun.exitCode, 0) << dryRun.err;
    const ProgramRun clean = OnWindows({"clean", "--no-plugins"}, {"--read-only"});
    EXPECT_EQ(clean.exitCode, 2) << clean.err;
    EXPECT_EQ(OnWindows({"reg", "query", "HKCU\\Software"}, {"--read-only"}).exitCode, 0);
    EXPECT_EQ(OnWindows({"list"}, {"--read-only"}).exitCode, 0);
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);
}

TEST_F(OfflineCliTest, AReadOnlyFolderScansAndRefusesTheClean) {
    fs::permissions(windows_.Drive() / "Users" / "nfury",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const auto before = testing_support::FolderContents(windows_.Drive());
    EXPECT_FALSE(ScanRows(OnWindows({"scan", "--format", "tsv", "--quiet"})).empty());
    const ProgramRun clean = OnWindows({"clean", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 1);
    EXPECT_NE(clean.err.find("read-only"), std::string::npos) << clean.err;
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);
}

TEST_F(OfflineCliTest, AReadOnlyMountScansAndRefusesTheClean) {
    // The installation seen through a read-only bind mount, where the test
    // may mount (as root); elsewhere the test is skipped.
    std::string pattern = (fs::temp_directory_path() / "nimbrel-mount-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path mounted = pattern;
    const std::string drive = windows_.Drive().string();
    if (RunProgram("mount", {"--bind", drive, mounted.string()}).exitCode != 0) {
        fs::remove(mounted);
        GTEST_SKIP() << "cannot bind-mount here";
    }
    const bool readOnly = RunProgram("mount", {"-o", "remount,bind,ro", mounted.string()}).exitCode == 0;
    const auto before = testing_support::FolderContents(windows_.Drive());
    const ProgramRun scan =
        Cli({"--windows", mounted.string(), "--user", "jmroberts", "scan", "--format", "tsv", "--quiet"});
    const ProgramRun clean =
        Cli({"--windows", mounted.string(), "--user", "jmroberts", "clean", "--quiet", "--no-plugins"});
    RunProgram("umount", {mounted.string()});
    fs::remove(mounted);
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(scan.exitCode, 0) << scan.err;
    EXPECT_GT(Lines(scan.out).size(), 100u);
    EXPECT_EQ(clean.exitCode, 1);
    EXPECT_NE(clean.err.find("mounted read-only"), std::string::npos) << clean.err;
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);
}

TEST_F(OfflineCliTest, SeveralUsersWithoutUserAreListed) {
    const ProgramRun run = Cli({"--windows", windows_.Drive().string(), "scan"});
    EXPECT_EQ(run.exitCode, 1);
    for (const OfflineUser& user : Users()) {
        EXPECT_NE(run.err.find(user.name), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(user.sid), std::string::npos) << run.err;
    }
    const ProgramRun wrong = Cli({"--windows", windows_.Drive().string(), "--user", "nobody", "scan"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("no such user"), std::string::npos) << wrong.err;
}

TEST_F(OfflineCliTest, CommandsThatChangeTheRegistryByHandAreRefused) {
    for (const std::vector<std::string>& command : {std::vector<std::string>{"reg", "add", "HKCU\\Software\\X"},
                                                    {"reg", "delete", "HKCU\\Software\\X"},
                                                    {"settings", "set", "MSOffice", "off"},
                                                    {"shred", "x"},
                                                    {"runonce"}}) {
        const ProgramRun run = OnWindows(command);
        EXPECT_EQ(run.exitCode, 2) << command[0] << ": " << run.err;
    }
    EXPECT_EQ(Cli({"--windows", windows_.Drive().string(), "--home", "/tmp/x", "scan"}).exitCode, 2);
    EXPECT_EQ(Cli({"--user", "jmroberts", "scan"}).exitCode, 2);
}

TEST_F(OfflineCliTest, AFolderOutsideTheInstallationIsNeverCleaned) {
    // The Recent folder made a link to a folder elsewhere: its files are
    // neither listed for deleting nor deleted.
    std::string pattern = (fs::temp_directory_path() / "nimbrel-outside-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path outside = pattern;
    WriteFile(outside / "keep.lnk", "keep");
    const fs::path recent = windows_.HostPath(kRecent);
    fs::remove_all(recent);
    fs::create_directory_symlink(outside, recent);

    const ProgramRun clean = OnWindows({"clean", "--format", "tsv", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.out.find("keep.lnk"), std::string::npos) << clean.out;
    EXPECT_TRUE(fs::exists(outside / "keep.lnk"));
    fs::remove_all(outside);
}

#ifdef NIMBREL_PROGRAM
TEST_F(OfflineCliTest, NimbrelSilentCleansTheInstallation) {
    const std::string drive = windows_.Drive().string();
    const auto before = testing_support::FolderContents(windows_.Drive());
    const ProgramRun refused =
        RunProgram(NIMBREL_PROGRAM, {"--windows", drive, "--user", "jmroberts", "--read-only", "-SILENT"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("--read-only"), std::string::npos) << refused.err;
    EXPECT_EQ(testing_support::FolderContents(windows_.Drive()), before);

    const ProgramRun silent = RunProgram(NIMBREL_PROGRAM, {"--windows", drive, "--user", "jmroberts", "-SILENT"});
    EXPECT_EQ(silent.exitCode, 0) << silent.err;
    EXPECT_FALSE(fs::exists(windows_.HostPath(std::string(kRecent) + "\\letter.lnk")));
    for (const OfflineUser& user : Users())
        EXPECT_EQ(ReadFile(windows_.NtUser(user.name).string() + ".nimbrel-backup"),
                  ReadFile(testing_support::TestHive(user.hive)));
    EXPECT_EQ(RunProgram(NIMBREL_PROGRAM, {"--user", "jmroberts", "-SILENT"}).exitCode, 2);
}
#endif

class OfflineHiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (RunProgram("hivexregedit", {"--help"}).exitCode == 127)
            GTEST_SKIP() << "hivexregedit (Debian libhivex-bin) is not installed";
        std::string pattern = (fs::temp_directory_path() / "nimbrel-hive-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        hive_ = folder_ / "NTUSER.DAT";
        fs::copy_file(testing_support::TestHive("win7-ntuser.dat"), hive_);
        fs::permissions(hive_, fs::perms::owner_write, fs::perm_options::add);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
    fs::path hive_;
};

TEST_F(OfflineHiveTest, ASingleUserHiveIsTheCurrentUser) {
    const ProgramRun offline =
        RunProgram(NIMBREL_CLI, {"--hive", hive_.string(), "scan", "--format", "tsv", "--quiet"});
    ASSERT_EQ(offline.exitCode, 0) << offline.err;

    testing_support::ScratchPrefix prefix;
    const fs::path regFile = prefix.Home() / "import.reg";
    WriteFile(regFile, testing_support::ExportForImport(hive_, "HKEY_CURRENT_USER"));
    ASSERT_EQ(RunProgram(NIMBREL_CLI, {"reg", "import", regFile.string()}).exitCode, 0);
    const ProgramRun emulated = RunProgram(NIMBREL_CLI, {"scan", "--format", "tsv", "--quiet"});
    EXPECT_TRUE(Lines(offline.out) == Lines(emulated.out)) << Difference(Lines(offline.out), Lines(emulated.out));
    EXPECT_GT(Lines(offline.out).size(), 100u);

    const ProgramRun clean = RunProgram(NIMBREL_CLI, {"--hive", hive_.string(), "clean", "--quiet", "--no-plugins"});
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(ReadFile(hive_.string() + ".nimbrel-backup"), ReadFile(testing_support::TestHive("win7-ntuser.dat")));
    const ProgramRun after = RunProgram(NIMBREL_CLI, {"--hive", hive_.string(), "scan", "--format", "tsv", "--quiet"});
    EXPECT_LT(Lines(after.out).size(), 10u) << after.out;
}

TEST_F(OfflineHiveTest, AFileThatIsNoHiveIsRefused) {
    WriteFile(folder_ / "notes.txt", "not a hive");
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"--hive", (folder_ / "notes.txt").string(), "scan"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not a registry hive"), std::string::npos) << run.err;
}

}  // namespace
