// The INI profile calls, forwarded to kernel32's ANSI functions.
#include "platform/ini_profile.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::uint32_t GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                      std::uint32_t size, const std::string& fileName) {
    return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, size, fileName.c_str());
}

std::uint32_t GetPrivateProfileInt(const char* section, const char* key, int defaultValue,
                                   const std::string& fileName) {
    return ::GetPrivateProfileIntA(section, key, defaultValue, fileName.c_str());
}

std::uint32_t GetPrivateProfileSection(const char* section, char* buffer, std::uint32_t size,
                                       const std::string& fileName) {
    return ::GetPrivateProfileSectionA(section, buffer, size, fileName.c_str());
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const std::string& fileName) {
    return ::WritePrivateProfileStringA(section, key, value, fileName.c_str()) != FALSE;
}

}  // namespace platform
