// The scan's progress bar on a terminal: redrawn at most about ten times a
// second, never on a terminal that calls itself dumb, never with --quiet;
// and a scan that finds nothing says how to give the machine something.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/terminal_run.h"

namespace {

using testing_support::TerminalRun;

TerminalRun OnTerminal(const std::vector<std::string>& arguments, const char* term) {
    return testing_support::RunOnTerminal(NIMBREL_CLI, arguments, term);
}

long Redraws(const std::string& screen) { return std::count(screen.begin(), screen.end(), '\r'); }

TEST(CliProgressTest, IsDrawnSparinglyAndOnlyWhereItCanBe) {
    testing_support::ScratchPrefix prefix;
    ASSERT_EQ(testing_support::RunProgram(
                  NIMBREL_CLI, {"reg", "import", std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg"})
                  .exitCode,
              0);
    const TerminalRun drawn = OnTerminal({"scan", "--format", "tsv"}, "xterm");
    EXPECT_NE(drawn.screen.find("Scanning ["), std::string::npos);
    // Each drawing is one carriage return (the terminal adds one per line
    // of output too); the bar is wiped once at the end.
    const long lines = std::count(drawn.screen.begin(), drawn.screen.end(), '\n');
    EXPECT_LE(Redraws(drawn.screen) - lines, 2 + static_cast<long>(drawn.seconds * 10) + 1) << drawn.seconds;

    for (const TerminalRun& plain : {OnTerminal({"scan", "--format", "tsv"}, "dumb"),
                                     OnTerminal({"scan", "--format", "tsv", "--quiet"}, "xterm")}) {
        EXPECT_EQ(plain.screen.find("Scanning ["), std::string::npos);
    }
}

TEST(CliProgressTest, AScanThatFindsNothingSaysHowToGiveTheMachineSomething) {
    testing_support::ScratchPrefix prefix;
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"scan", "--format", "tsv"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("reg import samples/demo-profile.reg"), std::string::npos) << run.err;
    EXPECT_EQ(testing_support::RunProgram(NIMBREL_CLI, {"scan", "--quiet"}).err, "");
}

}  // namespace
