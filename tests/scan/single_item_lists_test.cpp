// Single items, archivers and peer-to-peer searches: every location in three
// hives, Nero under two roots, RealOne's unnamed values, the Kazaa and
// Gnucleus lists.
#include "scan/single_item_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scan/application_catalogue_fixture.h"
#include "tests/scan/probe_trace_file.h"

namespace {

using namespace scan_testing;
using Strings = std::vector<std::string>;

class SingleItemListsTest : public CatalogueScanTest {};

TEST_F(SingleItemListsTest, SingleItemsEverywhere) {
    ImportEverywhere();
    scan::ScanSingleItems(ctx);
    ExpectCounters(0, 63);
    ExpectRowsAt({
        {0, ValueRow("7-Zip - Last Used Folder - {0}", "HKU", ".DEFAULT\\Software\\7-ZIP\\FM", "PanelPath0", "S")},
        {9, ValueRow("ahead Nero Burning Rom - MRU Item - Last Compilation Directory (2)", "HKLM",
                     "Software\\ahead\\Nero - Burning Rom\\Settings", "NeroCompilation", "S")},
        {22, ValueRow("RealOne Player - MRU Item - Last Login Time", "HKCU",
                      "Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\LastLoginTime", "", "S")},
        {39, ValueRow("Vallen Zipper - Last Used Directory  - {1}", "HKU",
                      std::string(kCurrentUser) + "\\Software\\Vallen-Systeme GmbH\\Vallen Zipper\\MRU-Files-ZIP",
                      "MRU-InitialDir", "S")},
        {62, ValueRow("ZipGenius 5 - Recent Files MRU - {2} - LastDir", "HKU",
                      std::string(kThirdUser) + "\\Software\\M.Dev Software\\ZG5", "LastDir", "S")},
    });
}

TEST_F(SingleItemListsTest, ArchiversEverywhere) {
    ImportEverywhere();
    scan::ScanArchivers(ctx);
    ExpectCounters(0, 304);
    ExpectRowsAt({
        {0, ValueRow("WinRAR - Recent File List - 0", "HKCU", "Software\\WinRAR\\ArcHistory", "0", "S")},
        {303, ValueRow("WinZip - Recent File List - 19", "HKCU", "Software\\Nico Mak Computing\\WinZip\\filemenu",
                       "filemenu19", "S")},
    });
}

TEST_F(SingleItemListsTest, PeerToPeerSearchesEverywhere) {
    ImportEverywhere();
    scan::ScanPeerToPeerSearches(ctx);
    ExpectCounters(0, 1100);
    ExpectRowsAt({
        {0,
         ValueRow("Gnucleus/Morpheus PE - Search Listing - 0", "HKCU", "Software\\Gnucleus\\Searches", "1014-0", "S")},
        {599, ValueRow("Kazaa - Previous Searches MRU - 499", "HKCU", "Software\\Kazaa\\Search", "499", "S")},
        {600,
         ValueRow("Kazaa - Previous Searches MRU (Default) - 0", "HKU", ".Default\\Software\\Kazaa\\Search", "0", "S")},
        {1099, ValueRow("Kazaa - Previous Searches MRU (Default) - 499", "HKU", ".Default\\Software\\Kazaa\\Search",
                        "499", "S")},
    });
}

// "NeroCompilation" is looked for under the current user and the machine;
// the machine's is the one marked (2).
TEST_F(SingleItemListsTest, NeroCompilationUnderBothRoots) {
    Import(
        "[HKEY_LOCAL_MACHINE\\Software\\ahead\\Nero - Burning Rom\\Settings]\n\"NeroCompilation\"=\"D:\\\\cd\"\n"
        "\"WorkingDir\"=\"D:\\\\work\"\n"
        "[HKEY_CURRENT_USER\\Software\\ahead\\Nero - Burning Rom\\Settings]\n\"NeroCompilation\"=\"C:\\\\cd\"\n");
    scan::ScanSingleItems(ctx);
    EXPECT_EQ(Labels(), (Strings{"ahead Nero Burning Rom - MRU Item - Last Compilation Directory",
                                 "ahead Nero Burning Rom - MRU Item - Last Compilation Directory (2)"}));
    EXPECT_EQ(results.store.Mainkey(), (Strings{"HKCU", "HKLM"}));
}

// RealOne keeps its last login and folder in unnamed values: the recorded
// value name is empty, and a key without an unnamed value is not found.
TEST_F(SingleItemListsTest, RealOneReadsUnnamedValues) {
    const std::string preferences = "Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";
    Import("[HKEY_CURRENT_USER\\" + preferences + "LastLoginTime]\n\"Time\"=\"1\"\n" + "[HKEY_CURRENT_USER\\" +
           preferences + "LastOpenFileDir]\n@=\"C:\\\\Media\"\n");
    scan::ScanSingleItems(ctx);
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{ValueRow("RealOne Player - MRU Item - Last Open File Directory",
                                                          "HKCU", preferences + "LastOpenFileDir", "", "S")}));
}

// Kazaa runs 0 to 499 for the current and the default user; Gnucleus
// names its values 1014-n and labels them with n alone.
TEST_F(SingleItemListsTest, SearchListsRunTheirWholeRanges) {
    Import(
        "[HKEY_CURRENT_USER\\Software\\Kazaa\\Search]\n\"0\"=\"a\"\n\"499\"=\"b\"\n\"500\"=\"c\"\n"
        "[HKEY_USERS\\.DEFAULT\\Software\\Kazaa\\Search]\n\"7\"=\"d\"\n"
        "[HKEY_CURRENT_USER\\Software\\Gnucleus\\Searches]\n\"1014-99\"=\"e\"\n\"1014-100\"=\"f\"\n\"99\"=\"g\"\n");
    const std::uintmax_t offset = ProbeTraceFile::Size();

    scan::ScanPeerToPeerSearches(ctx);

    EXPECT_EQ(Labels(),
              (Strings{"Gnucleus/Morpheus PE - Search Listing - 99", "Kazaa - Previous Searches MRU - 0",
                       "Kazaa - Previous Searches MRU - 499", "Kazaa - Previous Searches MRU (Default) - 7"}));
    EXPECT_EQ(results.store.Value()[0], "1014-99");
    Strings expected;
    const auto numbers = [&](const std::string& rootAndKey, const std::string& prefix, int last) {
        for (int n = 0; n <= last; ++n) {
            expected.push_back("ReadValue\t" + rootAndKey + "\t" + prefix + std::to_string(n) + "\tS");
        }
    };
    numbers("HKCU\tSoftware\\Gnucleus\\Searches", "1014-", 99);
    numbers("HKCU\tSoftware\\Kazaa\\Search", "", 499);
    numbers("HKU\t.Default\\Software\\Kazaa\\Search", "", 499);
    EXPECT_EQ(ProbeTraceFile::ProbesSince(offset), expected);
}

}  // namespace
