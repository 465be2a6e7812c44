// The catalogue tables of the Windows shell's lists.
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
// Internet Explorer typed URLs.
inline constexpr Row kTypedUrls[] = {
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer\\TypedURLs"}, {"url", n}, S, N(1, 99),
     {"Internet Explorer - Typed Urls List - Url", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Internet Explorer\\TypedURLs"}, {"url", n}, S, N(1, 25),
     {"Internet Explorer - Typed Urls List {", i, "} - Url", n}, item, _},
};

// Windows Media Player recent files.
inline constexpr Row kMediaPlayer[] = {
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList"}, {"File", n}, S, N(0, 99),
     {"WMP - Recent File List - File", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList"}, {"File", n}, S, N(0, 20),
     {"WMP - Recent File List - {", i, "} - File", n}, item, _},
};

// Paint and WordPad recent files.
inline constexpr Row kPaintAndWordPad[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List"},
     {"File", n}, S, N(0, 99),
     {"MS Paint - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List"},
     {"File", n}, S, N(0, 99),
     {"MS Wordpad - Recent File List - File", n}, item, _},
};

// LastVisitedMRU of the current and the default user: both record the whole key.
inline constexpr Row kLastVisitedMru[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"}, {"MRUList"}, S, _,
     {"Dialog - Last Visited MRU"}, list,
     Key({"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32"}, {"LastVisitedMRU"})},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"},
     {"MRUList"}, S, _,
     {"Dialog - Last Visited MRU"}, list,
     Key({".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32"}, {"LastVisitedMRU"})},
};

// Run dialog MRU.
inline constexpr Row kRunMru[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"}, {"MRUList"}, S, _,
     {"Windows Explorer - Run Dialog MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"}, {x}, S, X('a', 'z'),
     {"Windows Explorer - Run Dialog MRU - (", x, ")"}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"}, {"MRUList"}, S, _,
     {"Windows Explorer - Run Dialog MRU - MAIN"}, list, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"}, {x}, S, X('a', 'z'),
     {"Windows Explorer - Run Dialog MRU - (", x, ")"}, item, _},
};

// Find and Search MRUs; the Search Assistant and Explorer Bar rows name the values
// 000 to 099.
inline constexpr Row kFindMrus[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"}, {"MRUList"}, S, _,
     {"Find Files MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"}, {x}, S, X('a', 'z'),
     {"Find Files MRU - (", x, ")"}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"}, {"MRUList"}, S, _,
     {"Find Files MRU - MAIN"}, list, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"},
     {x}, S, X('a', 'z'),
     {"Find Files MRU - (", x, ")"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU"}, {"MRUList"}, S, _,
     {"Find Computers MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU"}, {x}, S, X('a', 'z'),
     {"Find Computers MRU - (", x, ")"}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU"}, {"MRUList"}, S, _,
     {"Find Computers MRU - MAIN"}, list, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU"}, {x}, S, X('a', 'z'),
     {"Find Computers MRU - (", x, ")"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Search Assistant\\ACMru\\5001"}, {"00", n}, S, N(0, 9),
     {"Search Assistant - Recent Searches MRU (1) - 00", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Search Assistant\\ACMru\\5001"}, {"0", n}, S, N(10, 99),
     {"Search Assistant - Recent Searches MRU (1) - 0", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Search Assistant\\ACMru\\5603"}, {"00", n}, S, N(0, 9),
     {"Search Assistant - Recent Searches MRU (2) - 00", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Search Assistant\\ACMru\\5603"}, {"0", n}, S, N(10, 99),
     {"Search Assistant - Recent Searches MRU (2) - 0", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Search Assistant\\ACMru\\5604"}, {"00", n}, S, N(0, 9),
     {"Search Assistant - Recent Searches MRU (3) - 00", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Search Assistant\\ACMru\\5604"}, {"0", n}, S, N(10, 99),
     {"Search Assistant - Recent Searches MRU (3) - 0", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\"
               "FilesNamedMRU"},
     {"00", n}, S, N(0, 9),
     {"Windows Explorer - File Search History - 00", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\"
               "FilesNamedMRU"},
     {"0", n}, S, N(10, 99),
     {"Windows Explorer - File Search History - 0", n}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
              "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"},
     {"00", n}, S, N(0, 9),
     {"Windows Explorer - File Search History (Default) - 00", n}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
              "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"},
     {"0", n}, S, N(10, 99),
     {"Windows Explorer - File Search History (Default) - 0", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\"
               "ContainingTextMRU"},
     {"00", n}, S, N(0, 9),
     {"Windows Explorer - Files Containing Text Search History - 00", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\"
               "ContainingTextMRU"},
     {"0", n}, S, N(10, 99),
     {"Windows Explorer - Files Containing Text Search History - 0", n}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
              "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU"},
     {"00", n}, S, N(0, 9),
     {"Windows Explorer - Files Containing Text Search History (Default) - 00", n}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
              "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU"},
     {"0", n}, S, N(10, 99),
     {"Windows Explorer - Files Containing Text Search History (Default) - 0", n}, item, _},
};

// Network MRU lists; the two subkey listings follow them.
inline constexpr Row kNetworkMrus[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\NetCrawl\\Printers"}, {"MRUList"}, S, _,
     {"Windows Network - Recent Printer List MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\NetCrawl\\Printers"}, {x}, BB, X('a', 'z'),
     {"Windows Network - Recent Printer List MRU - (", x, ")"}, item, ValueType("S")},
};

// InstallLocationsMRU, directly under the root.
inline constexpr Row kInstallLocations[] = {
    {_, HKCU, {"InstallLocationsMRU"}, {"MRUList"}, S, _,
     {"Install Locations MRU - MAIN"}, list, _},
    {_, HKCU, {"InstallLocationsMRU"}, {x}, BB, X('a', 'z'),
     {"Install Locations MRU - (", x, ")"}, item, ValueType("S")},
    {_, HKU, {".DEFAULT\\InstallLocationsMRU"}, {"MRUList"}, S, _,
     {"Install Locations MRU (Default) - MAIN"}, list, _},
    {_, HKU, {".DEFAULT\\InstallLocationsMRU"}, {x}, BB, X('a', 'z'),
     {"Install Locations MRU (Default) - (", x, ")"}, item, ValueType("S") | above},
};

// LastVisitedMRU of every user hive: entries read through the path with a
// trailing "\", recorded with the path without it.
inline constexpr Row kLastVisitedMruHives[] = {
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"},
     {"MRUList"}, S, _,
     {"Windows Explorer - Last Visited MRU - {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU\\"},
     {x}, BB, X('a', 'z'),
     {"Windows Explorer - Last Visited MRU - {", i, "} - ", x}, item,
     Subkey({h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"})},
};

// StreamMRU: both order records count as items.
inline constexpr Row kStreamMru[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU"}, {"MRUListEx"}, BB, _,
     {"Windows Explorer - Stream MRU - MAIN"}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU"}, {"MRUListEx"}, BB, _,
     {"Windows Explorer - Stream MRU (Default) - MAIN"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU"}, {n}, BB, N(0, 249),
     {"Windows Explorer - Stream MRU - ", n}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU"}, {n}, BB, N(0, 249),
     {"Windows Explorer - Stream MRU (Default) - ", n}, item, _},
};
// clang-format on

}  // namespace scan::tables
