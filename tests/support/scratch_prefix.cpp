#include "tests/support/scratch_prefix.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/emulated/prefix.h"

namespace testing_support {

ScratchPrefix::ScratchPrefix() {
    std::string pattern = (std::filesystem::temp_directory_path() / "nimbrel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch prefix");
    home_ = pattern;
    setenv("NIMBREL_HOME", home_.c_str(), 1);
    platform::emulated::UsePrefix(home_);
}

ScratchPrefix::~ScratchPrefix() {
    platform::emulated::UsePrefix({});
    unsetenv("NIMBREL_HOME");
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

}  // namespace testing_support
