// The run-once list of the local machine: commands that start once at the
// next logon, each value removed as its command starts. The program only
// writes values; running the list is the platform's part, done here for
// the emulated machine (and on Windows, by hand, as the logon does).
#pragma once

#include <string>
#include <vector>

namespace platform {

inline constexpr const char* kRunOnceKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

struct RunOnceOutcome {
    std::string name;     // the value's name
    std::string command;  // its command, environment strings expanded
    std::string problem;  // empty when the command ran; otherwise why not
};

// What the logon does: for each value of the list in its order, delete the
// value, then start its command and wait for it to end. A value that cannot
// be deleted is not run (it would run again at every logon). Fails only
// when the list cannot be read: then problem says why and nothing ran.
std::vector<RunOnceOutcome> RunRunOnceList(std::string& problem);

// Arranges for the running program, with these arguments, to run at each
// desktop logon: on the emulated platform an XDG autostart entry named
// name.desktop, on the same prefix (NIMBREL_HOME) as now. Returns an empty
// string and sets `written` to the file written, or says what went wrong.
std::string InstallLogonCommand(const std::string& name, const std::vector<std::string>& arguments,
                                std::string& written);

// Takes away the entry InstallLogonCommand wrote under name. Returns an
// empty string and sets `removed` to the file removed, or says why not (no
// such entry among them).
std::string UninstallLogonCommand(const std::string& name, std::string& removed);

}  // namespace platform
