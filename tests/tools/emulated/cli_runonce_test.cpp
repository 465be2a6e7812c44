// nimbrel-cli runonce on a machine of its own: each value is removed before
// its command starts, ixwipe is found beside nimbrel-cli whatever folder the
// command names, and --install writes an autostart entry for this prefix.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/emulated/paths.h"
#include "platform/run_once.h"
#include "registry/mod_registry.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/tsv_fields.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramRun;
using testing_support::ReadBytes;
using testing_support::RunProgram;
using testing_support::WriteBytes;

void Schedule(const std::string& name, const std::string& command) {
    modRegistry::WriteValue("HKLM", platform::kRunOnceKey, name, "S", command);
}

bool Scheduled(const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKLM", platform::kRunOnceKey, name, "S", modRegistry::ValueHolder("<none>"), value);
    return value.Text() != "<none>";
}

class CliRunOnce : public testing::Test {
protected:
    testing_support::ScratchPrefix prefix;
    const std::string cli = platform::emulated::ToWindowsPath(fs::path(NIMBREL_CLI));
};

TEST_F(CliRunOnce, AnEmptyListDoesNothing) {
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"runonce"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
}

TEST_F(CliRunOnce, IxwipeOfAnyFolderIsTheOneBesideTheCli) {
    fs::create_directories(testing_support::HostPath("C:\\Cookies"));
    WriteBytes("C:\\Cookies\\INDEX.DAT", "history");
    modRegistry::WriteValue("HKLM", "Software\\Nimbrel\\Crumbex", "Location", "S", "C:\\Cookies");
    Schedule("Nimbrel", "C:\\Program Files\\Nimbrel\\ixwipe.exe -COOKIES");

    const ProgramRun run = RunProgram(NIMBREL_CLI, {"runonce"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(Scheduled("Nimbrel"));
    EXPECT_FALSE(ReadBytes("C:\\Cookies\\INDEX.DAT").has_value());
}

TEST_F(CliRunOnce, EachValueIsRemovedBeforeItsCommandRuns) {
    Schedule("Look", cli + " reg query HKLM\\" + platform::kRunOnceKey);
    Schedule("Later", "\"" + cli + "\" reg query HKLM\\" + platform::kRunOnceKey);
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"runonce"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The first command sees only the second value, the second sees none.
    EXPECT_EQ(run.out.find("Look"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Later"), std::string::npos) << run.out;
    EXPECT_FALSE(Scheduled("Look"));
    EXPECT_FALSE(Scheduled("Later"));
}

TEST_F(CliRunOnce, ACommandWithoutAProgramIsReportedAndStillRemoved) {
    Schedule("Broken", "C:\\Nowhere\\missing.exe /x");
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"runonce"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Broken"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("no program found"), std::string::npos) << run.err;
    EXPECT_FALSE(Scheduled("Broken"));
}

TEST_F(CliRunOnce, InstallWritesAnAutostartEntryForThisPrefix) {
    const fs::path config = prefix.Home() / "config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"runonce", "--install"});
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(run.exitCode, 0) << run.err;

    ASSERT_EQ(run.out.rfind("wrote " + (config / "autostart" / "nimbrel-runonce-").string(), 0), 0u) << run.out;
    std::ifstream in(run.out.substr(6, run.out.size() - 7));
    const std::string entry{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u) << entry;
    EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos) << entry;
    const std::string exec =
        "\nExec=env NIMBREL_HOME=" + prefix.Home().string() + " " + fs::path(NIMBREL_CLI).string() + " runonce\n";
    EXPECT_NE(entry.find(exec), std::string::npos) << entry;
}

TEST_F(CliRunOnce, InstallQuotesAPrefixPathAsTheDesktopEntryFormatWants) {
    const fs::path config = prefix.Home() / "config";
    const std::string home = (prefix.Home() / "my $prefix 100%").string();
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("NIMBREL_HOME", home.c_str(), 1);
    const ProgramRun run = RunProgram(NIMBREL_CLI, {"runonce", "--install"});
    setenv("NIMBREL_HOME", prefix.Home().c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(run.exitCode, 0) << run.err;

    std::ifstream in(run.out.substr(6, run.out.size() - 7));
    const std::string entry{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string quoted = "\"NIMBREL_HOME=" + prefix.Home().string() + "/my \\\\$prefix 100%%\"";
    EXPECT_NE(entry.find("Exec=env " + quoted + " "), std::string::npos) << entry;
}

// Two machines on one desktop each get an entry of their own; --uninstall
// takes away only its machine's, and --list shows what would run without
// running or removing anything.
TEST_F(CliRunOnce, EachMachineHasItsOwnEntryAndListRunsNothing) {
    const fs::path config = prefix.Home() / "config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const std::string other = (prefix.Home() / "other").string();
    const ProgramRun first = RunProgram(NIMBREL_CLI, {"runonce", "--install"});
    const ProgramRun second = RunProgram(NIMBREL_CLI, {"--home", other, "runonce", "--install"});
    const ProgramRun removed = RunProgram(NIMBREL_CLI, {"runonce", "--uninstall"});
    const ProgramRun again = RunProgram(NIMBREL_CLI, {"runonce", "--uninstall"});
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_NE(first.out, second.out);
    EXPECT_EQ(removed.out, "removed " + first.out.substr(6));
    EXPECT_FALSE(fs::exists(first.out.substr(6, first.out.size() - 7)));
    EXPECT_TRUE(fs::exists(second.out.substr(6, second.out.size() - 7)));
    EXPECT_EQ(again.exitCode, 1);

    Schedule("Nimbrel", cli + " reg add HKCU\\Ran");
    Schedule("Other", "C:\\Tools\\tool.exe -x");
    const ProgramRun list = RunProgram(NIMBREL_CLI, {"runonce", "--list"});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(testing_support::TsvRecords(list.out),
              (std::vector<std::vector<std::string>>{{"Nimbrel", cli + " reg add HKCU\\Ran"},
                                                     {"Other", "C:\\Tools\\tool.exe -x"}}));
    EXPECT_TRUE(Scheduled("Nimbrel"));
    EXPECT_TRUE(Scheduled("Other"));
    EXPECT_EQ(RunProgram(NIMBREL_CLI, {"reg", "query", "HKCU\\Ran"}).exitCode, 1);
}

}  // namespace
