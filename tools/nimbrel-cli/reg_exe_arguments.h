// reg.exe's switches, as people who know it type them, in nimbrel-cli's
// spelling: /v NAME is --value NAME, /ve the default value (--value ""),
// /t --type, /d --data, /f --force.
#pragma once

#include <string>
#include <vector>

namespace cli {

// The arguments after the program's name; only those of the reg command's
// subcommands are translated, and only whole words (any case).
std::vector<std::string> WithRegExeSwitchesTranslated(const std::vector<std::string>& arguments);

}  // namespace cli
