// --windows DIR, --hive FILE, --user NAME, --read-only and --no-backup:
// a command on a Windows installation that is not running (a dual-boot
// partition, a disk image, a backup) instead of the emulated machine.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "platform/offline_machine.h"

namespace cli {

struct OfflineArguments {
    platform::OfflineOptions options;
    bool noBackup = false;

    bool Given() const { return !options.windowsFolder.empty() || !options.hiveFiles.empty(); }
};

// Adds the options to the program, taken before the command name (and
// after it).
void AddOfflineOptions(CLI::App& app, OfflineArguments& arguments);

// Whether the options take a value, for finding the command word.
bool OfflineOptionTakesValue(const std::string& argument);

// After parsing: a usage problem with the options and the command given
// ("" when there is none). homeGiven: --home was given too.
std::string CheckOfflineUse(CLI::App& app, const OfflineArguments& arguments, bool homeGiven);

// Switches to the installation; "" or why it cannot be used. What a scan
// should know first is said on stderr.
std::string UseOffline(const OfflineArguments& arguments);

}  // namespace cli
