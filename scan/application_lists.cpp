#include "scan/application_lists.h"

#include "scan/catalogue.h"
#include "scan/catalogue_interpreter.h"

namespace scan {

namespace {

using namespace catalogue;

// One row per catalogue row, in probe order:
// {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
// clang-format off
constexpr Row kCurrentUserApplications[] = {
    // Adobe Acrobat: Reader 4 keeps numbered values; 5 and 6 keep one subkey c<n>
    // per file, recorded whole when it holds "sDI".
    {_, HKCU, {"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer"}, {"avpRecentFile", n}, BB, N(1, 9), {"Adobe Acrobat Reader 4 - Recent Files List - ", n}, item, ValueType("S")},
    {H1, HKU, {h, "\\Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer"}, {"avpRecentFile", n}, BB, N(1, 9), {"Adobe Acrobat Reader 4 - Recent Files List {", i, "} - ", n}, item, ValueType("S")},
    {_, HKCU, {"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c", n}, {"sDI"}, BB, N(1, 14), {"Adobe Acrobat Reader 5 - Recent Files List - ", n}, item, Key({"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\"}, {"c", n})},
    {H2, HKU, {h, "\\Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c", n}, {"sDI"}, BB, N(1, 9), {"Adobe Acrobat Reader 5 - Recent Files List {", i, "} - ", n}, item, Key({h, "\\Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\"}, {"c", n})},
    {H3, HKU, {h, "\\Software\\Adobe\\Adobe Acrobat\\5.0\\AVGeneral\\cRecentFiles\\c", n}, {"sDI"}, BB, N(1, 9), {"Adobe Acrobat 5 - Recent Files List {", i, "} - ", n}, item, Key({h, "\\Software\\Adobe\\Adobe Acrobat\\5.0\\AVGeneral\\cRecentFiles\\"}, {"c", n})},
    {H4, HKU, {h, "\\Software\\Adobe\\Acrobat Reader\\6.0\\AVGeneral\\cRecentFiles\\c", n}, {"sDI"}, BB, N(1, 9), {"Adobe Acrobat Reader 6 - Recent Files List {", i, "} - ", n}, item, Key({h, "\\Software\\Adobe\\Acrobat Reader\\6.0\\AVGeneral\\cRecentFiles\\"}, {"c", n})},
    {H5, HKU, {h, "\\Software\\Adobe\\Adobe Acrobat\\6.0\\AVGeneral\\cRecentFiles\\c", n}, {"sDI"}, BB, N(1, 9), {"Adobe Acrobat 6 - Recent Files List {", i, "} - ", n}, item, Key({h, "\\Software\\Adobe\\Adobe Acrobat\\6.0\\AVGeneral\\cRecentFiles\\"}, {"c", n})},
    // Recent-file lists of the current user, some also in the default user's hive.
    {_, HKCU, {"Software\\MGI\\VideoWave\\Recent File List"}, {"File", n}, S, N(1, 14), {"MGI VideoWave - Recent File List - File", n}, item, _},
    {_, HKU, {".Default\\Software\\MGI\\VideoWave\\Recent File List"}, {"File", n}, S, N(1, 14), {"MGI VideoWave - Recent File List (Default) - File", n}, item, _},
    {_, HKCU, {"Software\\Sierra Imaging\\Image Expert 2000\\Recent Album List"}, {"Proj", n}, S, N(1, 14), {"Image Expert 2000 - Recent Album List - Proj", n}, item, _},
    {_, HKCU, {"Software\\ahead\\Nero - Burning Rom\\Recent File List"}, {"File", n}, S, N(1, 14), {"ahead Nero Burning ROM - Recent File List - File", n}, item, _},
    {_, HKU, {".Default\\Software\\ahead\\Nero - Burning Rom\\Recent File List"}, {"File", n}, S, N(1, 14), {"ahead Nero Burning ROM - Recent File List (Default) - File", n}, item, _},
    {_, HKCU, {"Software\\ahead\\nero wave editor\\Recent File List"}, {"File", n}, S, N(1, 14), {"ahead Nero Wave Editor - Recent File List - File", n}, item, _},
    {_, HKU, {".Default\\Software\\ahead\\nero wave editor\\Recent File List"}, {"File", n}, S, N(1, 14), {"ahead Nero Wave Editor - Recent File List (Default) - File", n}, item, _},
    {_, HKCU, {"Software\\ahead\\Cover Designer\\Recent File List"}, {"File", n}, S, N(1, 14), {"ahead Nero Cover Designer - Recent File List - File", n}, item, _},
    {_, HKU, {".Default\\Software\\ahead\\Cover Designer\\Recent File List"}, {"File", n}, S, N(1, 14), {"ahead Nero Cover Designer - Recent File List (Default) - File", n}, item, _},
    {_, HKCU, {"Software\\BVRP Software\\Annuaire\\Recent File List"}, {"File", n}, S, N(1, 14), {"BVRP PhoneTools - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\HTML Help Workshop\\Recent File List"}, {"file", n}, S, N(1, 9), {"HTML Help Workshop - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\HTML Help Workshop\\Project Files"}, {"file", n}, S, N(1, 9), {"HTML Help Workshop - Recent Project List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\HTML Help Workshop\\Html Titles"}, {"file", n}, S, N(1, 9), {"HTML Help Workshop - Recent Title List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\HTML Help Workshop\\Compressed HTML"}, {"file", n}, S, N(1, 9), {"HTML Help Workshop - Recent Compressed Files List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Microsoft HTML Help Image Editor\\Recent File List"}, {"file", n}, S, N(1, 9), {"HTML Help Image Editor - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Picture It! Publishing\\5.0\\Recent File List"}, {"File", n}, S, N(1, 9), {"MS Picture It! Publishing - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Picture It! Publishing\\6.0\\Recent File List"}, {"File", n}, S, N(1, 9), {"MS Picture It! Publishing - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Software602\\602Tab\\Recent File List"}, {"File", n}, S, N(1, 9), {"602Tab - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Software602\\WinMgr\\1.0\\602Tab\\Recent Files"}, {"File0", n}, S, N(1, 9), {"602Tab - Recently Opened Files - File0", n}, item, _},
    {_, HKCU, {"Software\\Software602\\WinMgr\\1.0\\602Tab\\Recent Files"}, {"File", n}, S, N(10, 19), {"602Tab - Recently Opened Files - File", n}, item, _},
    {_, HKCU, {"Software\\Software602\\602Text\\2000\\Settings"}, {"ResFiles"}, BB, _, {"602Text - Recent File List "}, item, _},
    {_, HKCU, {"Software\\BST\\bsplayer"}, {"file", n}, S, N(1, 50), {"BsPlayer - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\TMT Development\\TMT Pascal Lite 3"}, {"Last File ", n}, S, N(0, 20), {"TMT Pascal Lite 3 - Recent File List - Last File ", n}, item, _},
    {_, HKCU, {"Software\\HeadLight\\GetRight\\TypedURLs"}, {n}, S, N(0, 50), {"GetRight - Typed URLs List - ", n}, item, _},
    {_, HKU, {".Default\\Software\\HeadLight\\GetRight\\TypedURLs"}, {n}, S, N(0, 50), {"GetRight - Typed URLs List (Default) - ", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Paint Shop Pro 6\\Recent File List"}, {"File", n}, S, N(1, 25), {"PaintShop Pro 6 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Paint Shop Pro 7\\Recent File List"}, {"File", n}, S, N(1, 25), {"PaintShop Pro 7 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Paint Shop Pro 8\\Recent File List"}, {"File", n}, S, N(1, 25), {"PaintShop Pro 8 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Animation Shop 2\\Recent File List"}, {"File", n}, S, N(1, 25), {"Animation Shop 2 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Animation Shop 3\\Recent File List"}, {"File", n}, S, N(1, 25), {"Animation Shop 3 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Jasc Media Center Plus\\Recent File List"}, {"File", n}, S, N(1, 25), {"Jasc Media Center Plus - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Jasc\\Jasc WebDraw 1\\Recent File List"}, {"File", n}, S, N(1, 25), {"Jasc WebDraw 1 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Macromedia\\Flash 5\\Recent File List"}, {"File", n}, S, N(1, 25), {"Macromedia Flash 5 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Macromedia\\Flash 6\\Recent File List"}, {"File", n}, S, N(1, 25), {"Macromedia Flash MX - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Macromedia\\Firework 6\\Recent File List"}, {"File", n}, S, N(1, 25), {"Macromedia Fireworks MX - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Macromedia\\Dreamweaver 4\\Recent File List"}, {"File", n}, S, N(1, 25), {"Macromedia Dreamweaver 4 - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Macromedia\\Dreamweaver 6\\Recent File List"}, {"File", n}, S, N(1, 25), {"Macromedia Dreamweaver MX - Recent File List - File", n}, item, _},
    // DirectX: the last application of Direct3D and DirectDraw for the machine,
    // of DirectInput for the current user.
    {_, HKLM, {"SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication"}, {"Name"}, S, _, {"MS Direct3D - Most Recent Application"}, item, _},
    {_, HKLM, {"SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication"}, {"Name"}, S, _, {"MS DirectDraw - Most Recent Application"}, item, _},
    {_, HKCU, {"SOFTWARE\\Microsoft\\DirectInput\\MostRecentApplication"}, {"Name"}, S, _, {"MS DirectInput - Most Recent Application - Name"}, item, _},
    {_, HKCU, {"SOFTWARE\\Microsoft\\DirectInput\\MostRecentApplication"}, {"Id"}, S, _, {"MS DirectInput - Most Recent Application - ID"}, item, _},
    // More recent-file lists and histories.
    {_, HKCU, {"Software\\Ulead Systems\\Ulead PhotoImpact\\7.0\\Recent File List"}, {"File", n}, S, N(1, 25), {"Ulead PhotoImpact 7.0 - Recent File List - File", n}, item, _},
    // RegAdviser's LocateHistory: Line000 to Line999 in three zero-filled rows.
    {_, HKCU, {"Software\\Greatis\\Regrun2\\RegAdviser\\LocateHistory"}, {"Line00", n}, S, N(0, 9), {"Regrun2 RegAdviser - LocateHistory MRU - Line00", n}, item, _},
    {_, HKCU, {"Software\\Greatis\\Regrun2\\RegAdviser\\LocateHistory"}, {"Line0", n}, S, N(10, 99), {"Regrun2 RegAdviser - LocateHistory MRU - Line0", n}, item, _},
    {_, HKCU, {"Software\\Greatis\\Regrun2\\RegAdviser\\LocateHistory"}, {"Line", n}, S, N(100, 999), {"Regrun2 RegAdviser - LocateHistory MRU - Line", n}, item, _},
    {_, HKCU, {"Software\\Greatis\\Regrun2\\RegAdviser\\SearchHistory"}, unnamed, S, _, {"Regrun2 RegAdviser - SearchHistory MRU"}, list, Key({"Software\\Greatis\\Regrun2\\RegAdviser\\"}, {"SearchHistory"})},
    {_, HKCU, {"Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\FileNames"}, {n}, S, N(1, 100), {"Ontrack PowerDesk - Find History MRU - ", n}, item, _},
    {_, HKCU, {"Software\\SpeedBit\\Download Accelerator\\HistoryCombo"}, {"URLHistory"}, S, _, {"Download Accelerator Plus - URL history"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Office\\10.0\\Clip Organizer\\Search\\Last Query"}, {"LastSearchText"}, S, _, {"Office 10.0 (XP) - Clip Organizer Last Searched Text MRU"}, item, _},
    {_, HKU, {".Default\\Software\\Microsoft\\Office\\10.0\\Clip Organizer\\Search\\Last Query"}, {"LastSearchText"}, S, _, {"Office 10.0 (XP) - Clip Organizer Last Searched Text MRU (Default)"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\ClipArt Gallery\\2.0\\MRUDescription"}, {"Description", n}, S, N(1, 25), {"ClipArt Gallery Description MRU - Description", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\ClipArt Gallery\\2.0\\MRUName"}, {"Name", n}, S, N(1, 25), {"ClipArt Gallery Name MRU - Name", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor"}, {"LastFile", n}, S, N(1, 9), {"Microsoft Photo Editor - Recent Used MRU - LastFile", n}, item, _},
    {H6, HKU, {h, "\\Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor"}, {"LastFile", n}, S, N(1, 9), {"Microsoft Photo Editor - Recent Used MRU {", i, "} - LastFile", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor"}, {"LastType", n}, S, N(1, 9), {"Microsoft Photo Editor - Recent Used MRU - LastType", n}, item, _},
    {H7, HKU, {h, "\\Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor"}, {"LastType", n}, S, N(1, 9), {"Microsoft Photo Editor - Recent Used MRU {", i, ") - LastType", n}, item, _},
    {_, HKCU, {"Software\\CREATIVE TECH\\Creative PlayCenter 2\\PCMusLib"}, {"LastTrack"}, S, _, {"Creative PlayCenter 2 - LastTrack MRU"}, item, _},
    {_, HKCU, {"Software\\CREATIVE TECH\\Creative WaveStudio\\Settings"}, {"LastDir", n}, S, N(1, 9), {"Creative WaveStudio - Recent Location MRU - LastDir", n}, item, _},
    {_, HKCU, {"Software\\Creative Tecg\\Creative Wavestudio\\Settings"}, {"LastDir", n}, S, N(1, 9), {"Creative WaveStudio - Recent Location MRU - LastDir", n}, item, _},
    {_, HKCU, {"Software\\Freeware\\VirtualDub\\MRU List"}, {"MRUList"}, S, _, {"VirtualDub MRU List - MAIN"}, list, _},
    {_, HKCU, {"Software\\Freeware\\VirtualDub\\MRU List"}, {x}, S, X('a', 'z'), {"VirtualDub MRU List - (", x, ")"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Journal Viewer\\MRU"}, {"LastOpenSavePath"}, S, _, {"Windows Journal Viewer - Last Open Saved MRU"}, item, _},
    {_, HKCU, {"Software\\DivXNetworks\\ThePlaya"}, {"File", n}, S, N(1, 9), {"DivX The Playa - Recent Files List - File", n}, item, _},
    {_, HKCU, {"Software\\DivXNetworks\\DivX Player"}, {"File", n}, S, N(1, 9), {"DivX Player - Recent Files List - File", n}, item, _},
    {_, HKCU, {"Software\\Ying3\\DLExpert\\MAIN"}, {"ALLFILE"}, S, _, {"DLExpert 0.99 - Recent File MRUs - ALLFILE Item"}, item, _},
    // RealOne: the subkeys themselves, MostRecentClips<n> and MostRecentSkins<n>.
    {_, HKCU, {"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentClips", n}, _, key, N(1, 9), {"RealOne Recent Play List - Item ", n}, item, Key({"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\"}, {"MostRecentClips", n})},
    {_, HKCU, {"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentSkins", n}, _, key, N(1, 9), {"RealOne Recent Skins List - Item ", n}, item, Key({"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\"}, {"MostRecentSkins", n})},
    {_, HKCU, {"Software\\Microsoft\\Microsoft Management Console\\Recent File List"}, {"File", n}, S, N(0, 9), {"Microsoft Management Console - Recent File List - File", n}, item, _},
    // The registry editor's last key, under the "regedit" switch.
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(2)},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit"}, {"LastKey"}, S, _, {"Microsoft RegEdit - Last Key MRU"}, item, _},
    {H8, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit"}, {"LastKey"}, S, _, {"Microsoft RegEdit - Last Key MRU - {", i, "}"}, item, _},
    {_, HKCU, {"Software\\Merriam-Webster\\SearchHistory"}, {n}, S, N(0, 19), {"Merriam-Webster Toolbar - Search History - ", n}, item, _},
    {_, HKU, {".Default\\Software\\Merriam-Webster\\SearchHistory"}, {n}, S, N(0, 19), {"Merriam-Webster Toolbar - Search History (Default) - ", n}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Dependency Walker\\Recent File List"}, {"File", n}, S, N(1, 19), {"Microsoft Dependency Walker - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Gabest\\Media Player Classic\\Recent File List"}, {"File", n}, S, N(1, 19), {"Media Player Classic - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Gabest\\Media Player Classic\\Recent Dub List"}, {"Dub", n}, S, N(1, 19), {"Media Player Classic - Recent Dub List - Dub", n}, item, _},
};
// clang-format on

}  // namespace

// An error in one probe or in the switch read skips only that step.
void ScanCurrentUserApplications(ScanContext& ctx) {
    RunCatalogue(ctx, kCurrentUserApplications, {.ignoreErrorsPerProbe = true});
}

}  // namespace scan
