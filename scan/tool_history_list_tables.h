// The catalogue tables of the Remote Desktop client's and other tools'
// histories on Windows Vista to 11.
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
// The computers typed into the Remote Desktop client.
inline constexpr Row kRemoteDesktop[] = {
    {_, HKCU, {"Software\\Microsoft\\Terminal Server Client\\Default"}, {"MRU", n}, S, N(0, 99),
     {"Remote Desktop - Recent Computers MRU - MRU", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Terminal Server Client\\Default"}, {"MRU", n}, S, N(0, 99),
     {"Remote Desktop - Recent Computers MRU {", i, "} - MRU", n}, item, _},
};

// Media Player's opened addresses and 7-Zip's archive, extraction-path and
// copy histories (its folder history is step 14's), for the current user
// and each hive; WordPad's files for each hive (step 10 has the current
// user's).
inline constexpr Row kMediaAndTools[] = {
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"}, {"URL", n}, S, N(0, 99),
     {"WMP - Recent URL List - URL", n}, item, _},
    {_, HKCU, {"Software\\7-Zip\\Compression"}, {"ArcHistory"}, BB, _,
     {"7-Zip - Archive History"}, item, _},
    {_, HKCU, {"Software\\7-Zip\\Extraction"}, {"PathHistory"}, BB, _,
     {"7-Zip - Extraction Path History"}, item, _},
    {_, HKCU, {"Software\\7-Zip\\FM"}, {"CopyHistory"}, BB, _,
     {"7-Zip - Copy History"}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"}, {"URL", n}, S, N(0, 99),
     {"WMP - Recent URL List {", i, "} - URL", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List"},
     {"File", n}, S, N(0, 99),
     {"MS Wordpad - Recent File List {", i, "} - File", n}, item, _},
    {H1, HKU, {h, "\\Software\\7-Zip\\Compression"}, {"ArcHistory"}, BB, _,
     {"7-Zip - Archive History {", i, "}"}, item, _},
    {H1, HKU, {h, "\\Software\\7-Zip\\Extraction"}, {"PathHistory"}, BB, _,
     {"7-Zip - Extraction Path History {", i, "}"}, item, _},
    {H1, HKU, {h, "\\Software\\7-Zip\\FM"}, {"CopyHistory"}, BB, _,
     {"7-Zip - Copy History {", i, "}"}, item, _},
};
// clang-format on

}  // namespace scan::tables
