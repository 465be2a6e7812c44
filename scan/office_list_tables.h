// The catalogue tables of Microsoft Office (the Open Find tables, then the
// other lists) and of the three Corel lists.
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
// The Open Find tables: one key per Open, Save and similar dialog, whose
// value "Value" stands for the dialog's whole list; the scanner yields
// after each row.
// Open Find table A: Office 9.0 and 10.0, the value read as text.
inline constexpr Row kOpenFindA[] = {
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Save As - 9.0)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Open - 9.0)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\"
               "Create custom dictionary\\File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Create Custom Dictionary - 9.0)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings\\Add Custom Dictionary\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Add Custom Dictionary - 9.0)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Insert Picture\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Powerpoint MRU (Insert Picture - 9.0)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save As\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Powerpoint MRU (Save As - 9.0)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Save As - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Open - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\"
               "Create custom dictionary\\File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Create Custom Dictionary - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Add Custom Dictionary\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Add Custom Dictionary - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Insert Picture\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (Insert Picture - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings\\"
               "New from Existing Document\\File Name MRU"},
     {"Value"}, S, _,
     {"Word MRU (New from Existing Document - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Insert Picture\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Powerpoint MRU (Insert Picture - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save As\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"Powerpoint MRU (Save As - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Document Imaging\\Settings\\Save As\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"MS Document Imaging MRU (Save As - XP)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Document Imaging\\Settings\\Open\\"
               "File Name MRU"},
     {"Value"}, S, _,
     {"MS Document Imaging MRU (Open - XP)"}, list, _},
};

// Open Find table B: Office 8.0 (97), the value read as raw data.
inline constexpr Row kOpenFindB[] = {
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\Save As\\File Name MRU"},
     {"Value"}, BB, _,
     {"Word MRU (Save As - Office 97)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU"},
     {"Value"}, BB, _,
     {"Word MRU (Open - Office 97)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\"
               "Select File to Merge Into Current Document\\File Name MRU"},
     {"Value"}, BB, _,
     {"Word MRU (Select File to Merge into Current - Office 97)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Office\\Settings\\Open Office Document\\"
               "File Name MRU"},
     {"Value"}, BB, _,
     {"Open Office Document (File Name List - Office 97)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Office\\Settings\\Open Office Document\\"
               "Any Text MRU"},
     {"Value"}, BB, _,
     {"Open Office Document (Any Text MRU - Office 97)"}, list, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save\\"
               "File Name MRU"},
     {"Value"}, BB, _,
     {"Powerpoint MRU (Save - Office 97)"}, list, _},
};

// Microsoft Office after the Open Find tables: recent files and templates,
// disabled items, symbols, the script editor. A per-hive list whose key is
// missing in a hive is not read there at all.
inline constexpr Row kMicrosoftOffice[] = {
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Excel\\Recent File List"}, {"File", n}, S, N(1, 99),
     {"Excel 97 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\PowerPoint\\Recent File List"}, {"File", n}, S, N(1, 99),
     {"PowerPoint 97 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Excel\\Recent Files"}, {"File", n}, S, N(1, 99),
     {"Excel 9.0 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent File List"}, {"File", n}, S, N(1, 14),
     {"PowerPoint 10.0 (XP) - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files"}, {"File", n}, S, N(1, 14),
     {"Excel 10.0 (XP) - Recent File List - File", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files"}, _, key, _,
     _, _, gate},
    {H1, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files"}, {"File", n}, S, N(1, 14),
     {"Excel 10.0 (XP) - Recent File List - {", i, "} - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MSPaper\\Persist File Name"}, {"File", n}, S, N(1, 14),
     {"Document Scanning 10.0 (XP) - Recent File List (1) - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MSPaper\\Recent File List"}, {"File", n}, S, N(1, 14),
     {"Document Scanning 10.0 (XP) - Recent File List (2) - File", n}, item, _},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Persist File Name"}, _, key, _,
     _, _, gate},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Persist File Name"}, {"File", n}, S, N(1, 14),
     {"Document Scanning 10.0 (XP) - Recent File List (1) - {", i, "} File", n}, item, _},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Recent File List"}, _, key, _,
     _, _, gate},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Recent File List"}, {"File", n}, S, N(1, 14),
     {"Document Scanning 10.0 (XP) - Recent File List (2) - {", i, "} - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Internet"}, {"UseRWHlinkNavigation"}, S, _,
     {"Office 10.0 (XP) - Internet History MRU"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Excel\\Recent Templates"}, {"Template", n}, S, N(1, 14),
     {"Excel 10.0 (XP) - Recent Template List - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Excel\\Recent Templates"}, {"Friendly", n}, S, N(1, 14),
     {"Excel 10.0 (XP) - Recent Template List - Friendly", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent Templates"}, {"Template", n}, S, N(1, 14),
     {"PowerPoint 10.0 (XP) - Recent Template List - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent Templates"}, {"Friendly", n}, S, N(1, 14),
     {"PowerPoint 10.0 (XP) - Recent Template List - Friendly", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\RecentTemplateList"}, {"Template", n}, S, N(1, 14),
     {"PowerPoint 10.0 (XP) - Recent Template List (2) - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Word\\Recent Templates"}, {"Template", n}, S, N(1, 14),
     {"Word 10.0 (XP) - Recent Template List - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Word\\Recent Templates"}, {"Friendly", n}, S, N(1, 14),
     {"Word 10.0 (XP) - Recent Template List - Friendly", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent File List"},
     {"File", n}, S, N(1, 99),
     {"MS FrontPage Explorer - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List"},
     {"File", n}, S, N(1, 49),
     {"MS FrontPage Explorer - Recent Page List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\DisabledItems"}, _, key, _,
     {"Word 10.0 (XP) - Disabled Items MRU"}, list,
     Key({"Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\"}, {"DisabledItems"})},
    {H3, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\DisabledItems"}, _, key, _,
     {"Word 10.0 (XP) - Disabled Items MRU - {", i, "}"}, list,
     Key({h, "\\Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\"}, {"DisabledItems"})},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Common\\General"}, {"SymbolMRU"}, BB, _,
     {"Office 10.0 (XP) - Recently Used Symbols MRU {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Common\\Internet"}, {"UseRWHlinkNavigation"}, S, _,
     {"Office 10.0 (XP) - Internet History MRU {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\9.0\\Common\\General"}, {"SymbolMRU"}, BB, _,
     {"Office 9.0 - Recently Used Symbols MRU {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\9.0\\Common\\Internet"}, {"UseRWHlinkNavigation"}, S, _,
     {"Office 9.0 - Internet History MRU {", i, "}"}, item, _},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\FileMRUList"}, _, key, _,
     _, _, gate},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\FileMRUList"}, {"File", n}, BB, N(0, 9),
     {"Office 10.0 (XP) Script Editor - Recent File List MRU {", i, "} - ", n}, item, _},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\ProjectMRUList"}, _, key, _,
     _, _, gate},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\ProjectMRUList"}, {"File", n}, S, N(0, 9),
     {"Office 10.0 (XP) Script Editor - Recent Project List MRU {", i, "} - ", n}, item, _},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\SolutionMRUList"}, _, key, _,
     _, _, gate},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\SolutionMRUList"}, {"File", n}, S, N(0, 9),
     {"Office 10.0 (XP) Script Editor - Recent Solution List MRU {", i, "} - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Access\\Settings"}, {"MRU", n}, S, N(1, 14),
     {"Access 10.0 (XP) - Recent File MRU List - MRU", n}, item, _},
};

// The Corel lists: for version 9 and then 10, the order record, the entries
// and the lettered subkeys of "Last Opened", each subkey recorded whole.
inline constexpr Row kWordPerfect[] = {
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened"}, {"MRUList"}, S, _,
     {"WordPerfect 9 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened"}, {x}, S, X('a', 'z'),
     {"WordPerfect 9 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened\\", x}, _, key, X('a', 'z'),
     {"WordPerfect 9 - Recent Files MRU List - ", x}, list,
     Key({"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened\\"}, {x})},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened"}, {"MRUList"}, S, _,
     {"WordPerfect 10 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened"}, {x}, S, X('a', 'z'),
     {"WordPerfect 10 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened\\", x}, _, key, X('a', 'z'),
     {"WordPerfect 10 - Recent Files MRU List - ", x}, list,
     Key({"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened\\"}, {x})},
};

inline constexpr Row kQuattroPro[] = {
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened"}, {"MRUList"}, S, _,
     {"QuattroPro 9 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened"}, {x}, S, X('a', 'z'),
     {"QuattroPro 9 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened\\", x}, _, key, X('a', 'z'),
     {"QuattroPro 9 - Recent Files MRU List - ", x}, list,
     Key({"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened\\"}, {x})},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened"}, {"MRUList"}, S, _,
     {"QuattroPro 10 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened"}, {x}, S, X('a', 'z'),
     {"QuattroPro 10 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened\\", x}, _, key, X('a', 'z'),
     {"QuattroPro 10 - Recent Files MRU List - ", x}, list,
     Key({"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened\\"}, {x})},
};

inline constexpr Row kCorelPresentations[] = {
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened"}, {"MRUList"}, S, _,
     {"Corel Presentations 9 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened"},
     {x}, S, X('a', 'z'),
     {"Corel Presentations 9 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened\\", x},
     _, key, X('a', 'z'),
     {"Corel Presentations 9 - Recent Files MRU List - ", x}, list,
     Key({"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened\\"}, {x})},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened"}, {"MRUList"}, S, _,
     {"Corel Presentations 10 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened"},
     {x}, S, X('a', 'z'),
     {"Corel Presentations 10 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened\\", x},
     _, key, X('a', 'z'),
     {"Corel Presentations 10 - Recent Files MRU List - ", x}, list,
     Key({"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened\\"}, {x})},
};
// clang-format on

}  // namespace scan::tables
