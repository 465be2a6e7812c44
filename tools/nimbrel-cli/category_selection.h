// --only and --skip of scan and clean: which categories this run scans,
// whatever the stored settings say (which stay as they are).
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

namespace cli {

struct CategorySelection {
    std::vector<std::string> only;  // when given: these and no others
    std::vector<std::string> skip;  // these not

    // Adds --only and --skip to a command.
    void AddOptions(CLI::App& command);
    // Applies the selection to the scan about to run. Returns an empty
    // string, or the usage problem (an unknown name, with the valid ones).
    std::string Apply() const;
};

}  // namespace cli
