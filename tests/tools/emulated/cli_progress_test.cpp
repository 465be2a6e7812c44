// The scan's progress bar on a terminal: redrawn at most about ten times a
// second, never on a terminal that calls itself dumb, never with --quiet;
// and a scan that finds nothing says how to give the machine something.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

struct TerminalRun {
    std::string screen;  // stdout and stderr as the terminal got them
    double seconds = 0;
};

// Runs nimbrel-cli on a pseudo-terminal with TERM set to term.
TerminalRun OnTerminal(const std::vector<std::string>& arguments, const char* term) {
    const auto start = std::chrono::steady_clock::now();
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        setenv("TERM", term, 1);
        std::vector<char*> argv{const_cast<char*>(NIMBREL_CLI)};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(NIMBREL_CLI, argv.data());
        _exit(127);
    }
    TerminalRun run;
    char buffer[4096];
    for (ssize_t got; (got = read(master, buffer, sizeof buffer)) > 0;) run.screen.append(buffer, got);
    close(master);
    waitpid(pid, nullptr, 0);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

long Redraws(const std::string& screen) { return std::count(screen.begin(), screen.end(), '\r'); }

TEST(CliProgressTest, IsDrawnSparinglyAndOnlyWhereItCanBe) {
    testing_support::ScratchPrefix prefix;
    ASSERT_EQ(testing_support::RunProgram(NIMBREL_CLI, {"reg", "import",
                                                        std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg"})
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
