// nimbrel-cli shred, run as a process, given a file of the host outside the
// machine's drives or one reached through a link: refused in one line and
// left byte for byte as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/decoy_folder.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

namespace {

struct OutsideFile {
    const char* name;
    std::string (*argument)(const testing_support::DecoyFolder& decoy);
};

class CliShredOutside : public testing::TestWithParam<OutsideFile> {
protected:
    testing_support::ScratchPrefix prefix;
    testing_support::DecoyFolder decoy;
};

TEST_P(CliShredOutside, IsRefusedAndKept) {
    decoy.Write("secret.txt", "the host's own");
    std::filesystem::create_directories(testing_support::HostPath("C:\\Folder"));
    std::filesystem::create_directory_symlink(decoy.Host(), testing_support::HostPath("C:\\Folder\\linked"));
    const auto before = decoy.Contents();
    const std::string argument = GetParam().argument(decoy);

    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"shred", argument});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "nimbrel-cli: cannot shred " + argument +
                           ": only files on the machine's own drives, reached without a link or a mount point, are "
                           "shredded; it was left as it was\n");
    EXPECT_EQ(decoy.Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Places, CliShredOutside,
    testing::Values(
        OutsideFile{"HostPath",
                    [](const testing_support::DecoyFolder& decoy) { return (decoy.Host() / "secret.txt").string(); }},
        OutsideFile{"DriveZ",
                    [](const testing_support::DecoyFolder& decoy) { return decoy.WindowsPath() + "\\secret.txt"; }},
        OutsideFile{"LinkOnTheWay",
                    [](const testing_support::DecoyFolder&) { return std::string("C:\\Folder\\linked\\secret.txt"); }}),
    [](const testing::TestParamInfo<OutsideFile>& info) { return info.param.name; });

}  // namespace
