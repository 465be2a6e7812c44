#include "tools/nimbrel-cli/command_line_text.h"

#ifdef _WIN32

namespace cli {

// Windows hands the program its arguments in the ANSI code page.
std::filesystem::path HostPath(const std::string& argument) { return std::filesystem::path(argument); }

bool ArgumentToAnsi(const std::string& argument, std::string& ansi) {
    ansi = argument;
    return true;
}

}  // namespace cli

#else

#include "platform/ansi_codepage.h"
#include "platform/emulated/paths.h"

namespace cli {

std::filesystem::path HostPath(const std::string& argument) { return platform::emulated::ToHostPath(argument); }

// The host hands the program UTF-8.
bool ArgumentToAnsi(const std::string& argument, std::string& ansi) {
    if (!platform::IsValidUtf8(argument)) return false;
    ansi = platform::Utf8ToAnsi(argument);
    return true;
}

}  // namespace cli

#endif
