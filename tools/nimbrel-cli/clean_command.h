// nimbrel-cli clean: the whole scan, then the clean of everything found as
// the scan window's "Clean Now" does it, and the totals. --dry-run lists
// what would go and deletes nothing; --backup FILE first saves the registry
// data about to go as a .reg file.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddCleanCommand(CLI::App& app, CommandAction& action);

}  // namespace cli
