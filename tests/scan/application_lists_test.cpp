// The application lists of the current user: every location in three hives,
// the "regedit" switch, the key rows, the zero-filled lists and the DirectX
// rows.
#include "scan/application_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/scan/application_catalogue_fixture.h"
#include "tests/scan/probe_trace_file.h"

namespace {

using namespace scan_testing;
using Probes = std::vector<std::string>;

const std::string kRegedit = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

Probes ProbesOf(const Probes& probes, const std::string& keyPart) {
    Probes kept;
    std::copy_if(probes.begin(), probes.end(), std::back_inserter(kept),
                 [&](const std::string& probe) { return probe.find(keyPart) != std::string::npos; });
    return kept;
}

class CurrentUserApplicationsTest : public CatalogueScanTest {};

TEST_F(CurrentUserApplicationsTest, EveryLocationInThreeHives) {
    ImportEverywhere();
    scan::ScanCurrentUserApplications(ctx);

    ExpectCounters(2, 2311);
    EXPECT_FALSE(window.notice.visible);
    const std::string acrobat5 = "Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\";
    const std::string photoEditor = "\\Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor";
    ExpectRowsAt({
        {0, ValueRow("Adobe Acrobat Reader 4 - Recent Files List - 1", "HKCU",
                     "Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", "avpRecentFile1", "S")},
        {35, ValueRow("Adobe Acrobat Reader 4 - Recent Files List {2} - 9", "HKU",
                      std::string(kThirdUser) + "\\Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", "avpRecentFile9",
                      "S")},
        {49, KeyRow("Adobe Acrobat Reader 5 - Recent Files List - 14", "HKCU", acrobat5, "c14")},
        {131, KeyRow("Adobe Acrobat 6 - Recent Files List {0} - 1", "HKU",
                     ".DEFAULT\\Software\\Adobe\\Adobe Acrobat\\6.0\\AVGeneral\\cRecentFiles\\", "c1")},
        {512, ValueRow("GetRight - Typed URLs List (Default) - 0", "HKU",
                       ".Default\\Software\\HeadLight\\GetRight\\TypedURLs", "0", "S")},
        {863, ValueRow("MS Direct3D - Most Recent Application", "HKLM",
                       "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication", "Name", "S")},
        {866, ValueRow("MS DirectInput - Most Recent Application - ID", "HKCU",
                       "SOFTWARE\\Microsoft\\DirectInput\\MostRecentApplication", "Id", "S")},
        {934, ValueRow("Regrun2 RegAdviser - LocateHistory MRU - Line042", "HKCU",
                       "Software\\Greatis\\Regrun2\\RegAdviser\\LocateHistory", "Line042", "S")},
        {1892, KeyRow("Regrun2 RegAdviser - SearchHistory MRU", "HKCU", "Software\\Greatis\\Regrun2\\RegAdviser\\",
                      "SearchHistory")},
        {2102, ValueRow("Microsoft Photo Editor - Recent Used MRU {1) - LastType3", "HKU",
                        std::string(kCurrentUser) + photoEditor, "LastType3", "S")},
        {2137,
         ValueRow("VirtualDub MRU List - MAIN", "HKCU", "Software\\Freeware\\VirtualDub\\MRU List", "MRUList", "S")},
        {2201, KeyRow("RealOne Recent Skins List - Item 9", "HKCU",
                      "Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\", "MostRecentSkins9")},
        {2215, ValueRow("Microsoft RegEdit - Last Key MRU - {2}", "HKU", std::string(kThirdUser) + "\\" + kRegedit,
                        "LastKey", "S")},
        {2312, ValueRow("Media Player Classic - Recent Dub List - Dub19", "HKCU",
                        "Software\\Gabest\\Media Player Classic\\Recent Dub List", "Dub19", "S")},
    });
}

// "regedit" guards the current user's last key and its per-hive group; when
// it is off neither is probed, the note shows, and the rows after them run.
struct RegeditCase {
    const char* name;
    const char* stored;  // the switch value, or nullptr for none
    bool on;
};

class RegeditSwitchTest : public CatalogueScanTest, public ::testing::WithParamInterface<RegeditCase> {};

TEST_P(RegeditSwitchTest, GuardsTheLastKeyRowsOnly) {
    Import("[HKEY_CURRENT_USER\\" + kRegedit +
           "]\n\"LastKey\"=\"My Computer\\\\HKEY_USERS\"\n"
           "[HKEY_CURRENT_USER\\Software\\Merriam-Webster\\SearchHistory]\n\"0\"=\"privacy\"\n");
    if (GetParam().stored != nullptr) {
        Import(std::string("[HKEY_CURRENT_USER\\Software\\Nimbrel\\Ignore]\n\"regedit\"=") + GetParam().stored + "\n");
    }
    ListHives();
    const std::uintmax_t offset = ProbeTraceFile::Size();

    scan::ScanCurrentUserApplications(ctx);

    const Probes lastKey = ProbesOf(ProbeTraceFile::ProbesSince(offset), "Applets\\Regedit");
    if (GetParam().on) {
        EXPECT_EQ(lastKey, (Probes{"ReadValue\tHKCU\t" + kRegedit + "\tLastKey\tS",
                                   "ReadValue\tHKU\t.DEFAULT\\" + kRegedit + "\tLastKey\tS",
                                   "ReadValue\tHKU\t" + std::string(kCurrentUser) + "\\" + kRegedit + "\tLastKey\tS"}));
        EXPECT_EQ(Labels(), (std::vector<std::string>{"Microsoft RegEdit - Last Key MRU",
                                                      "Microsoft RegEdit - Last Key MRU - {1}",
                                                      "Merriam-Webster Toolbar - Search History - 0"}));
    } else {
        EXPECT_EQ(lastKey, Probes{});
        EXPECT_EQ(Labels(), (std::vector<std::string>{"Merriam-Webster Toolbar - Search History - 0"}));
    }
    EXPECT_EQ(window.notice.visible, !GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Switch, RegeditSwitchTest,
                         ::testing::Values(RegeditCase{"Absent", nullptr, true}, RegeditCase{"On", "hex:ff,ff", true},
                                           RegeditCase{"Off", "hex:00,00", false},
                                           RegeditCase{"OneBitSet", "hex:01,00", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Key rows: Acrobat's c<n> subkeys when they hold "sDI", RealOne's keys
// whether or not they hold values, RegAdviser's key when it has an unnamed
// value; each records the parent and the subkey's name.
TEST_F(CurrentUserApplicationsTest, KeyRowsRecordParentAndSubkey) {
    const std::string files = "HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\";
    const std::string preferences = "HKEY_CURRENT_USER\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";
    Import("[" + files + "c1]\n\"sDI\"=hex:2f,43\n[" + files + "c2]\n\"sDI\"=hex:2f,44\n[" + files +
           "c3]\n\"sDI\"=hex:2f,45\n[" + files + "c4]\n\"tDIText\"=hex:2f,46\n" +  //
           "[" + preferences + "MostRecentClips2]\n[" + preferences + "MostRecentClips10]\n" +
           "[HKEY_CURRENT_USER\\Software\\Greatis\\Regrun2\\RegAdviser\\SearchHistory]\n@=\"\"\n\"1\"=\"run\"\n");

    scan::ScanCurrentUserApplications(ctx);

    const std::string parent = "Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\";
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{
                          KeyRow("Adobe Acrobat Reader 5 - Recent Files List - 1", "HKCU", parent, "c1"),
                          KeyRow("Adobe Acrobat Reader 5 - Recent Files List - 2", "HKCU", parent, "c2"),
                          KeyRow("Adobe Acrobat Reader 5 - Recent Files List - 3", "HKCU", parent, "c3"),
                          KeyRow("Regrun2 RegAdviser - SearchHistory MRU", "HKCU",
                                 "Software\\Greatis\\Regrun2\\RegAdviser\\", "SearchHistory"),
                          KeyRow("RealOne Recent Play List - Item 2", "HKCU",
                                 "Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\", "MostRecentClips2"),
                      }));
    ExpectCounters(1, 4);
}

TEST_F(CurrentUserApplicationsTest, SearchHistoryWithoutUnnamedValueIsNotFound) {
    Import("[HKEY_CURRENT_USER\\Software\\Greatis\\Regrun2\\RegAdviser\\SearchHistory]\n\"1\"=\"run\"\n");
    scan::ScanCurrentUserApplications(ctx);
    EXPECT_EQ(Rows(), std::vector<DetectedItem>{});
}

// Zero-filled lists: LocateHistory runs Line000 to Line999, so Line042 is
// found and Line42 is never asked for; 602Tab runs File01 to File19.
TEST_F(CurrentUserApplicationsTest, ZeroFilledListsProbeOnlyTheirPaddedNames) {
    const std::string locate = "Software\\Greatis\\Regrun2\\RegAdviser\\LocateHistory";
    const std::string tab = "Software\\Software602\\WinMgr\\1.0\\602Tab\\Recent Files";
    Import("[HKEY_CURRENT_USER\\" + locate + "]\n\"Line42\"=\"a\"\n\"Line042\"=\"b\"\n\"Line999\"=\"c\"\n" +
           "\"Line1000\"=\"d\"\n\"Line7\"=\"e\"\n" + "[HKEY_CURRENT_USER\\" + tab + "]\n\"File1\"=\"a\"\n" +
           "\"File01\"=\"b\"\n\"File19\"=\"c\"\n\"File010\"=\"d\"\n");
    const std::uintmax_t offset = ProbeTraceFile::Size();

    scan::ScanCurrentUserApplications(ctx);

    EXPECT_EQ(Labels(), (std::vector<std::string>{"602Tab - Recently Opened Files - File01",
                                                  "602Tab - Recently Opened Files - File19",
                                                  "Regrun2 RegAdviser - LocateHistory MRU - Line042",
                                                  "Regrun2 RegAdviser - LocateHistory MRU - Line999"}));
    Probes expected;
    for (int n = 0; n <= 999; ++n) {
        const std::string number = std::to_string(n);
        expected.push_back("ReadValue\tHKCU\t" + locate + "\tLine" + std::string(3 - number.size(), '0') + number +
                           "\tS");
    }
    EXPECT_EQ(ProbesOf(ProbeTraceFile::ProbesSince(offset), "\\LocateHistory\t"), expected);
}

// Direct3D and DirectDraw are the machine's; DirectInput is the current
// user's, under the path spelled "SOFTWARE\...".
TEST_F(CurrentUserApplicationsTest, DirectXRowsReadTheirOwnRoots) {
    Import(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication]\n\"Name\"=\"game.exe\"\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\DirectDraw\\MostRecentApplication]\n\"Name\"=\"other.exe\"\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\DirectInput\\MostRecentApplication]\n\"Name\"=\"pad.exe\"\n"
        "\"Id\"=\"3F2A\"\n");
    const std::uintmax_t offset = ProbeTraceFile::Size();

    scan::ScanCurrentUserApplications(ctx);

    const std::string input = "SOFTWARE\\Microsoft\\DirectInput\\MostRecentApplication";
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{
                          ValueRow("MS Direct3D - Most Recent Application", "HKLM",
                                   "SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication", "Name", "S"),
                          ValueRow("MS DirectInput - Most Recent Application - Name", "HKCU", input, "Name", "S"),
                          ValueRow("MS DirectInput - Most Recent Application - ID", "HKCU", input, "Id", "S"),
                      }));
    EXPECT_EQ(ProbesOf(ProbeTraceFile::ProbesSince(offset), "\\MostRecentApplication\t"),
              (Probes{"ReadValue\tHKLM\tSOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication\tName\tS",
                      "ReadValue\tHKLM\tSOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication\tName\tS",
                      "ReadValue\tHKCU\t" + input + "\tName\tS", "ReadValue\tHKCU\t" + input + "\tId\tS"}));
}

}  // namespace
