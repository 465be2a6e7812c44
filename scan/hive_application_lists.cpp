#include "scan/hive_application_lists.h"

#include "scan/catalogue.h"
#include "scan/catalogue_interpreter.h"

namespace scan {

namespace {

using namespace catalogue;

// One row per catalogue row, in probe order:
// {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
// Each group walks the hive list once; every label carries the hive's index.
// clang-format off
constexpr Row kHiveApplications[] = {
    {H1, HKU, {h, "\\Software\\JetCar\\JetCar\\Recent File List"}, {"File", n}, S, N(1, 9), {"FlashGet - Recent Files List - {", i, "} - File", n}, item, _},
    {H1, HKU, {h, "\\Software\\JetCar\\JetCar\\DownDir"}, {"List", n}, S, N(1, 9), {"FlashGet - Recent Download Folder List - {", i, "} - List", n}, item, _},
    {H2, HKU, {h, "\\Software\\VB and VBA Program Settings\\Microsoft Visual Basic AddIns\\VisData6"}, {"MRUConnect", n}, S, N(1, 8), {"MS Visual Data Manager 6.0 - Recent Connection Type - {", i, "} - MRUConnect", n}, item, _},
    {H2, HKU, {h, "\\Software\\VB and VBA Program Settings\\Microsoft Visual Basic AddIns\\VisData6"}, {"MRUDatabase", n}, S, N(1, 8), {"MS Visual Data Manager 6.0 - Recent Database - {", i, "} - MRUDatabase", n}, item, _},
    {H2, HKU, {h, "\\Software\\VB and VBA Program Settings\\Microsoft Visual Basic AddIns\\VisData6"}, {"DatabaseName"}, S, _, {"MS Visual Data Manager 6.0 - Last Database Name - {", i, "}"}, item, _},
    {H2, HKU, {h, "\\Software\\VB and VBA Program Settings\\Microsoft Visual Basic AddIns\\VisData6"}, {"DataType"}, S, _, {"MS Visual Data Manager 6.0 - Last Database Type - {", i, "}"}, item, _},
    {H3, HKU, {h, "\\Software\\CursorArts\\MRU Items"}, {"F", n}, S, N(0, 9), {"CursorArts IconForge - Recent Files List - {", i, "} - F", n}, item, _},
    {H4, HKU, {h, "\\Software\\Spidersoft\\WebZIP\\Settings"}, {"Last Task"}, S, _, {"WebZip - Last Task - {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Spidersoft\\WebZIP\\Settings"}, {"Last Category"}, S, _, {"WebZip - Last Category - {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Spidersoft\\WebZIP\\Settings"}, {"Last Profile"}, S, _, {"WebZip - Last Profile - {", i, "}"}, item, _},
    {H5, HKU, {h, "\\Software\\Advanced Grapher\\RecentFiles"}, {n}, S, N(0, 9), {"Advanced Grapher - Recent Files List - {", i, "} - ", n}, item, _},
    {H6, HKU, {h, "\\Software\\MeeSoft\\ImageAnalyzer"}, {"ImagePath"}, S, _, {"Image Analyzer - Last Used Folder - {", i, "}"}, item, _},
    {H6, HKU, {h, "\\Software\\MeeSoft\\ImageAnalyzer"}, {"ResentFileList"}, S, _, {"Image Analyzer - Recent File List - {", i, "}"}, item, _},
    {H7, HKU, {h, "\\Software\\InstallShield\\Express\\4.0\\Recent File List"}, {n}, S, N(1, 10), {"InstallShield Express 4.0 - Recent Files List - {", i, "} - ", n}, item, _},
    // Count values gate their lists: no count, no entries probed.
    {H8, HKU, {h, "\\Software\\Impact\\Microangelo\\Animator\\MRU List"}, {"MRUCount"}, S, _, {"Impact Microangelo 5.x - Animator - Recent Files List - {", i, "} - MRUCount"}, item, _},
    {H8, HKU, {h, "\\Software\\Impact\\Microangelo\\Animator\\MRU List"}, {"MRU", n}, S, N(1, 10), {"Impact Microangelo 5.x - Animator - Recent Files List - {", i, "} - MRU", n}, item, above},
    {H8, HKU, {h, "\\Software\\Impact\\Microangelo\\Librarian\\MRU List"}, {"MRUCount"}, S, _, {"Impact Microangelo 5.x - Librarian - Recent Files List - {", i, "} - MRUCount"}, item, _},
    {H8, HKU, {h, "\\Software\\Impact\\Microangelo\\Librarian\\MRU List"}, {"MRU", n}, S, N(1, 10), {"Impact Microangelo 5.x - Librarian - Recent Files List - {", i, "} - MRU", n}, item, above},
    {H8, HKU, {h, "\\Software\\Impact\\Microangelo\\Studio\\MRU List"}, {"MRUCount"}, S, _, {"Impact Microangelo 5.x - Studio - Recent Files List - {", i, "} - MRUCount"}, item, _},
    {H8, HKU, {h, "\\Software\\Impact\\Microangelo\\Studio\\MRU List"}, {"MRU", n}, S, N(1, 10), {"Impact Microangelo 5.x - Studio - Recent Files List - {", i, "} - MRU", n}, item, above},
    {H9, HKU, {h, "\\Software\\FerretSoft\\NetFerret\\CurrentVersion\\Web"}, {"Search History"}, S, _, {"WebFerret - Search History - {", i, "}"}, item, _},
    {H10, HKU, {h, "\\Software\\ORL\\VNCviewer\\MRU"}, {"index"}, S, _, {"VNC - Recent Connections MRU - {", i, "} - ", "index"}, item, _},
    {H10, HKU, {h, "\\Software\\ORL\\VNCviewer\\MRU"}, {x}, S, X('a', 'z'), {"VNC - Recent Connections MRU - {", i, "} - ", x}, item, above},
    {H11, HKU, {h, "\\Software\\PowerArchiver\\Files"}, {"Active_File", n}, S, N(1, 5), {"PowerArchiver - Recent Files MRU - {", i, "} - Active_File", n}, item, _},
    {H11, HKU, {h, "\\Software\\PowerArchiver\\Files"}, {"Extract", n}, S, N(1, 5), {"PowerArchiver - Recent Extracted Files MRU - {", i, "} - Extract", n}, item, _},
    // Visual Studio 6, under the "vs6" switch.
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"vs6"}, B, _, _, _, SwitchGroup()},
    {H12, HKU, {h, "\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List"}, {"FileCount"}, D, _, {"MS Visual Studio 6 - Recent Files MRU - {", i, "} - FileCount"}, item, _},
    {H12, HKU, {h, "\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List"}, {"File", n}, S, N(1, 5), {"MS Visual Studio 6 - Recent Files MRU - {", i, "} - File", n}, item, above},
    {H12, HKU, {h, "\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List"}, {"ProjectCount"}, D, _, {"MS Visual Studio 6 - Recent Projects MRU - {", i, "} - ProjectCount"}, item, _},
    {H12, HKU, {h, "\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List"}, {"Project", n}, S, N(1, 5), {"MS Visual Studio 6 - Recent Projects MRU - {", i, "} - Project", n}, item, above},
    {H13, HKU, {h, "\\Software\\e-merge\\WinAce\\2.0\\MRU Items"}, {"F", n}, S, N(0, 10), {"WinAce - Recent Files MRU - {", i, "} - F", n}, item, _},
    {H14, HKU, {h, "\\Software\\metapad"}, {"mru_", n}, S, N(1, 10), {"Metapad - Recent Files MRU - {", i, "} - mru_", n}, item, _},
    {H15, HKU, {h, "\\Software\\JGsoft\\EditPadLite\\Reopen"}, {"Count"}, BB, _, {"EditPad Lite - Recent Files MRU - {", i, "} - Count"}, item, _},
    {H15, HKU, {h, "\\Software\\JGsoft\\EditPadLite\\Reopen"}, {"Item", n}, BB, N(0, 15), {"EditPad Lite - Recent Files MRU - {", i, "} - Item", n}, item, above},
    {H15, HKU, {h, "\\Software\\JGsoft\\EditPadLite\\Search"}, {"ReplaceCount"}, BB, _, {"EditPad Lite - Replaced Terms Count - {", i, "}"}, item, _},
    {H15, HKU, {h, "\\Software\\JGsoft\\EditPadLite\\Search"}, {"SearchCount"}, BB, _, {"EditPad Lite - Searched Terms Count - {", i, "}"}, item, _},
    {H16, HKU, {h, "\\Software\\VB and VBA Program Settings\\3D Canvas\\Application"}, {"MRUFile", n}, S, N(0, 3), {"3D Canvas - Recent Files MRU - {", i, "} - MRUFile", n}, item, _},
    {H16, HKU, {h, "\\Software\\VB and VBA Program Settings\\3D Canvas\\Application"}, {"MRUDate", n}, S, N(0, 3), {"3D Canvas - Recent File Dates MRU - {", i, "} - MRUDate", n}, item, _},
    {H17, HKU, {h, "\\Software\\7-ZIP\\FM"}, {"FolderHistory"}, BB, _, {"7-Zip - Folder History - {", i, "}"}, item, _},
    {H18, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Files-BMP&PCX"}, {"MRU-Count"}, D, _, {"Vallen JPegger - Recent Image Files MRU - {", i, "} - MRU-Count"}, item, ValueType("B")},
    {H18, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Files-BMP&PCX"}, {"MRU-", n}, BB, N(1, 10), {"Vallen JPegger - Recent Image Files MRU - {", i, "} - MRU-", n}, item, above},
    {H18, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Folders-IMG"}, {"MRU-Count"}, D, _, {"Vallen JPegger - Recent Image Folders MRU - {", i, "} - MRU-Count"}, item, ValueType("B")},
    {H18, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Folders-IMG"}, {"MRU-", n}, BB, N(1, 10), {"Vallen JPegger - Recent Image Folders MRU - {", i, "} - MRU-", n}, item, above},
    {H18, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Folders-MP3"}, {"MRU-Count"}, D, _, {"Vallen JPegger - Recent MP3 Folders MRU - {", i, "} - MRU-Count"}, item, ValueType("B")},
    {H18, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Folders-MP3"}, {"MRU-", n}, BB, N(1, 10), {"Vallen JPegger - Recent MP3 Folders MRU - {", i, "} - MRU-", n}, item, above},
    {H19, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen Zipper\\MRU-Files-ZIP"}, {"MRU-Count"}, D, _, {"Vallen Zipper - Recent Files MRU - {", i, "} - MRU-Count"}, item, ValueType("B")},
    {H19, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen Zipper\\MRU-Files-ZIP"}, {"MRU-", n}, BB, N(1, 10), {"Vallen Zipper - Recent Files MRU - {", i, "} - MRU-", n}, item, above},
    {H20, HKU, {h, "\\Software\\M.Dev Software\\ZG5\\MRU Items"}, {"F", n}, S, N(0, 10), {"ZipGenius 5 - Recent Files MRU - {", i, "} - F", n}, item, _},
    {H21, HKU, {h, "\\Software\\ACD Systems\\ACDSee"}, {"HistMCFDestFolder"}, S, _, {"ACDSee - Copy\\Move History MRU - {", i, "}"}, item, _},
    {H21, HKU, {h, "\\Software\\ACD Systems\\ACDSee"}, {"HistPaths"}, S, _, {"ACDSee - Folders History MRU - {", i, "}"}, item, _},
};
// clang-format on

}  // namespace

// An error in one probe or in the switch read skips only that step.
void ScanHiveApplications(ScanContext& ctx) {
    RunCatalogue(ctx, kHiveApplications, {.ignoreErrorsPerProbe = true});
}

}  // namespace scan
