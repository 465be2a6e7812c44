#include "platform/settings_file_location.h"

#include <cstdlib>

#include "platform/win32/windows_api.h"

#include <shlobj.h>

namespace platform {

namespace {

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Whether a new file can be made in folder: the folder's attributes do not
// tell, its access control list does, so try it.
bool CanCreateFilesIn(const std::string& folder) {
    const std::string probe = folder + "\\.nimbrel-write-test-" + std::to_string(::GetCurrentProcessId());
    const HANDLE file = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

// %LOCALAPPDATA%\Nimbrel; empty when the user's folder cannot be told.
std::string UserFolder() {
    char path[MAX_PATH];
    if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string(path) + "\\Nimbrel";
    const char* variable = std::getenv("LOCALAPPDATA");
    return variable != nullptr && *variable != '\0' ? std::string(variable) + "\\Nimbrel" : std::string();
}

}  // namespace

SettingsFileLocation LocateSettingsFile(const std::string& programFolder, const std::string& fileName) {
    const std::string beside = programFolder + "\\" + fileName;
    if (CanCreateFilesIn(programFolder)) return {beside, beside};
    const std::string userFolder = UserFolder();
    if (userFolder.empty()) return {beside, beside};
    const std::string own = userFolder + "\\" + fileName;
    return {Exists(own) || !Exists(beside) ? own : beside, own};
}

}  // namespace platform
