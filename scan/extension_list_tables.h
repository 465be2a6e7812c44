// The catalogue tables of the extension-keyed lists: OpenSaveMRU of the
// current and the default user, RecentDocs and OpenWith.
#pragma once

#include "scan/catalogue.h"

namespace scan::tables {

using catalogue::Row;
using namespace catalogue::notation;

// One row per catalogue row, in probe order; a row wider than a line says
// what it probes first, then what a find records:
// {Group, Root, Key, Value, Type, Range,
//  Label, Count, Notes}
// Rows with the same extension range share one loop over the extension
// table: all of them for "*", then all for "ace", and so on.
// clang-format off
// OpenSaveMRU: the root list's entries are read through the path with a
// trailing "\" and recorded with the path without it; an extension's
// entries only when its "MRUList" is there.
inline constexpr Row kOpenSaveMruCurrentUser[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"}, {"MRUList"}, S, _,
     {"Dialog - Open/Save MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\"}, {x}, S, X('a', 'z'),
     {"Dialog - Open/Save MRU ('", "') - ", x}, item,
     Subkey({"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"})},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\", e},
     {"MRUList"}, S, E(1, 168),
     {"Dialog - Open/Save MRU ('", e, "') - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\", e},
     {x}, S, E(1, 168, X('a', 'z')),
     {"Dialog - Open/Save MRU ('", e, "') - ", x}, item, above},
};

inline constexpr Row kOpenSaveMruDefaultUser[] = {
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"},
     {"MRUList"}, S, _,
     {"Dialog - Open/Save MRU - MAIN"}, list, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\"},
     {x}, S, X('a', 'z'),
     {"Dialog - Open/Save MRU ('", "') - ", x}, item,
     Subkey({".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"})},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\", e},
     {"MRUList"}, S, E(1, 168),
     {"Dialog - Open/Save MRU ('", e, "') - MAIN"}, list, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\", e},
     {x}, S, E(1, 168, X('a', 'z')),
     {"Dialog - Open/Save MRU ('", e, "') - ", x}, item, above},
};

// RecentDocs: the current user's lists are probed whole, found or not, over
// the first 149 extensions; in each hive over the first 144, numbered
// entries only after "MRUListEx" and lettered ones only after "MRUList",
// except the root letters.
inline constexpr Row kRecentDocs[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {"MRUListEx"}, BB, _,
     {"Windows Explorer - RecentDocs Stream MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {n}, BB, N(0, 250),
     {"Windows Explorer - RecentDocs Stream MRU - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e},
     {"MRUListEx"}, BB, E(1, 149),
     {"Windows Explorer - RecentDocs Stream MRU - ('", e, "') - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e}, {"MRUList"}, BB, E(1, 149),
     {"Windows Explorer - RecentDocs Stream MRU - ('", e, "') - MAIN (2)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e}, {n}, BB, E(1, 149, N(0, 9)),
     {"Windows Explorer - RecentDocs Stream MRU - ('", e, "') - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e},
     {x}, BB, E(1, 149, X('a', '}')),
     {"Windows Explorer - RecentDocs Stream MRU - ('", e, "') - (", x, ")"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {"MRUList"}, BB, _,
     {"Windows Explorer - RecentDocs Stream MRU - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {x}, BB, X('a', '}'),
     {"Windows Explorer - RecentDocs Stream MRU - (", x, ")"}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {"MRUListEx"}, BB, _,
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {n}, BB, N(0, 250),
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - ", n}, item, above},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e},
     {"MRUListEx"}, BB, E(1, 144),
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - ('", e, "') - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e},
     {n}, BB, E(1, 144, N(0, 9)),
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - ('", e, "') - ", n}, item, above},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e},
     {"MRUList"}, BB, E(1, 144),
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - ('", e, "') - MAIN (2)"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.", e},
     {x}, BB, E(1, 144, X('a', '}')),
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - ('", e, "') - (", x, ")"}, item, above},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {"MRUList"}, BB, _,
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - MAIN"}, list, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"}, {x}, BB, X('a', '}'),
     {"Windows Explorer - RecentDocs Stream MRU {", i, "} - (", x, ")"}, item, _},
};

// The programs chosen in the "Open With" dialog, per extension.
inline constexpr Row kOpenWith[] = {
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.", e, "\\OpenWithList"},
     {"MRUList"}, S, E(1, 168),
     {"Windows - OpenWith MRU ('", e, "') - MAIN"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.", e, "\\OpenWithList"},
     {x}, S, E(1, 168, X('a', 'z')),
     {"Windows - OpenWith MRU ('", e, "') - ", x}, item, above},
};
// clang-format on

}  // namespace scan::tables
