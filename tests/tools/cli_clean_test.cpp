// nimbrel-cli clean, run as a process on the demo profile: the dry run,
// the clean and its totals, and the backup that reg import restores.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/emulated/paths.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;

using testing_support::ProgramRun;
using testing_support::RunProgram;

class CliCleanTest : public ::testing::Test {
protected:
    CliCleanTest() {
        EXPECT_EQ(Cli({"reg", "import", std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg"}).exitCode, 0);
        const ProgramRun recent = Cli({"reg", "query", "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                       "--value", "Recent"});
        const std::size_t at = recent.out.find("C:\\");
        EXPECT_NE(at, std::string::npos) << recent.out;
        recentFolder_ = recent.out.substr(at, recent.out.find('\n', at) - at);
        std::ofstream(platform::emulated::ToHostPath(recentFolder_ + "\\letter.lnk")) << "x";
    }

    ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }
    std::string ScanTsv() {
        const ProgramRun run = Cli({"scan", "--format", "tsv"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
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
    EXPECT_NE(run.out.find("key\tHKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU\n"),
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
    EXPECT_EQ(run.out + "Dry run: nothing was deleted.\n", totals);
    EXPECT_EQ(ScanTsv(), "");
    EXPECT_FALSE(LetterThere());
    // A look-alike that the catalogue does not name stays.
    EXPECT_EQ(Cli({"reg", "query", "HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs", "--value", "url100"}).exitCode, 0);
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

TEST_F(CliCleanTest, ABackupThatCannotBeWrittenStopsTheClean) {
    const std::string before = ScanTsv();
    const ProgramRun run = Cli({"clean", "--backup", (prefix_.Home() / "no" / "such" / "b.reg").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("nothing was cleaned"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ScanTsv(), before);
    EXPECT_TRUE(LetterThere());
}

TEST_F(CliCleanTest, NoBackupIsWrittenUnlessAsked) {
    ASSERT_EQ(Cli({"clean"}).exitCode, 0);
    for (const auto& entry : fs::directory_iterator(prefix_.Home())) {
        EXPECT_NE(entry.path().extension(), ".reg") << entry.path();
    }
}

}  // namespace
