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

std::string TsvField(std::string_view ansi) {
    std::string out;
    for (char c : ConsoleText(ansi)) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace cli
