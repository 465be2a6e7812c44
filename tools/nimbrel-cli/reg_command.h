// nimbrel-cli reg: import, export, query, add and delete on the registry of
// the platform the program runs on.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddRegCommand(CLI::App& app, CommandAction& action);

}  // namespace cli
