// What the scan window holds for a scan: the controls the scan writes
// (counters, progress, note, status line and buttons), the abort request
// that its "Abort" button leaves, and its work areas (the user hive list,
// the scratch list for subkey listings and the one registry class
// instance). The scan window's presentation model owns one of these.
#pragma once

#include <string>
#include <vector>

#include "registry/cregistry.h"
#include "scan/control_state.h"

namespace scan {

inline constexpr const char* kNoticeText =
    "Note! The scanning of some items is disabled - to re-enable, go to the Settings screen.";

struct ScanWindowState {
    // Counters beside "MRU Lists Detected:", "MRU Items Detected:" and
    // "Total Items Detected:"; the total stays empty until the scan ends.
    Label listsdetected{"0"};
    Label itemsdetected{"0"};
    Label totaldetected{"", true, kBlue};

    ProgressBar CoolProgress1;
    Label Label4{"Scanning..."};                    // status line
    Label notice{kNoticeText, false};
    Button chameleonButton2{"Abort", true};         // "Abort", later "Main Menu"
    Button resultsbutton{"Show Results", false};
    Button cleanbutton1{"Clean Now", false};

    // Set by "Abort" while the scan yields; the scan stops at its next yield.
    bool abortRequested = false;

    std::vector<std::string> EnumList;   // user hive names
    std::vector<std::string> EnumList2;  // scratch list of subkey names
    cRegistry registry;
};

}  // namespace scan
