// What every command group of nimbrel-cli shares: how a parsed command is
// run, and how it speaks to the console.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace cli {

// Set by a subcommand's parse callback; main runs it once the platform has
// started, and exits with what it returns.
using CommandAction = std::function<int()>;

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Writes "nimbrel-cli: <message>" as one line on stderr; returns kExitFailure.
int ReportFailure(std::string_view message);

// Registry text (Windows-1252) for the console, which takes UTF-8.
std::string ConsoleText(std::string_view ansi);

// Registry text as one field of a tab-separated line, in UTF-8: tab,
// newline and carriage return written as \t, \n and \r, and a backslash
// doubled where the next written character is t, n, r or a backslash (so
// that paths keep their single backslashes); every other backslash stands
// for itself.
std::string TsvField(std::string_view ansi);
// The same for text that is UTF-8 already.
std::string TsvFieldUtf8(std::string_view text);

}  // namespace cli
