// Environment strings of the emulated machine: the variables a Windows XP
// session of its user would have.
#include <string>
#include <utility>
#include <vector>

#include "platform/ansi_case.h"
#include "platform/emulated/installation.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/prefix.h"
#include "platform/registry_api.h"

namespace platform {

namespace {

std::vector<std::pair<std::string, std::string>> Variables() {
    if (const emulated::Installation* installation = emulated::CurrentInstallation()) return installation->environment;
    const std::string profile = emulated::ProfileFolder();
    return {
        {"SystemRoot", emulated::kWindowsDirectory},
        {"windir", emulated::kWindowsDirectory},
        {"SystemDrive", "C:"},
        {"ProgramFiles", "C:\\Program Files"},
        {"CommonProgramFiles", "C:\\Program Files\\Common Files"},
        {"ALLUSERSPROFILE", "C:\\Documents and Settings\\All Users"},
        {"USERPROFILE", profile},
        {"HOMEDRIVE", "C:"},
        {"HOMEPATH", profile.substr(2)},
        {"APPDATA", profile + "\\Application Data"},
        {"TEMP", profile + "\\Local Settings\\Temp"},
        {"TMP", profile + "\\Local Settings\\Temp"},
        {"USERNAME", emulated::LogonName()},
        {"COMPUTERNAME", "NIMBREL"},
        {"OS", "Windows_NT"},
    };
}

}  // namespace

std::string ExpandEnvironmentStrings(const std::string& text) {
    const auto variables = Variables();
    std::string result;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('%', at);
        const std::size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            result.append(text, at, std::string::npos);
            break;
        }
        result.append(text, at, open - at);
        const std::string name = text.substr(open + 1, close - open - 1);
        const std::string* value = nullptr;
        for (const auto& [known, text_] : variables)
            if (EqualsIgnoringCase(known, name)) value = &text_;
        if (value != nullptr) {
            result += *value;
            at = close + 1;
        } else {
            // An unknown name stays as written; its closing % may open the next.
            result.append(text, open, close - open);
            at = close;
        }
    }
    return result;
}

}  // namespace platform
