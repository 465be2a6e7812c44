// nimbrel-cli shred FILE [--passes N]: destroys one file with the shredder
// that the plug-ins use.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddShredCommand(CLI::App& app, CommandAction& action);

}  // namespace cli
