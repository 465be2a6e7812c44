#include "tests/support/scratch_folder.h"

#include "platform/emulated/paths.h"

namespace testing_support {

std::filesystem::path HostPath(const std::string& windowsPath) { return platform::emulated::ToHostPath(windowsPath); }

std::string ScratchFolderParent() { return "C:"; }

}  // namespace testing_support
