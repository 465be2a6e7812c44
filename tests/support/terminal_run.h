// Runs a program on a pseudo-terminal, as a person at a terminal would:
// stdin, stdout and stderr are the terminal. POSIX only.
#pragma once

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace testing_support {

struct TerminalRun {
    std::string screen;  // stdout and stderr as the terminal got them (the typed input echoed)
    int exitCode = -1;
    double seconds = 0;
};

// term: the TERM the program sees; typed: what is typed once it starts.
inline TerminalRun RunOnTerminal(const std::string& program, const std::vector<std::string>& arguments,
                                 const char* term, const std::string& typed = {}) {
    const auto start = std::chrono::steady_clock::now();
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        setenv("TERM", term, 1);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    TerminalRun run;
    if (!typed.empty() && write(master, typed.data(), typed.size()) < 0) run.screen = "(could not type)";
    char buffer[4096];
    for (ssize_t got; (got = read(master, buffer, sizeof buffer)) > 0;) run.screen.append(buffer, got);
    close(master);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

}  // namespace testing_support
