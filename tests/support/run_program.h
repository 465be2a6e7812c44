// Runs another program for a test and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
    // 127 when the program could not be started (as a shell says), -1 when
    // it did not end normally.
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Starts program (a path, or on Windows also a program on the search path
// such as reg.exe) with each argument passed as one argument, no shell in
// between and nothing on its standard input, and waits for it to end.
// Windows programs end their lines with CR LF; out and err hold LF alone.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace testing_support
