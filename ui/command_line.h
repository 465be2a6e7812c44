// The program's command line: one argument at most, "-SILENT" (trimmed,
// any case) for the unattended scan and clean.
#pragma once

#include <string>

namespace ui {

// The arguments after the program's name as one text, separated by spaces,
// as the program sees its command line.
std::string CommandLineText(int argc, const char* const* argv);

// True when the text, without leading and trailing spaces, is "-SILENT" in
// any case; a further word, a slash or a missing hyphen make it false.
bool IsSilentCommandLine(const std::string& commandLine);

}  // namespace ui
