// The catalogue tables of the scanners that record whole keys.
#pragma once

#include "scan/catalogue.h"

namespace scan::tables {

using catalogue::Row;
using namespace catalogue::notation;

// One row per catalogue row, in probe order; a row wider than a line says
// what it probes first, then what a find records:
// {Group, Root, Key, Value, Type, Range,
//  Label, Count, Notes}
// clang-format off
// The UserAssist "Count" keys of two GUIDs, current and default user; only
// "Count" is recorded, not its GUID parent.
inline constexpr Row kUserAssist[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
               "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"},
     _, key, _,
     {"Windows UserAssist MRU - {5E6AB780-7743-11CF-A12B-00AA004AE837}"}, list,
     Key({"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
          "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\"}, {"Count"})},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
               "{75048700-EF1F-11D0-9888-006097DEACF9}\\Count"},
     _, key, _,
     {"Windows UserAssist MRU - {75048700-EF1F-11D0-9888-006097DEACF9}"}, list,
     Key({"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
          "{75048700-EF1F-11D0-9888-006097DEACF9}\\"}, {"Count"})},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
              "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"},
     _, key, _,
     {"Windows UserAssist MRU (Default) - {5E6AB780-7743-11CF-A12B-00AA004AE837}"}, list,
     Key({".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
          "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\"}, {"Count"})},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
              "{75048700-EF1F-11D0-9888-006097DEACF9}\\Count"},
     _, key, _,
     {"Windows UserAssist MRU (Default) - {75048700-EF1F-11D0-9888-006097DEACF9}"}, list,
     Key({".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
          "{75048700-EF1F-11D0-9888-006097DEACF9}\\"}, {"Count"})},
};

// Google Toolbar history of the current user and of every user hive; the
// label carries the hive's position in the list, not its name.
inline constexpr Row kGoogleToolbar[] = {
    {_, HKCU, {"Software\\Google\\NavClient\\1.1\\History"}, _, key, _,
     {"Google Toolbar - History"}, list, Key({"Software\\Google\\NavClient\\1.1\\"}, {"History"})},
    {H1, HKU, {h, "\\Software\\Google\\NavClient\\1.1\\History"}, _, key, _,
     {"Google Toolbar - History {", i, "}"}, list, Key({h, "\\Software\\Google\\NavClient\\1.1\\"}, {"History"})},
};

// The notification area's past items, read as raw data and recorded as "B".
inline constexpr Row kTrayNotify[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify"}, {"IconStreams"}, BB, _,
     {"Windows - Past Items List in Customize Notifications - IconStreams"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify"}, {"PastIconsStream"}, BB, _,
     {"Windows - Past Items List in Customize Notifications - PastIconsStream"}, item, _},
};

// Outlook Express stationery outside the identities, after them.
inline constexpr Row kOutlookExpressStationery[] = {
    {_, HKCU, {"Software\\Microsoft\\Outlook Express\\Recent Stationery List"}, {"File", n}, S, N(0, 25),
     {"Outlook Express - Recent Stationery List - File", n}, item, _},
};
// clang-format on

}  // namespace scan::tables
