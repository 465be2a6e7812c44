#include "platform/host_path.h"

#include "platform/win32/windows_api.h"

namespace platform {

// The C++ library would read a narrow path in its own encoding, not the
// ANSI code page that the A functions use: convert as they do.
std::filesystem::path HostPath(const std::string& path) {
    if (path.empty()) return {};
    const int size = static_cast<int>(path.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.data(), size, text.data(), wide);
    return std::filesystem::path(text);
}

}  // namespace platform
