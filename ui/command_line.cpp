#include "ui/command_line.h"

#include <string_view>
#include <vector>

namespace ui {

std::string CommandLineText(int argc, const char* const* argv) {
    std::string text;
    for (int index = 1; index < argc; ++index) {
        if (index > 1) text += ' ';
        text += argv[index];
    }
    return text;
}

ProgramArguments SplitProgramArguments(int argc, const char* const* argv) {
    ProgramArguments arguments;
    int index = 1;
    for (; index < argc; ++index) {
        const std::string_view option = argv[index];
        std::string* value = nullptr;
        if (option == "--windows") {
            value = &arguments.offline.windowsFolder;
        } else if (option == "--user") {
            value = &arguments.offline.user;
        } else if (option == "--hive") {
            arguments.offline.hiveFiles.emplace_back();
            value = &arguments.offline.hiveFiles.back();
        } else if (option == "--read-only") {
            arguments.offline.readOnly = true;
            continue;
        } else if (option == "--no-backup") {
            arguments.offline.backup = false;
            continue;
        } else {
            break;
        }
        if (index + 1 >= argc || argv[index + 1][0] == '\0') {
            arguments.problem = std::string(option) + " needs a value";
            return arguments;
        }
        *value = argv[++index];
    }
    arguments.offlineGiven = !arguments.offline.windowsFolder.empty() || !arguments.offline.hiveFiles.empty();
    if (!arguments.offlineGiven &&
        (!arguments.offline.user.empty() || arguments.offline.readOnly || !arguments.offline.backup))
        arguments.problem = "--user, --read-only and --no-backup go with --windows DIR or --hive FILE";
    std::vector<const char*> rest{argv[0]};
    rest.insert(rest.end(), argv + index, argv + argc);
    arguments.commandLine = CommandLineText(static_cast<int>(rest.size()), rest.data());
    return arguments;
}

bool IsSilentCommandLine(const std::string& commandLine) {
    std::string_view text = commandLine;
    // Spaces only, as the command line is trimmed: a tab stays part of it.
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    constexpr std::string_view kSilent = "-SILENT";
    if (text.size() != kSilent.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != kSilent[i]) return false;
    }
    return true;
}

}  // namespace ui
