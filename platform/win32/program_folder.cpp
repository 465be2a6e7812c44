#include "platform/program_folder.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string ProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return {};
    return path.substr(0, slash);
}

}  // namespace platform
