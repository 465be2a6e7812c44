// nimbrel-cli list and settings: the scan categories and the plug-ins'
// settings, read and written where the settings and plug-in windows keep
// them.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddSettingsCommands(CLI::App& app, CommandAction& action);

}  // namespace cli
