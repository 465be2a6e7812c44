#include "platform/system_info.h"

#include <cstring>
#include <vector>

#include "platform/win32/windows_api.h"

#include <sddl.h>

namespace platform {

std::string WindowsDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return {};
    return std::string(buffer, length);
}

std::optional<std::string> UserName(std::size_t bufferChars) {
    if (bufferChars == 0) return std::nullopt;
    std::vector<char> buffer(bufferChars + 1, '\0');
    DWORD size = static_cast<DWORD>(bufferChars);
    if (!::GetUserNameA(buffer.data(), &size)) return std::nullopt;
    return std::string(buffer.data(), std::strlen(buffer.data()));
}

std::string CurrentUserSid() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    std::string sid;
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (size != 0 && ::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        char* text = nullptr;
        if (::ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
            sid = text;
            ::LocalFree(text);
        }
    }
    ::CloseHandle(token);
    return sid;
}

std::uint32_t DriveType(const std::string& root) { return ::GetDriveTypeA(root.c_str()); }

}  // namespace platform
