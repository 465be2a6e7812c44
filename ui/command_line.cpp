#include "ui/command_line.h"

#include <string_view>

namespace ui {

std::string CommandLineText(int argc, const char* const* argv) {
    std::string text;
    for (int index = 1; index < argc; ++index) {
        if (index > 1) text += ' ';
        text += argv[index];
    }
    return text;
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
