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

// Registry text as one field of a tab-separated line: tab, newline and
// backslash written as \t, \n and \\.
std::string TsvField(std::string_view ansi);

}  // namespace cli
