#include "tools/nimbrel-cli/command.h"

#include <iostream>

#include "platform/ansi_codepage.h"

namespace cli {

int ReportFailure(std::string_view message) {
    std::string line(message);
    for (char& c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::cout.flush();
    std::cerr << "nimbrel-cli: " << line << std::endl;
    return kExitFailure;
}

std::string ConsoleText(std::string_view ansi) { return platform::AnsiToUtf8(ansi); }

std::string TsvField(std::string_view ansi) { return TsvFieldUtf8(ConsoleText(ansi)); }

std::string TsvFieldUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\': {
                // Doubled only where it would read as the start of an escape.
                const char next = i + 1 < text.size() ? text[i + 1] : '\0';
                const bool escapeFollows = next == '\\' || next == 't' || next == 'n' || next == 'r' || next == '\t' ||
                                           next == '\n' || next == '\r';
                out += escapeFollows ? "\\\\" : "\\";
                break;
            }
            default:
                out += text[i];
        }
    }
    return out;
}

}  // namespace cli
