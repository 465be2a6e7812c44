// An XDG autostart entry ($XDG_CONFIG_HOME/autostart, else
// ~/.config/autostart), which desktops run at each logon.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/run_once.h"

namespace platform {

namespace {

std::filesystem::path AutostartFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return std::filesystem::path(config) / "autostart";
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr) return {};
    return std::filesystem::path(home) / ".config" / "autostart";
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with the quoting and the general escapes of the Desktop Entry format, and
// '%' doubled so that it is no field code.
std::string ExecArgument(const std::string& argument) {
    constexpr std::string_view kReserved = " \t\"'\\><~|&;$*?#()`";
    std::string text;
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    for (char c : argument) {
        if (c == '%') {
            text += "%%";
            continue;
        }
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) text += '\\';
        text += c;
    }
    if (quote) text = '"' + text + '"';
    // The value's own escapes come on top: each backslash is written twice.
    std::string escaped;
    for (char c : text) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

std::string ExecLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) line += (line.empty() ? "" : " ") + ExecArgument(argument);
    return line;
}

}  // namespace

std::string InstallLogonCommand(const std::string& name, const std::vector<std::string>& arguments,
                                std::string& written) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "cannot tell where this program is: " + error.message();
    std::vector<std::string> command;
    if (const char* home = std::getenv("NIMBREL_HOME"); home != nullptr && *home != '\0')
        command = {"env", "NIMBREL_HOME=" + std::filesystem::absolute(home, error).string()};
    command.push_back(self.string());
    command.insert(command.end(), arguments.begin(), arguments.end());
    for (const std::string& argument : command)
        if (argument.find_first_of("\r\n") != std::string::npos)
            return "a line break cannot be part of an autostart command";
    const std::filesystem::path folder = AutostartFolder();
    if (folder.empty()) return "cannot tell the home folder for the autostart entry";
    std::filesystem::create_directories(folder, error);
    if (error) return "cannot make " + folder.string() + ": " + error.message();

    const std::filesystem::path entry = folder / (name + ".desktop");
    const std::filesystem::path partial = folder / (name + ".desktop.partial");
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Nimbrel run-once list\n"
               "Comment=Starts the commands scheduled for the next logon, such as ixwipe\n"
               "Exec="
            << ExecLine(command)
            << "\n"
               "NoDisplay=true\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n";
        out.flush();
        if (!out) {
            std::filesystem::remove(partial, error);
            return "cannot write " + partial.string();
        }
    }
    std::filesystem::rename(partial, entry, error);
    if (error) {
        const std::string reason = error.message();
        std::filesystem::remove(partial, error);
        return "cannot write " + entry.string() + ": " + reason;
    }
    written = entry.string();
    return {};
}

std::string UninstallLogonCommand(const std::string& name, std::string& removed) {
    const std::filesystem::path folder = AutostartFolder();
    if (folder.empty()) return "cannot tell the home folder for the autostart entry";
    const std::filesystem::path entry = folder / (name + ".desktop");
    std::error_code error;
    // Only the regular file written here goes; a link in its place is not
    // followed, and goes as a link would.
    const std::filesystem::file_status status = std::filesystem::symlink_status(entry, error);
    if (error || !std::filesystem::exists(status)) return "there is no autostart entry " + entry.string();
    if (!std::filesystem::is_regular_file(status) && !std::filesystem::is_symlink(status)) {
        return entry.string() + " is no autostart entry";
    }
    if (!std::filesystem::remove(entry, error)) return "cannot remove " + entry.string() + ": " + error.message();
    removed = entry.string();
    return {};
}

}  // namespace platform
