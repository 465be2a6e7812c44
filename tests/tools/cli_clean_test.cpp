// nimbrel-cli clean, run as a process on the demo profile: the dry run,
// the clean and its totals, the backup that reg import restores, and the
// backups refused or failed before anything is deleted.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/emulated/paths.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/tsv_fields.h"

namespace {

namespace fs = std::filesystem;

using testing_support::ProgramRun;
using testing_support::RunProgram;

class CliCleanTest : public ::testing::Test {
protected:
    CliCleanTest() {
        EXPECT_EQ(Cli({"reg", "import", std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg"}).exitCode, 0);
        const ProgramRun recent =
            Cli({"reg", "query", "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 "--value", "Recent"});
        const std::size_t at = recent.out.find("C:\\");
        EXPECT_NE(at, std::string::npos) << recent.out;
        recentFolder_ = recent.out.substr(at, recent.out.find('\n', at) - at);
        std::ofstream(platform::emulated::ToHostPath(recentFolder_ + "\\letter.lnk")) << "x";
    }

    ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }
    // The rows, without the header line.
    std::string ScanTsv() {
        const ProgramRun run = Cli({"scan", "--format", "tsv"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out.substr(run.out.find('\n') + 1);
    }
    bool LetterThere() const { return fs::exists(platform::emulated::ToHostPath(recentFolder_ + "\\letter.lnk")); }

    testing_support::ScratchPrefix prefix_;
    std::string recentFolder_;
};

TEST_F(CliCleanTest, DryRunListsWhatWouldGoAndDeletesNothing) {
    const std::string before = ScanTsv();
    const ProgramRun run = Cli({"clean", "--dry-run"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("value\tHKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs\turl1\n"), std::string::npos)
        << run.out;
    EXPECT_NE(
        run.out.find("key\tHKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU\n"),
        std::string::npos);
    EXPECT_NE(run.out.find("file\t" + recentFolder_ + "\\letter.lnk\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nDry run: nothing was deleted.\n"), std::string::npos);
    EXPECT_EQ(ScanTsv(), before);
    EXPECT_TRUE(LetterThere());
}

TEST_F(CliCleanTest, CleanDeletesEverythingFoundAndPrintsTheTotals) {
    const ProgramRun dry = Cli({"clean", "--dry-run"});
    const ProgramRun run = Cli({"clean", "--no-plugins"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string totals = dry.out.substr(dry.out.find("Total Items Detected:"));
    const std::size_t would = totals.find("Would clean: ");
    ASSERT_NE(would, std::string::npos) << totals;
    EXPECT_EQ(run.out, totals.substr(0, would) + "Total Items Cleaned: " +
                           totals.substr(would + 13, totals.find('\n', would) + 1 - would - 13));
    EXPECT_EQ(ScanTsv(), "");
    EXPECT_FALSE(LetterThere());
    // A look-alike that the catalogue does not name stays.
    EXPECT_EQ(
        Cli({"reg", "query", "HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs", "--value", "url100"}).exitCode,
        0);
}

// An item that cannot be deleted is neither counted nor passed over: the
// records say which and why, the totals leave it out, and the exit code is 1.
TEST_F(CliCleanTest, EveryRowIsReportedAndAnItemThatStaysFailsTheClean) {
    namespace fs = std::filesystem;
    const fs::path letter = platform::emulated::ToHostPath(recentFolder_ + "\\letter.lnk");
    fs::permissions(letter, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const ProgramRun dry = Cli({"clean", "--dry-run", "--format", "json"});
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    const nlohmann::json preview = nlohmann::json::parse(dry.out);
    EXPECT_EQ(preview.at("dry_run"), true);

    const ProgramRun run = Cli({"clean", "--no-plugins", "--format", "json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("1 item could not be deleted"), std::string::npos) << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out);
    const nlohmann::json& rows = report.at("rows");
    ASSERT_EQ(rows.size(), preview.at("rows").size());
    // The current user's hive is listed twice: the second row of a pair
    // finds its item gone already.
    long cleaned = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const nlohmann::json& row = rows[i];
        const std::string result = row.at("result");
        if (row.at("place").get<std::string>().ends_with("letter.lnk")) {
            EXPECT_EQ(result, "failed");
            EXPECT_NE(row.at("reason").get<std::string>().find("error 5"), std::string::npos) << row.dump();
        } else {
            EXPECT_TRUE(result == "deleted" || result == "absent") << row.dump();
            ++cleaned;
        }
        EXPECT_EQ(preview.at("rows")[i].at("result"), "would-delete") << preview.at("rows")[i].dump();
    }
    EXPECT_EQ(
        report.at("totals"),
        (nlohmann::json{
            {"detected", rows.size()}, {"cleaned", cleaned}, {"not_deleted", 1}, {"plugin_files_not_deleted", 0}}));
    EXPECT_EQ(preview.at("totals").at("would_clean"), rows.size());
    EXPECT_TRUE(LetterThere());

    // Once it can go, a second clean deletes it; TSV has a header and the
    // same records.
    fs::permissions(letter, fs::perms::owner_write, fs::perm_options::add);
    const ProgramRun again = Cli({"clean", "--no-plugins", "--format", "tsv"});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    using Record = std::vector<std::string>;
    EXPECT_EQ(testing_support::TsvRecords(again.out),
              (std::vector<Record>{
                  {"result", "kind", "place", "name", "reason", "label"},
                  {"deleted", "file", recentFolder_ + "\\letter.lnk", "", "", "Windows 'Recent' Folder Item - 0"},
                  {"total", "detected", "1", "", "", ""},
                  {"total", "cleaned", "1", "", "", ""},
                  {"total", "not_deleted", "0", "", "", ""}}));
    EXPECT_FALSE(LetterThere());
}

TEST_F(CliCleanTest, TheBackupRestoresEveryRegistryTraceAndIsTheUsersAlone) {
    const std::string before = ScanTsv();
    const std::string backup = (prefix_.Home() / "traces.reg").string();
    const ProgramRun run = Cli({"clean", "--backup", backup});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    struct stat info;
    ASSERT_EQ(stat(backup.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(ScanTsv(), "");

    ASSERT_EQ(Cli({"reg", "import", backup}).exitCode, 0);
    // Every row comes back but the file, which no .reg file holds.
    std::string expected;
    std::istringstream lines(before);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("letter.lnk") == std::string::npos) expected += line + "\n";
    }
    EXPECT_EQ(ScanTsv(), expected);
}

// What a folder holds, without following links: each entry's type, and a
// file's bytes or where a link points.
std::map<std::string, std::string> FolderContents(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string& what = contents[entry.path().filename().string()];
        switch (entry.symlink_status().type()) {
            case fs::file_type::regular: {
                std::ifstream in(entry.path(), std::ios::binary);
                what = "file " + std::string(std::istreambuf_iterator<char>(in), {});
                break;
            }
            case fs::file_type::symlink:
                what = "link to " + fs::read_symlink(entry.path()).string();
                break;
            default:
                what = "type " + std::to_string(static_cast<int>(entry.symlink_status().type()));
        }
    }
    return contents;
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Each backup that is refused or cannot be written whole stops the clean
// before anything is deleted, and leaves the backup's folder as it was: no
// link followed, nothing but a regular file replaced, no partial file left.
TEST_F(CliCleanTest, ABackupThatIsRefusedOrCannotBeWrittenStopsTheClean) {
    using Arguments = std::vector<std::string>;
    struct Case {
        const char* what;
        // Makes what the case needs in its folder; the arguments after "clean".
        std::function<Arguments(const fs::path& folder)> make;
        int exitCode;
        const char* message;
        bool fileSizeLimit = false;
    };
    const std::vector<Case> cases = {
        {"an empty name",
         [](const fs::path&) {
             return Arguments{"--backup", ""};
         },
         2, "the backup needs a file name"},
        {"with a dry run",
         [](const fs::path& folder) {
             return Arguments{"--dry-run", "--backup", (folder / "b.reg").string()};
         },
         2, "a dry run changes nothing and writes no backup"},
        {"--force alone", [](const fs::path&) { return Arguments{"--force"}; }, 2, "--force requires --backup"},
        {"an existing file",
         [](const fs::path& folder) {
             WriteFile(folder / "b.reg", "the user's own");
             return Arguments{"--backup", (folder / "b.reg").string()};
         },
         1, "already exists"},
        {"a link to a decoy",
         [](const fs::path& folder) {
             WriteFile(folder / "decoy", "not to be touched");
             fs::create_symlink("decoy", folder / "b.reg");
             return Arguments{"--backup", (folder / "b.reg").string()};
         },
         1, "already exists"},
        {"a link to a decoy, with --force",
         [](const fs::path& folder) {
             WriteFile(folder / "decoy", "not to be touched");
             fs::create_symlink("decoy", folder / "b.reg");
             return Arguments{"--backup", (folder / "b.reg").string(), "--force"};
         },
         1, "not a regular file"},
        {"a link to nothing yet",
         [](const fs::path& folder) {
             fs::create_symlink("made-through-the-link", folder / "b.reg");
             return Arguments{"--backup", (folder / "b.reg").string()};
         },
         1, "already exists"},
        {"a pipe, with --force",
         [](const fs::path& folder) {
             EXPECT_EQ(mkfifo((folder / "b.reg").c_str(), 0600), 0);
             return Arguments{"--backup", (folder / "b.reg").string(), "--force"};
         },
         1, "not a regular file"},
        {"a device like /dev/null, with --force",
         [](const fs::path& folder) {
             if (mknod((folder / "b.reg").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) return Arguments{};
             return Arguments{"--backup", (folder / "b.reg").string(), "--force"};
         },
         1, "not a regular file"},
        {"a folder, with --force",
         [](const fs::path& folder) {
             fs::create_directory(folder / "b.reg");
             return Arguments{"--backup", (folder / "b.reg").string(), "--force"};
         },
         1, "not a regular file"},
        {"a missing folder",
         [](const fs::path& folder) {
             return Arguments{"--backup", (folder / "no" / "b.reg").string()};
         },
         1, "No such file or directory"},
        // Unwritable even for root, unlike a folder without write permission.
        {"a folder that is a file",
         [](const fs::path& folder) {
             WriteFile(folder / "file", "");
             return Arguments{"--backup", (folder / "file" / "b.reg").string()};
         },
         1, "Not a directory"},
        {"a file size limit smaller than the backup",
         [](const fs::path& folder) {
             return Arguments{"--backup", (folder / "b.reg").string()};
         },
         1, "File too large", true},
    };

    // A backup well over the file size limit below, which leaves room for
    // the registry store's own files (its shared-memory index is 32 KiB).
    ASSERT_EQ(Cli({"reg", "add", "HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs", "--value", "url1", "--type",
                   "REG_SZ", "--data", std::string(60000, 'u')})
                  .exitCode,
              0);
    const std::string before = ScanTsv();
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const Case& c = cases[index];
        SCOPED_TRACE(c.what);
        const fs::path folder = prefix_.Home() / ("backup-" + std::to_string(index));
        fs::create_directory(folder);
        Arguments arguments = c.make(folder);
        if (arguments.empty()) {
            std::cout << "[ SKIPPED  ] " << c.what << ": cannot be made here\n";
            continue;
        }
        const auto contents = FolderContents(folder);
        arguments.insert(arguments.begin(), "clean");
        if (c.fileSizeLimit) {
            // 64 KiB; the program itself must turn SIGXFSZ into a write error.
            arguments.insert(arguments.begin(), {"-c", "ulimit -f 64 && exec \"$0\" \"$@\"", NIMBREL_CLI});
        }
        const ProgramRun run = c.fileSizeLimit ? RunProgram("/bin/bash", arguments) : Cli(arguments);

        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        if (c.exitCode == 1) {
            EXPECT_NE(run.err.find("nothing was cleaned"), std::string::npos) << run.err;
        }
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(FolderContents(folder), contents);
        EXPECT_EQ(ScanTsv(), before);
        EXPECT_TRUE(LetterThere());
    }

    // --force replaces a regular file with a new one, the user's alone
    // (the one it replaces was anybody's).
    const auto existingCase = std::find_if(cases.begin(), cases.end(),
                                           [](const Case& c) { return std::string(c.what) == "an existing file"; });
    const fs::path existing = prefix_.Home() / ("backup-" + std::to_string(existingCase - cases.begin())) / "b.reg";
    fs::permissions(existing, fs::perms::all);
    const ProgramRun run = Cli({"clean", "--backup", existing.string(), "--force"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FolderContents(existing.parent_path()).at("b.reg").substr(0, 7), "file \xFF\xFE");
    EXPECT_EQ(FolderContents(existing.parent_path()).size(), 1u);
    EXPECT_EQ(fs::status(existing).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ScanTsv(), "");
}

TEST_F(CliCleanTest, NoBackupIsWrittenUnlessAsked) {
    ASSERT_EQ(Cli({"clean"}).exitCode, 0);
    for (const auto& entry : fs::directory_iterator(prefix_.Home())) {
        EXPECT_NE(entry.path().extension(), ".reg") << entry.path();
    }
}

}  // namespace
