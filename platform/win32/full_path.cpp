#include "platform/full_path.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string FullPath(const std::string& path) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return path;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        // Too small: length is the size needed, the NUL included.
        full.assign(length, '\0');
    }
}

}  // namespace platform
