// The catalogue table of Explorer's lists on Windows Vista to 11.
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
// Explorer's lists under keys of fixed names, current user and each hive:
// typed paths, search terms, the common dialogs' last folders, the
// programs' dialog sizes and first folders, and mapped network drives.
inline constexpr Row kExplorerLists[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths"}, {"url", n}, S, N(1, 99),
     {"Windows Explorer - Typed Paths - Url", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery"}, {"MRUListEx"}, BB, _,
     {"Windows Explorer - Search Terms MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery"}, {n}, BB, N(0, 249),
     {"Windows Explorer - Search Terms MRU - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRU"},
     {"MRUListEx"}, BB, _,
     {"Dialog - Last Visited Folders MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRU"},
     {n}, BB, N(0, 249),
     {"Dialog - Last Visited Folders MRU - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRULegacy"},
     {"MRUListEx"}, BB, _,
     {"Dialog - Last Visited Folders MRU (Legacy) - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRULegacy"},
     {n}, BB, N(0, 249),
     {"Dialog - Last Visited Folders MRU (Legacy) - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"}, {"MRUListEx"}, BB, _,
     {"Dialog - Window Sizes MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"}, {n}, BB, N(0, 249),
     {"Dialog - Window Sizes MRU - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\FirstFolder"}, {"MRUListEx"}, BB, _,
     {"Dialog - First Folder MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\FirstFolder"}, {n}, BB, N(0, 249),
     {"Dialog - First Folder MRU - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU"}, {"MRUList"}, S, _,
     {"Windows Explorer - Map Network Drive MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU"}, {x}, S, X('a', 'z'),
     {"Windows Explorer - Map Network Drive MRU - (", x, ")"}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths"}, {"url", n}, S, N(1, 99),
     {"Windows Explorer - Typed Paths {", i, "} - Url", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery"}, {"MRUListEx"}, BB, _,
     {"Windows Explorer - Search Terms MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery"}, {n}, BB, N(0, 249),
     {"Windows Explorer - Search Terms MRU {", i, "} - ", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRU"},
     {"MRUListEx"}, BB, _,
     {"Dialog - Last Visited Folders MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRU"},
     {n}, BB, N(0, 249),
     {"Dialog - Last Visited Folders MRU {", i, "} - ", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRULegacy"},
     {"MRUListEx"}, BB, _,
     {"Dialog - Last Visited Folders MRU (Legacy) {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRULegacy"},
     {n}, BB, N(0, 249),
     {"Dialog - Last Visited Folders MRU (Legacy) {", i, "} - ", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"},
     {"MRUListEx"}, BB, _,
     {"Dialog - Window Sizes MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"}, {n}, BB, N(0, 249),
     {"Dialog - Window Sizes MRU {", i, "} - ", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\FirstFolder"},
     {"MRUListEx"}, BB, _,
     {"Dialog - First Folder MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\FirstFolder"},
     {n}, BB, N(0, 249),
     {"Dialog - First Folder MRU {", i, "} - ", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU"}, {"MRUList"}, S, _,
     {"Windows Explorer - Map Network Drive MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU"},
     {x}, S, X('a', 'z'),
     {"Windows Explorer - Map Network Drive MRU {", i, "} - (", x, ")"}, item, _},
};
// clang-format on

}  // namespace scan::tables
