// The program's command line: one argument at most, "-SILENT" (trimmed,
// any case) for the unattended scan and clean, after the options that name
// a Windows installation that is not running (--windows DIR or --hive
// FILE, with --user NAME, --read-only and --no-backup).
#pragma once

#include <string>

#include "platform/offline_machine.h"

namespace ui {

struct ProgramArguments {
    platform::OfflineOptions offline;
    bool offlineGiven = false;  // --windows or --hive
    std::string commandLine;    // the rest, as CommandLineText gives it
    std::string problem;        // a usage problem with the options
};

// Takes the installation's options from the front of the arguments; the
// rest is the command line.
ProgramArguments SplitProgramArguments(int argc, const char* const* argv);

// The arguments after the program's name as one text, separated by spaces,
// as the program sees its command line.
std::string CommandLineText(int argc, const char* const* argv);

// True when the text, without leading and trailing spaces, is "-SILENT" in
// any case; a further word, a slash or a missing hyphen make it false.
bool IsSilentCommandLine(const std::string& commandLine);

}  // namespace ui
