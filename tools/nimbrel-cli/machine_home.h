// Which machine a command works on. On Windows that is the computer itself;
// elsewhere an emulated machine in a folder: --home DIR, else $NIMBREL_HOME,
// else ~/.local/share/nimbrel.
#pragma once

#include <optional>
#include <string>

namespace cli {

// Settles the machine before the platform starts: home is the --home
// option's folder when given. Returns an empty string, or a usage problem
// (an empty folder name, --home on Windows). Says on stderr when the
// command is about to set up a new machine in a folder that is not there.
std::string ChooseMachine(const std::optional<std::string>& home);

// A short name for the machine in use, the same for the same folder and
// different for another: "" on Windows, else 8 hex digits of its path.
std::string MachineTag();

// What to say when a scan finds nothing: on an emulated machine, how to
// give it something to find; nothing on Windows.
std::string EmptyMachineHint();

}  // namespace cli
