// What the scan window holds for a scan: the controls the scan writes
// (counters, progress, note, status line and buttons), the abort request
// that its "Abort" button leaves, and its work areas (the user hive list,
// the scratch list for subkey listings and the one registry class
// instance). The scan window's presentation model owns one of these.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "registry/cregistry.h"
#include "host/control_state.h"

namespace scan {

inline constexpr const char* kNoticeText =
    "Note! The scanning of some items is disabled - to re-enable, go to the Settings screen.";

// The scan's counts, kept as numbers; the counter labels show them.
struct ScanCounts {
    long lists = 0;
    long items = 0;
    std::optional<long> total;  // once the scan has ended
};

struct ScanWindowState {
    ScanCounts counts;

    // Counters beside "MRU Lists Detected:", "MRU Items Detected:" and
    // "Total Items Detected:"; the total stays empty until the scan ends.
    host::Label listsdetected{"0"};
    host::Label itemsdetected{"0"};
    host::Label totaldetected{"", true, host::kBlue};

    host::ProgressBar CoolProgress1;
    host::Label Label4{"Scanning..."};  // status line
    host::Label notice{kNoticeText, false};
    host::Button chameleonButton2{"Abort", true};  // "Abort", later "Main Menu"
    host::Button resultsbutton{"Show Results", false};
    host::Button cleanbutton1{"Clean Now", false};

    // Set by "Abort" while the scan yields; the scan stops at its next yield.
    bool abortRequested = false;

    std::vector<std::string> EnumList;     // user hive names
    std::vector<std::string> subkeyNames;  // scratch list of subkey names
    cRegistry registry;
};

}  // namespace scan
