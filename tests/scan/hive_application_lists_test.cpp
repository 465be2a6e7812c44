// The application lists of every user hive: every location in three hives,
// the hive index in the labels, the "vs6" switch and the count gates.
#include "scan/hive_application_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scan/application_catalogue_fixture.h"
#include "tests/scan/probe_trace_file.h"

namespace {

using namespace scan_testing;
using Strings = std::vector<std::string>;

class HiveApplicationsTest : public CatalogueScanTest {};

TEST_F(HiveApplicationsTest, EveryLocationInThreeHives) {
    ImportEverywhere();
    scan::ScanHiveApplications(ctx);

    ExpectCounters(0, 780);
    EXPECT_FALSE(window.notice.visible);
    const std::string third = std::string(kThirdUser) + "\\Software\\";
    ExpectRowsAt({
        {0, ValueRow("FlashGet - Recent Files List - {0} - File1", "HKU",
                     ".DEFAULT\\Software\\JetCar\\JetCar\\Recent File List", "File1", "S")},
        {180, ValueRow("Image Analyzer - Recent File List - {1}", "HKU",
                       std::string(kCurrentUser) + "\\Software\\MeeSoft\\ImageAnalyzer", "ResentFileList", "S")},
        {369,
         ValueRow("VNC - Recent Connections MRU - {2} - index", "HKU", third + "ORL\\VNCviewer\\MRU", "index", "S")},
        {438, ValueRow("MS Visual Studio 6 - Recent Files MRU - {1} - FileCount", "HKU",
                       std::string(kCurrentUser) + "\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List",
                       "FileCount", "D")},
        {631, ValueRow("Vallen JPegger - Recent MP3 Folders MRU - {0} - MRU-Count", "HKU",
                       ".DEFAULT\\Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Folders-MP3", "MRU-Count", "B")},
        {778, ValueRow("ACDSee - Copy\\Move History MRU - {2}", "HKU", third + "ACD Systems\\ACDSee",
                       "HistMCFDestFolder", "S")},
        {779, ValueRow("ACDSee - Folders History MRU - {2}", "HKU", third + "ACD Systems\\ACDSee", "HistPaths", "S")},
    });
}

TEST_F(HiveApplicationsTest, LabelsCarryTheIndexOfTheHiveTheyCameFrom) {
    Import("[HKEY_USERS\\" + std::string(kThirdUser) +
           "\\Software\\JetCar\\JetCar\\Recent File List]\n"
           "\"File2\"=\"C:\\\\setup.exe\"\n"
           "[HKEY_USERS\\" +
           std::string(kThirdUser) + "\\Software\\JetCar\\JetCar\\DownDir]\n\"List1\"=\"C:\\\\\"\n");
    ListHives();
    scan::ScanHiveApplications(ctx);
    EXPECT_EQ(Rows(),
              (std::vector<DetectedItem>{
                  ValueRow("FlashGet - Recent Files List - {2} - File2", "HKU",
                           std::string(kThirdUser) + "\\Software\\JetCar\\JetCar\\Recent File List", "File2", "S"),
                  ValueRow("FlashGet - Recent Download Folder List - {2} - List1", "HKU",
                           std::string(kThirdUser) + "\\Software\\JetCar\\JetCar\\DownDir", "List1", "S"),
              }));
}

// "vs6" off: no DevStudio value is read in any hive, the note shows, and
// the groups after it still run.
TEST_F(HiveApplicationsTest, Vs6OffSkipsVisualStudioOnly) {
    Import(
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List]\n"
        "\"FileCount\"=dword:00000001\n\"File1\"=\"a.cpp\"\n"
        "[HKEY_CURRENT_USER\\Software\\PowerArchiver\\Files]\n\"Extract5\"=\"C:\\\\out\"\n"
        "[HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0\\MRU Items]\n\"F0\"=\"a.ace\"\n");
    ListHives();
    SetSwitch("vs6", false);
    const std::uintmax_t offset = ProbeTraceFile::Size();

    scan::ScanHiveApplications(ctx);

    for (const std::string& probe : ProbeTraceFile::ProbesSince(offset)) {
        EXPECT_EQ(probe.find("DevStudio"), std::string::npos) << probe;
    }
    EXPECT_TRUE(window.notice.visible);
    EXPECT_EQ(Labels(), (Strings{"PowerArchiver - Recent Extracted Files MRU - {1} - Extract5",
                                 "WinAce - Recent Files MRU - {1} - F0"}));

    results.store.Clear();
    SetSwitch("vs6", true);
    scan::ScanHiveApplications(ctx);
    EXPECT_EQ(Labels(),
              (Strings{"PowerArchiver - Recent Extracted Files MRU - {1} - Extract5",
                       "MS Visual Studio 6 - Recent Files MRU - {1} - FileCount",
                       "MS Visual Studio 6 - Recent Files MRU - {1} - File1", "WinAce - Recent Files MRU - {1} - F0"}));
}

// A count value gates the entries below it, in its own hive only; the
// count itself is an item recorded with its own type.
struct GateCase {
    const char* name;
    const char* key;
    const char* count;    // the count value's .reg line
    const char* entries;  // .reg lines of two entries
    Strings found;        // labels when the count exists, the hive's index being 1
    const char* countType;
};

std::vector<GateCase> GateCases() {
    const std::string vallen = "Vallen JPegger - Recent Image Files MRU - {1} - ";
    const std::string studio = "Impact Microangelo 5.x - Studio - Recent Files List - {1} - ";
    const std::string devStudio = "MS Visual Studio 6 - Recent Projects MRU - {1} - ";
    return {
        {"Microangelo",
         "Software\\Impact\\Microangelo\\Studio\\MRU List",
         "\"MRUCount\"=\"2\"",
         "\"MRU1\"=\"a.ico\"\n\"MRU2\"=\"b.ico\"",
         {studio + "MRUCount", studio + "MRU1", studio + "MRU2"},
         "S"},
        {"VisualStudio",
         "Software\\Microsoft\\DevStudio\\6.0\\Recent File List",
         "\"ProjectCount\"=dword:00000002",
         "\"Project1\"=\"a.dsw\"\n\"Project5\"=\"b.dsw\"",
         {devStudio + "ProjectCount", devStudio + "Project1", devStudio + "Project5"},
         "D"},
        {"EditPad",
         "Software\\JGsoft\\EditPadLite\\Reopen",
         "\"Count\"=hex:02,00",
         "\"Item0\"=hex:61,00\n\"Item15\"=hex:62,00",
         {"EditPad Lite - Recent Files MRU - {1} - Count", "EditPad Lite - Recent Files MRU - {1} - Item0",
          "EditPad Lite - Recent Files MRU - {1} - Item15"},
         "B"},
        {"Vallen",
         "Software\\Vallen-Systeme GmbH\\Vallen JPegger\\MRU-Files-BMP&PCX",
         "\"MRU-Count\"=dword:00000002",
         "\"MRU-1\"=hex:61,00\n\"MRU-10\"=hex:62,00",
         {vallen + "MRU-Count", vallen + "MRU-1", vallen + "MRU-10"},
         "B"},
        {"Vnc",
         "Software\\ORL\\VNCviewer\\MRU",
         "\"index\"=\"ba\"",
         "\"a\"=\"host-a\"\n\"z\"=\"host-z\"",
         {"VNC - Recent Connections MRU - {1} - index", "VNC - Recent Connections MRU - {1} - a",
          "VNC - Recent Connections MRU - {1} - z"},
         "S"},
    };
}

class CountGateTest : public CatalogueScanTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(CountGateTest, EntriesOnlyWhereTheirCountExists) {
    const GateCase& c = GetParam();
    // The current user has the entries without the count; the third user has both.
    Import("[HKEY_CURRENT_USER\\" + std::string(c.key) + "]\n" + c.entries + "\n");
    Import("[HKEY_USERS\\" + std::string(kThirdUser) + "\\" + c.key + "]\n" + c.count + "\n" + c.entries + "\n");
    Import("[HKEY_USERS\\.DEFAULT\\" + std::string(c.key) + "]\n" + c.count + "\n");
    ListHives();

    scan::ScanHiveApplications(ctx);

    Strings expected = {c.found[0]};
    expected[0].replace(expected[0].find("{1}"), 3, "{0}");
    for (std::string label : c.found) expected.push_back(label.replace(label.find("{1}"), 3, "{2}"));
    EXPECT_EQ(Labels(), expected);
    ASSERT_EQ(results.store.RowCount(), 4u);
    EXPECT_EQ(results.store.ValueType()[1], c.countType);
    EXPECT_EQ(results.store.Subkey()[1], std::string(kThirdUser) + "\\" + c.key);
}

INSTANTIATE_TEST_SUITE_P(Gates, CountGateTest, ::testing::ValuesIn(GateCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HiveApplicationsTest, MissingImagePathLeavesResentFileListProbed) {
    Import("[HKEY_USERS\\.DEFAULT\\Software\\MeeSoft\\ImageAnalyzer]\n\"ResentFileList\"=\"a.png|b.png\"\n");
    ListHives();
    scan::ScanHiveApplications(ctx);
    EXPECT_EQ(Labels(), (Strings{"Image Analyzer - Recent File List - {0}"}));
}

}  // namespace
