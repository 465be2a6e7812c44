// The catalogue tables of single items, archivers and peer-to-peer searches.
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
// Last-used folders, paths and similar single values.
inline constexpr Row kSingleItems[] = {
    {H1, HKU, {h, "\\Software\\7-ZIP\\FM"}, {"PanelPath0"}, S, _,
     {"7-Zip - Last Used Folder - {", i, "}"}, item, _},
    {H2, HKU, {h, "\\Software\\ACD Systems\\ACDSee"}, {"OpenFolder"}, S, _,
     {"ACDSee - Last Opened Folder - {", i, "}"}, item, _},
    {_, HKCU, {"Software\\ahead\\Nero - Burning Rom\\Settings"}, {"BrowserDir"}, S, _,
     {"ahead Nero Burning Rom - MRU Item - Last Browsed Directory"}, item, _},
    {_, HKCU, {"Software\\ahead\\Nero - Burning Rom\\Settings"}, {"ImageDir"}, S, _,
     {"ahead Nero Burning Rom - MRU Item - Last Image Directory"}, item, _},
    {_, HKCU, {"Software\\ahead\\Nero - Burning Rom\\Settings"}, {"NeroCompilation"}, S, _,
     {"ahead Nero Burning Rom - MRU Item - Last Compilation Directory"}, item, _},
    {_, HKLM, {"Software\\ahead\\Nero - Burning Rom\\Settings"}, {"NeroCompilation"}, S, _,
     {"ahead Nero Burning Rom - MRU Item - Last Compilation Directory (2)"}, item, _},
    {_, HKCU, {"Software\\ahead\\Nero - Burning Rom\\Settings"}, {"WorkingDir"}, S, _,
     {"ahead Nero Burning Rom - MRU Item - Last Working Directory"}, item, _},
    {_, HKCU, {"Software\\Jasc\\Animation Shop 3\\SaveAsDialog"}, {"SaveAsDir"}, S, _,
     {"Jasc Animation Shop 3 - MRU Item - Last Saved To Directory"}, item, _},
    {_, HKCU, {"Software\\Jasc\\Paint Shop Pro 7\\General"}, {"SaveAsDirectory"}, S, _,
     {"Jasc Paint Shop Pro 7 - MRU Item - Last Saved To Directory"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer"}, {"Download Directory"}, S, _,
     {"Internet Explorer - MRU Item - Recent Download Directory"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Internet Explorer\\Main"}, {"Save Directory"}, S, _,
     {"Internet Explorer - MRU Item - Recent Save Directory"}, item, _},
    {H3, HKU, {h, "\\Software\\Macromedia\\Flash 6\\Open Document"}, {"Open Document Dir"}, S, _,
     {"Macromedia Flash MX - Last Open Document Folder - {", i, "}"}, item, _},
    {H4, HKU, {h, "\\Software\\Microsoft\\HTML Help Workshop\\Settings"}, {"LastProject"}, S, _,
     {"MS HTML Help Workshop - Last Used Project - {", i, "}"}, item, _},
    {_, HKCU, {"Software\\Opera Software"}, {"Last CommandLine v2"}, S, _,
     {"Opera - MRU Item - Last CommandLine"}, item, _},
    {_, HKCU, {"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\LastLoginTime"}, unnamed, S, _,
     {"RealOne Player - MRU Item - Last Login Time"}, item, _},
    {_, HKCU, {"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\LastOpenFileDir"}, unnamed, S, _,
     {"RealOne Player - MRU Item - Last Open File Directory"}, item, _},
    {_, HKCU, {"Software\\SmartFTP\\Queue"}, {"Last File"}, S, _,
     {"SmartFTP - MRU Item - Last Save Queue"}, item, _},
    {_, HKCU, {"Software\\SmartFTP\\LocalView"}, {"Local Browser ", n}, S, N(0, 9),
     {"SmartFTP - MRU Item - Last Local Browser Path - ", n}, item, _},
    // Kept on purpose: both Vallen labels have two spaces before "- {".
    {H5, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Files-BMP&PCX"}, {"MRU-InitialDir"}, S, _,
     {"Vallen JPegger - Last Used Directory  - {", i, "}"}, item, _},
    {H6, HKU, {h, "\\Software\\Vallen-Systeme GmbH\\Vallen Zipper\\MRU-Files-ZIP"}, {"MRU-InitialDir"}, S, _,
     {"Vallen Zipper - Last Used Directory  - {", i, "}"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Player\\Settings"}, {"OpenDir"}, S, _,
     {"Windows Media Player - MRU Item - Recent Open Directory"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Player\\Settings"}, {"SaveAsDir"}, S, _,
     {"Windows Media Player - MRU Item - Recent Save Directory"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Preferences"}, {"CDRecordPath"}, S, _,
     {"Windows Media Player - MRU Item - Recent CD Record Path"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\MediaPlayer\\Preferences"}, {"LastPlaylist"}, BB, _,
     {"Windows Media Player - MRU Item - Last Opened Playlist"}, item, _},
    {H7, HKU, {h, "\\Software\\Microsoft\\MediaPlayer\\Preferences"}, {"LastPlaylist"}, BB, _,
     {"Windows Media Player - MRU Item - Last Opened Playlist {", i, "}"}, item, _},
    {_, HKCU, {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CopyMoveTo"}, {"LastFolder"}, BB, _,
     {"Windows Explorer - MRU Item - Last Copy/Move To Folder"}, item, _},
    {H8, HKU, {h, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CopyMoveTo"}, {"LastFolder"}, BB, _,
     {"Windows Explorer - MRU Item - Last Copy/Move To Folder {", i, "}"}, item, _},
    {_, HKCU, {"Software\\WinRAR\\General"}, {"LastFolder"}, S, _,
     {"WinRAR - MRU Item - Last Folder"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\directories"}, {"AddDir"}, S, _,
     {"WinZip - MRU Item - Last Add Files Directory"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\directories"}, {"gzAddDir"}, S, _,
     {"WinZip - MRU Item - Last Add Files Directory (2)"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\directories"}, {"DefDir"}, S, _,
     {"WinZip - MRU Item - Default Directory"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\directories"}, {"zDefDir"}, S, _,
     {"WinZip - MRU Item - Default Directory (2)"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\directories"}, {"ExtractTo"}, S, _,
     {"WinZip - MRU Item - Last Destination Directory"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\directories"}, {"gzExtractTo"}, S, _,
     {"WinZip - MRU Item - Last Destination Directory (2)"}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\rrs"}, {"Opened"}, S, _,
     {"WinZip - MRU Item - Number of Times Opened"}, item, _},
    {H9, HKU, {h, "\\Software\\M.Dev Software\\ZG5"}, {"LastDir"}, S, _,
     {"ZipGenius 5 - Recent Files MRU - {", i, "} - LastDir"}, item, _},
};

// Archivers' recent files, extraction paths and folders.
inline constexpr Row kArchivers[] = {
    {_, HKCU, {"Software\\WinRAR\\ArcHistory"}, {n}, S, N(0, 49),
     {"WinRAR - Recent File List - ", n}, item, _},
    {_, HKCU, {"Software\\PicoZip\\MRU Items"}, {"F", n}, S, N(0, 8),
     {"PicoZip - Recent File List - F", n}, item, _},
    {_, HKCU, {"Software\\PowerArchiver\\Files"}, {"Active_File", n}, S, N(1, 5),
     {"PowerArchiver - Recent File List - Active_File", n}, item, _},
    {_, HKCU, {"Software\\PowerArchiver\\Files"}, {"Extract", n}, S, N(1, 5),
     {"PowerArchiver - Recent Extraction Paths - Extract", n}, item, _},
    {_, HKCU, {"Software\\PowerArchiver\\Files"}, {"SelDir", n}, S, N(1, 5),
     {"PowerArchiver - Recent Selected Directories - SelDir", n}, item, _},
    {_, HKCU, {"Software\\Trident Software\\PowerZip\\Recent File List"}, {"File", n}, S, N(1, 9),
     {"PowerZip - Recent File List - File", n}, item, _},
    {_, HKCU, {"Software\\Trident Software\\PowerZip\\Doc"}, {"OpenDir"}, S, _,
     {"PowerZip - Last Opened Directory"}, item, _},
    {_, HKCU, {"Software\\WinRAR\\DialogEditHistory\\ExtrPath"}, {n}, S, N(0, 99),
     {"WinRAR - Recent Extraction Path List - ", n}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\extract"}, {"extract", n}, S, N(0, 99),
     {"WinZip - Recent Extracted Files - ", n}, item, _},
    {_, HKCU, {"Software\\Nico Mak Computing\\WinZip\\filemenu"}, {"filemenu", n}, S, N(0, 19),
     {"WinZip - Recent File List - ", n}, item, _},
};

// Search histories of file-sharing clients.
inline constexpr Row kPeerToPeerSearches[] = {
    {_, HKCU, {"Software\\Gnucleus\\Searches"}, {"1014-", n}, S, N(0, 99),
     {"Gnucleus/Morpheus PE - Search Listing - ", n}, item, _},
    {_, HKCU, {"Software\\Kazaa\\Search"}, {n}, S, N(0, 499),
     {"Kazaa - Previous Searches MRU - ", n}, item, _},
    {_, HKU, {".Default\\Software\\Kazaa\\Search"}, {n}, S, N(0, 499),
     {"Kazaa - Previous Searches MRU (Default) - ", n}, item, _},
};
// clang-format on

}  // namespace scan::tables
