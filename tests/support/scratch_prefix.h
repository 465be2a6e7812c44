// A fresh, empty emulated machine for one test: a temporary prefix that this
// process and the programs it starts (through NIMBREL_HOME) use until the
// object goes away.
#pragma once

#include <filesystem>

namespace testing_support {

class ScratchPrefix {
public:
    ScratchPrefix();
    ~ScratchPrefix();
    ScratchPrefix(const ScratchPrefix&) = delete;
    ScratchPrefix& operator=(const ScratchPrefix&) = delete;

    const std::filesystem::path& Home() const { return home_; }

private:
    std::filesystem::path home_;
};

}  // namespace testing_support
