// Where the tests find ixwipe: beside nimbrel-cli, where the build puts it.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

inline std::string IxwipeProgram() {
    const std::filesystem::path cli(NIMBREL_CLI);
    return (cli.parent_path() / ("ixwipe" + cli.extension().string())).string();
}

}  // namespace testing_support
