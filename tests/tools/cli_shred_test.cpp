// nimbrel-cli shred, run as a process: a file goes for good, and what
// cannot be shredded is said in one line and left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/shred_file_io.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::HostPath;
using testing_support::ProgramRun;
using testing_support::ReadBytes;
using testing_support::RunProgram;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class CliShred : public testing::Test {
protected:
    ScratchFolder folder;
    const std::string file = folder.Path("cookie.txt");
    const std::string contents = std::string(40000, 'q');
    void SetUp() override { WriteBytes(file, contents); }

    // A refusal: exit 1, nothing on stdout, one line on stderr holding reason.
    void ExpectRefused(const std::vector<std::string>& arguments, const std::string& reason) {
        const ProgramRun run = RunProgram(NIMBREL_CLI, arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("nimbrel-cli: cannot shred ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }

    bool FolderEmpty() const { return fs::is_empty(HostPath(folder.Path())); }
};

TEST_F(CliShred, AWindowsPathGoesForGood) {
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"shred", file, "--passes", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_TRUE(FolderEmpty());
}

TEST_F(CliShred, AHostPathNamesTheSameFile) {
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"shred", HostPath(file).string(), "--passes", "0"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(FolderEmpty());
}

TEST_F(CliShred, AMissingFileIsRefused) { ExpectRefused({"shred", folder.Path("absent.txt")}, "no such file"); }

TEST_F(CliShred, AFolderIsRefusedAndKept) {
    ExpectRefused({"shred", folder.Path()}, "it is a folder");
    EXPECT_EQ(ReadBytes(file), contents);
}

TEST_F(CliShred, AReadOnlyFileIsRefusedAndKept) {
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(HostPath(file), writable, fs::perm_options::remove);
    ExpectRefused({"shred", file}, "read-only");
    fs::permissions(HostPath(file), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadBytes(file), contents);
}

TEST_F(CliShred, AFileInUseIsReportedAndKept) {
    const platform::shred_io::OpenResult holder = platform::shred_io::OpenExclusive(file, false);
    ASSERT_EQ(holder.status, platform::shred_io::OpenStatus::kOpened);
    ExpectRefused({"shred", file}, "in use");
    platform::shred_io::Close(holder.handle);
    EXPECT_EQ(ReadBytes(file), contents);
}

TEST_F(CliShred, AFileWithAnotherNameIsRefusedAndKeptUnderBoth) {
    ScratchFolder elsewhere;
    const std::string otherName = elsewhere.Path("kept.txt");
    fs::create_hard_link(HostPath(file), HostPath(otherName));
    ExpectRefused({"shred", file, "--passes", "1"}, "hard links");
    EXPECT_EQ(ReadBytes(file), contents);
    EXPECT_EQ(ReadBytes(otherName), contents);
}

TEST_F(CliShred, APassCountOutOfRangeIsAUsageError) {
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"shred", file, "--passes", "40000"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(ReadBytes(file), contents);
}

}  // namespace
