// A Windows installation that is not running (a dual-boot partition, a
// mounted disk image or backup), scanned and cleaned in place through its
// hive files instead of the machine the program runs on. Chosen on the
// command line before anything else: --windows DIR (the mounted system
// drive) or --hive FILE (single hive files), with --user NAME, --read-only
// and --no-backup.
//
// Only on the emulated platform's build (Linux and the like); on Windows
// UseOfflineMachine refuses.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct OfflineOptions {
    std::string windowsFolder;           // --windows DIR (a host path); empty for none
    std::vector<std::string> hiveFiles;  // --hive FILE, each a host path
    std::string user;                    // --user NAME: whose hive HKEY_CURRENT_USER is
    bool readOnly = false;               // --read-only: nothing is ever written
    bool backup = true;                  // keep each changed hive's original as NAME.nimbrel-backup
};

// Switches this process to the installation or hive files, before
// platform::Start. Returns "" or what is wrong, in one or more lines
// (several users and no --user: they are listed).
std::string UseOfflineMachine(const OfflineOptions& options);

// Back to the emulated machine of $NIMBREL_HOME, the hives let go.
void LeaveOfflineMachine();

// Whether an installation or hive files are in use.
bool OfflineMachineInUse();

// Why nothing of the installation may be changed ("" when it may): a
// read-only mount or file, --read-only, a hive with changes not yet
// written into it, Windows hibernated.
std::string OfflineCleanRefusal();

// What a scan should say first: hives whose transaction logs hold changes
// that the scan does not see.
std::vector<std::string> OfflineNotes();

// What is in use, for messages: "the Windows installation in DIR" or
// "the hive files FILE, ...". Empty when none is.
std::string OfflineMachineName();

}  // namespace platform
