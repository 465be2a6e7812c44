#include "platform/files.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::optional<std::uint32_t> GetFileAttributes(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

}  // namespace platform
