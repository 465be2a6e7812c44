#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/emulated/paths.h"

namespace platform {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    std::string folder = emulated::ToWindowsPath(executable.parent_path());
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

}  // namespace platform
