#include "scan/office_lists.h"

#include <optional>
#include <span>

#include "scan/catalogue.h"
#include "scan/catalogue_interpreter.h"
#include "scan/open_find_tables.h"

namespace scan {

namespace {

using namespace catalogue;

// One row per catalogue row, in probe order:
// {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
// clang-format off
// Microsoft Office after the Open Find tables: recent files and templates,
// disabled items, symbols, the script editor. A per-hive list whose key is
// missing in a hive is not read there at all.
constexpr Row kMicrosoftOffice[] = {
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\Excel\\Recent File List"}, {"File", n}, S, N(1, 99), {"Excel 97 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\8.0\\PowerPoint\\Recent File List"}, {"File", n}, S, N(1, 99), {"PowerPoint 97 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\9.0\\Excel\\Recent Files"}, {"File", n}, S, N(1, 99), {"Excel 9.0 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent File List"}, {"File", n}, S, N(1, 14), {"PowerPoint 10.0 (XP) - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files"}, {"File", n}, S, N(1, 14), {"Excel 10.0 (XP) - Recent File List - File", n}, item, _},
    {H1, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files"}, _, key, _, _, _, gate},
    {H1, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files"}, {"File", n}, S, N(1, 14), {"Excel 10.0 (XP) - Recent File List - {", i, "} - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MSPaper\\Persist File Name"}, {"File", n}, S, N(1, 14), {"Document Scanning 10.0 (XP) - Recent File List (1) - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MSPaper\\Recent File List"}, {"File", n}, S, N(1, 14), {"Document Scanning 10.0 (XP) - Recent File List (2) - File", n}, item, _},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Persist File Name"}, _, key, _, _, _, gate},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Persist File Name"}, {"File", n}, S, N(1, 14), {"Document Scanning 10.0 (XP) - Recent File List (1) - {", i, "} File", n}, item, _},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Recent File List"}, _, key, _, _, _, gate},
    {H2, HKU, {h, "\\Software\\Microsoft\\MSPaper\\Recent File List"}, {"File", n}, S, N(1, 14), {"Document Scanning 10.0 (XP) - Recent File List (2) - {", i, "} - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Common\\Internet"}, {"UseRWHlinkNavigation"}, S, _, {"Office 10.0 (XP) - Internet History MRU"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Excel\\Recent Templates"}, {"Template", n}, S, N(1, 14), {"Excel 10.0 (XP) - Recent Template List - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Excel\\Recent Templates"}, {"Friendly", n}, S, N(1, 14), {"Excel 10.0 (XP) - Recent Template List - Friendly", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent Templates"}, {"Template", n}, S, N(1, 14), {"PowerPoint 10.0 (XP) - Recent Template List - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent Templates"}, {"Friendly", n}, S, N(1, 14), {"PowerPoint 10.0 (XP) - Recent Template List - Friendly", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\PowerPoint\\RecentTemplateList"}, {"Template", n}, S, N(1, 14), {"PowerPoint 10.0 (XP) - Recent Template List (2) - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Word\\Recent Templates"}, {"Template", n}, S, N(1, 14), {"Word 10.0 (XP) - Recent Template List - Template", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Word\\Recent Templates"}, {"Friendly", n}, S, N(1, 14), {"Word 10.0 (XP) - Recent Template List - Friendly", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent File List"}, {"File", n}, S, N(1, 99), {"MS FrontPage Explorer - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List"}, {"File", n}, S, N(1, 49), {"MS FrontPage Explorer - Recent Page List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\DisabledItems"}, _, key, _, {"Word 10.0 (XP) - Disabled Items MRU"}, list, Key({"Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\"}, {"DisabledItems"})},
    {H3, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\DisabledItems"}, _, key, _, {"Word 10.0 (XP) - Disabled Items MRU - {", i, "}"}, list, Key({h, "\\Software\\Microsoft\\Office\\10.0\\Word\\Resiliency\\"}, {"DisabledItems"})},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Common\\General"}, {"SymbolMRU"}, BB, _, {"Office 10.0 (XP) - Recently Used Symbols MRU {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\10.0\\Common\\Internet"}, {"UseRWHlinkNavigation"}, S, _, {"Office 10.0 (XP) - Internet History MRU {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\9.0\\Common\\General"}, {"SymbolMRU"}, BB, _, {"Office 9.0 - Recently Used Symbols MRU {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\Office\\9.0\\Common\\Internet"}, {"UseRWHlinkNavigation"}, S, _, {"Office 9.0 - Internet History MRU {", i, "}"}, item, _},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\FileMRUList"}, _, key, _, _, _, gate},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\FileMRUList"}, {"File", n}, BB, N(0, 9), {"Office 10.0 (XP) Script Editor - Recent File List MRU {", i, "} - ", n}, item, _},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\ProjectMRUList"}, _, key, _, _, _, gate},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\ProjectMRUList"}, {"File", n}, S, N(0, 9), {"Office 10.0 (XP) Script Editor - Recent Project List MRU {", i, "} - ", n}, item, _},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\SolutionMRUList"}, _, key, _, _, _, gate},
    {H5, HKU, {h, "\\Software\\Microsoft\\MSE\\10.0\\SolutionMRUList"}, {"File", n}, S, N(0, 9), {"Office 10.0 (XP) Script Editor - Recent Solution List MRU {", i, "} - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Access\\Settings"}, {"MRU", n}, S, N(1, 14), {"Access 10.0 (XP) - Recent File MRU List - MRU", n}, item, _},
};

// The Corel lists: for version 9 and then 10, the order record, the entries
// and the lettered subkeys of "Last Opened", each subkey recorded whole.
constexpr Row kWordPerfect[] = {
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened"}, {"MRUList"}, S, _, {"WordPerfect 9 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened"}, {x}, S, X('a', 'z'), {"WordPerfect 9 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened\\", x}, _, key, X('a', 'z'), {"WordPerfect 9 - Recent Files MRU List - ", x}, list, Key({"Software\\Corel\\User Assistant\\9\\Recent Work\\WordPerfect\\Last Opened\\"}, {x})},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened"}, {"MRUList"}, S, _, {"WordPerfect 10 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened"}, {x}, S, X('a', 'z'), {"WordPerfect 10 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened\\", x}, _, key, X('a', 'z'), {"WordPerfect 10 - Recent Files MRU List - ", x}, list, Key({"Software\\Corel\\User Assistant\\10\\Recent Work\\WordPerfect\\Last Opened\\"}, {x})},
};

constexpr Row kQuattroPro[] = {
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened"}, {"MRUList"}, S, _, {"QuattroPro 9 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened"}, {x}, S, X('a', 'z'), {"QuattroPro 9 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened\\", x}, _, key, X('a', 'z'), {"QuattroPro 9 - Recent Files MRU List - ", x}, list, Key({"Software\\Corel\\User Assistant\\9\\Recent Work\\QuattroPro\\Last Opened\\"}, {x})},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened"}, {"MRUList"}, S, _, {"QuattroPro 10 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened"}, {x}, S, X('a', 'z'), {"QuattroPro 10 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened\\", x}, _, key, X('a', 'z'), {"QuattroPro 10 - Recent Files MRU List - ", x}, list, Key({"Software\\Corel\\User Assistant\\10\\Recent Work\\QuattroPro\\Last Opened\\"}, {x})},
};

constexpr Row kCorelPresentations[] = {
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened"}, {"MRUList"}, S, _, {"Corel Presentations 9 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened"}, {x}, S, X('a', 'z'), {"Corel Presentations 9 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened\\", x}, _, key, X('a', 'z'), {"Corel Presentations 9 - Recent Files MRU List - ", x}, list, Key({"Software\\Corel\\User Assistant\\9\\Recent Work\\Corel Presentations\\Last Opened\\"}, {x})},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened"}, {"MRUList"}, S, _, {"Corel Presentations 10 - Recent Files MRU Item - MAIN"}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened"}, {x}, S, X('a', 'z'), {"Corel Presentations 10 - Recent Files MRU Item - ", x}, item, _},
    {_, HKCU, {"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened\\", x}, _, key, X('a', 'z'), {"Corel Presentations 10 - Recent Files MRU List - ", x}, list, Key({"Software\\Corel\\User Assistant\\10\\Recent Work\\Corel Presentations\\Last Opened\\"}, {x})},
};
// clang-format on

// Each entry is a whole list; the scan window gets a chance to repaint
// after every one.
void ScanOpenFind(ScanContext& ctx, OpenFindTable table) {
    for (int index = 1; index <= OpenFindEntries(table); ++index) {
        if (const std::optional<Row> row = OpenFindRow(table, index)) RunCatalogue(ctx, std::span(&*row, 1));
        ctx.host.Yield();
    }
}

}  // namespace

void ScanMicrosoftOffice(ScanContext& ctx) {
    ScanOpenFind(ctx, OpenFindTable::kA);
    ScanOpenFind(ctx, OpenFindTable::kB);
    RunCatalogue(ctx, kMicrosoftOffice);
}

void ScanWordPerfect(ScanContext& ctx) { RunCatalogue(ctx, kWordPerfect); }
void ScanQuattroPro(ScanContext& ctx) { RunCatalogue(ctx, kQuattroPro); }
void ScanCorelPresentations(ScanContext& ctx) { RunCatalogue(ctx, kCorelPresentations); }

}  // namespace scan
