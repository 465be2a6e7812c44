// nimbrel-cli runonce [--install]: runs the local machine's run-once list
// as the logon does (each value removed, then its command started), or
// installs an entry that does so at each desktop logon.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddRunOnceCommand(CLI::App& app, CommandAction& action);

}  // namespace cli
