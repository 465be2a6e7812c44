// nimbrel-cli scan: the whole scan with the current settings, no window and
// no clean, printed as JSON or TSV.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddScanCommand(CLI::App& app, CommandAction& action);

}  // namespace cli
