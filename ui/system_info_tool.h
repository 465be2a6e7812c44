// Finding and starting the platform's System Information tool, as the
// about window's "System Information" button does.
#pragma once

#include <string>

#include "platform/registry_api.h"
#include "host/host.h"

namespace ui {

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

struct KeyValue {
    bool found = false;
    std::string text;
};

// Opens root\keyPath to query it and reads valueName into a 1024-character
// buffer. A string value gives its text without the final NUL; a value of
// any other type is found but gives no text.
KeyValue GetKeyValue(platform::HKey root, const std::string& keyPath, const std::string& valueName);

// The tool's path from MSINFO's "PATH", else MSINFO32.EXE in the folder
// that "Shared Tools Location" names when an ordinary file is there; starts
// it without waiting. When there is no path or the start fails, a message
// box titled "Nimbrel" says that the tool is unavailable.
void StartSysInfo(host::Host& host);

}  // namespace ui
