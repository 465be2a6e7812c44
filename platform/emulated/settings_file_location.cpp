#include "platform/settings_file_location.h"

namespace platform {

SettingsFileLocation LocateSettingsFile(const std::string& programFolder, const std::string& fileName) {
    const std::string path = programFolder + "\\" + fileName;
    return {path, path};
}

}  // namespace platform
