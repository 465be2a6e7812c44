#include "tests/support/scratch_folder.h"

namespace testing_support {

std::filesystem::path HostPath(const std::string& windowsPath) { return windowsPath; }

std::string ScratchFolderParent() {
    std::string temporary = std::filesystem::temp_directory_path().string();
    while (!temporary.empty() && (temporary.back() == '\\' || temporary.back() == '/')) temporary.pop_back();
    return temporary;
}

}  // namespace testing_support
