#include "tools/nimbrel-cli/windows_path_argument.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32

namespace cli {

std::string WindowsPathArgument(const std::string& argument) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(argument, error);
    return error ? argument : full.string();
}

}  // namespace cli

#else

#include "platform/emulated/paths.h"

namespace cli {

std::string WindowsPathArgument(const std::string& argument) {
    std::error_code error;
    const std::filesystem::path host = platform::emulated::ToHostPath(argument);
    const std::filesystem::path full = std::filesystem::absolute(host, error);
    return platform::emulated::ToWindowsPath(error ? host : full);
}

}  // namespace cli

#endif
