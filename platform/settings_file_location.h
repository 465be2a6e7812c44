// Where the program keeps a file it saves for the user (the cookie
// keep-list). Its first place is the program's folder. On Windows a
// program installed under Program Files may not write there: the file then
// goes to the user's own %LOCALAPPDATA%\Nimbrel, and one that an earlier
// version left beside the program is still read until the first save.
// On the emulated platform the program's folder is a folder of the
// machine, always the file's place.
#pragma once

#include <string>

namespace platform {

struct SettingsFileLocation {
    std::string readPath;  // where the file is read from
    std::string savePath;  // where it is saved; its folder may not exist yet
};

// programFolder without a final backslash.
SettingsFileLocation LocateSettingsFile(const std::string& programFolder, const std::string& fileName);

}  // namespace platform
