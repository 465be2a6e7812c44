// nimbrel-cli catalogue: every place the catalogue tables can probe, with
// its step, category and label, as text, JSON or TSV, for documentation.
// Nothing is read from the registry.
#pragma once

#include <CLI/CLI.hpp>

#include "tools/nimbrel-cli/command.h"

namespace cli {

void AddCatalogueCommand(CLI::App& app, CommandAction& action);

}  // namespace cli
