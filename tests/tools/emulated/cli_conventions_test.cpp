// nimbrel-cli as its users expect of a command-line tool: the version the
// About window shows, help for each command, a mistyped command answered
// with the nearest one, the documented exit codes, and the machine in use
// named by --home before or after the command, an empty NIMBREL_HOME
// refused and a new machine announced.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/terminal_run.h"
#include "ui/about_window_model.h"

namespace {

using testing_support::ProgramRun;
using testing_support::RunProgram;

ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }

TEST(CliConventionsTest, AnswersAsItsUsersExpect) {
    testing_support::ScratchPrefix prefix;
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string outStart;  // what stdout begins with
        std::string err;       // all of stderr
    };
    const std::string version = std::string(ui::AboutWindowModel::klblVersion).substr(8);  // after "Version "
    const Case cases[] = {
        {{"--version"}, 0, "nimbrel-cli " + version + "\n", ""},
        {{"scna"}, 2, "", "nimbrel-cli: unknown command 'scna'; did you mean 'scan'?\n"},
        {{"claen", "--dry-run"}, 2, "", "nimbrel-cli: unknown command 'claen'; did you mean 'clean'?\n"},
        {{"frobnicate"}, 2, "", "nimbrel-cli: unknown command 'frobnicate'\n"},
        {{"help", "scan"}, 0, "Scan with the current settings", ""},
        {{"help", "nothing"}, 2, "", "nimbrel-cli: no command 'nothing'; \"nimbrel-cli help\" lists them\n"},
        {{"scan", "--format", "xml"}, 2, "", ""},
        {{"help", "catalogue"}, 0, "List every place the catalogue can probe", ""},
        {{"catalogue", "--format", "xml"}, 2, "", ""},
        {{"reg", "query", "HKCU\\Nowhere"}, 1, "", ""},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Cli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.front() << ": " << run.err;
        EXPECT_EQ(run.out.substr(0, c.outStart.size()), c.outStart) << c.arguments.front();
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        }
        if (c.exitCode != 0) {
            EXPECT_NE(run.err, "") << c.arguments.front();
        }
    }
    const ProgramRun help = Cli({"--help"});
    EXPECT_NE(help.out.find("NIMBREL_HOME"), std::string::npos);
    EXPECT_NE(help.out.find("Exit codes: 0"), std::string::npos);
}

TEST(CliConventionsTest, HomeNamesTheMachineBeforeOrAfterTheCommand) {
    testing_support::ScratchPrefix prefix;  // NIMBREL_HOME, which --home overrides
    const std::filesystem::path other = prefix.Home() / "other machine";
    const std::string key = "HKCU\\Software\\Marker";
    const ProgramRun created = Cli({"--home", other.string(), "reg", "add", key});
    EXPECT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.err, "nimbrel-cli: new machine in " + other.string() + "\n");
    const ProgramRun after = Cli({"reg", "query", key, "--home", other.string()});
    EXPECT_EQ(after.exitCode, 0) << after.err;
    EXPECT_EQ(after.err, "");                           // the machine is there now
    EXPECT_EQ(Cli({"reg", "query", key}).exitCode, 1);  // NIMBREL_HOME's machine has no marker
    EXPECT_EQ(Cli({"--home", "", "scan"}).exitCode, 2);

    const std::string saved = getenv("NIMBREL_HOME");
    setenv("NIMBREL_HOME", "", 1);
    const ProgramRun empty = Cli({"scan"});
    setenv("NIMBREL_HOME", saved.c_str(), 1);
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_NE(empty.err.find("NIMBREL_HOME is set but empty"), std::string::npos) << empty.err;
}

// reg.exe's switches mean what they mean there; deleting a key with
// subkeys asks first on a terminal, unless /f or --force.
TEST(CliConventionsTest, RegTakesRegExeSwitchesAndAsksBeforeDeletingATree) {
    testing_support::ScratchPrefix prefix;
    EXPECT_EQ(Cli({"reg", "add", "HKCU\\Software\\T\\Sub", "/v", "n", "/t", "REG_DWORD", "/d", "5", "/f"}).exitCode, 0);
    EXPECT_EQ(Cli({"reg", "add", "HKCU\\Software\\T", "/VE", "/D", "/v"}).exitCode, 0);
    EXPECT_NE(Cli({"reg", "query", "HKCU\\Software\\T\\Sub", "/v", "n"}).out.find("REG_DWORD    0x5"),
              std::string::npos);
    EXPECT_NE(Cli({"reg", "query", "HKCU\\Software\\T"}).out.find("(Default)    REG_SZ    /v"), std::string::npos);

    const auto refused =
        testing_support::RunOnTerminal(NIMBREL_CLI, {"reg", "delete", "HKCU\\Software\\T"}, "xterm", "n\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.screen.find("and its 1 subkey with all below them? (y/N)"), std::string::npos) << refused.screen;
    EXPECT_EQ(Cli({"reg", "query", "HKCU\\Software\\T"}).exitCode, 0);
    const auto forced =
        testing_support::RunOnTerminal(NIMBREL_CLI, {"reg", "delete", "HKCU\\Software\\T", "/f"}, "xterm");
    EXPECT_EQ(forced.exitCode, 0) << forced.screen;
    EXPECT_EQ(Cli({"reg", "query", "HKCU\\Software\\T"}).exitCode, 1);
}

}  // namespace
