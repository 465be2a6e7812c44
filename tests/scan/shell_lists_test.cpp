// Each Windows shell scanner on a fixture of its own: what it records, in
// order, with every column, and how it counts.
#include "scan/shell_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan/subkey_list.h"
#include "tests/scan/scan_fixture.h"

namespace {

using scan::DetectedItem;

constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr const char* kUser = "S-1-5-21-0-0-0-1000";  // HKCU on the emulated machine

std::string Path(const std::string& a, const std::string& b) { return a + "\\" + b; }
std::string Explorer(const std::string& tail) { return Path(kExplorer, tail); }

DetectedItem ValueRow(std::string label, std::string root, std::string key, std::string value, std::string type) {
    return {std::move(label), std::move(root), std::move(key), std::move(value), std::move(type), "Value"};
}
DetectedItem KeyRow(std::string label, std::string key, std::string subkey) {
    return {std::move(label), "HKCU", std::move(key), std::move(subkey), "", "Key"};
}

struct ScannerCase {
    const char* name;
    const char* fixture;
    scan::Scanner scanner;
    int lists;
    int items;
    std::vector<DetectedItem> rows;
};

std::vector<ScannerCase> Cases() {
    const std::string typed = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
    const std::string wmp = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
    const std::string applets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets";
    const std::string visited = Explorer("ComDlg32\\LastVisitedMRU");
    const std::string bars =
        "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";
    const std::string stream = Explorer("StreamMRU");
    return {
        {"TypedUrls",
         "typed_urls.reg",
         scan::ScanTypedUrls,
         0,
         6,
         {ValueRow("Internet Explorer - Typed Urls List - Url1", "HKCU", typed, "url1", "S"),
          ValueRow("Internet Explorer - Typed Urls List - Url2", "HKCU", typed, "url2", "S"),
          ValueRow("Internet Explorer - Typed Urls List - Url30", "HKCU", typed, "url30", "S"),
          ValueRow("Internet Explorer - Typed Urls List {0} - Url1", "HKU", Path(".DEFAULT", typed), "url1", "S"),
          ValueRow("Internet Explorer - Typed Urls List {1} - Url1", "HKU", Path(kUser, typed), "url1", "S"),
          ValueRow("Internet Explorer - Typed Urls List {1} - Url2", "HKU", Path(kUser, typed), "url2", "S")}},
        {"MediaPlayer",
         "media_player.reg",
         scan::ScanMediaPlayer,
         0,
         7,
         {ValueRow("WMP - Recent File List - File0", "HKCU", wmp, "File0", "S"),
          ValueRow("WMP - Recent File List - File20", "HKCU", wmp, "File20", "S"),
          ValueRow("WMP - Recent File List - File21", "HKCU", wmp, "File21", "S"),
          ValueRow("WMP - Recent File List - File99", "HKCU", wmp, "File99", "S"),
          ValueRow("WMP - Recent File List - {0} - File0", "HKU", Path(".DEFAULT", wmp), "File0", "S"),
          ValueRow("WMP - Recent File List - {1} - File0", "HKU", Path(kUser, wmp), "File0", "S"),
          ValueRow("WMP - Recent File List - {1} - File20", "HKU", Path(kUser, wmp), "File20", "S")}},
        {"PaintAndWordPad",
         "paint_wordpad.reg",
         scan::ScanPaintAndWordPad,
         0,
         3,
         {ValueRow("MS Paint - Recent File List - File0", "HKCU", Path(applets, "Paint\\Recent File List"), "File0",
                   "S"),
          ValueRow("MS Paint - Recent File List - File99", "HKCU", Path(applets, "Paint\\Recent File List"), "File99",
                   "S"),
          ValueRow("MS Wordpad - Recent File List - File1", "HKCU", Path(applets, "Wordpad\\Recent File List"), "File1",
                   "S")}},
        {"LastVisitedMru",
         "last_visited.reg",
         scan::ScanLastVisitedMru,
         1,
         0,
         {KeyRow("Dialog - Last Visited MRU", Explorer("ComDlg32"), "LastVisitedMRU")}},
        {"LastVisitedMruHives",
         "last_visited.reg",
         scan::ScanLastVisitedMruHives,
         1,
         3,
         {ValueRow("Windows Explorer - Last Visited MRU - {0} - a", "HKU", Path(".DEFAULT", visited), "a", "B"),
          ValueRow("Windows Explorer - Last Visited MRU - {1} - MAIN", "HKU", Path(kUser, visited), "MRUList", "S"),
          ValueRow("Windows Explorer - Last Visited MRU - {1} - a", "HKU", Path(kUser, visited), "a", "B"),
          ValueRow("Windows Explorer - Last Visited MRU - {1} - b", "HKU", Path(kUser, visited), "b", "B")}},
        {"RunMru",
         "run_mru.reg",
         scan::ScanRunMru,
         1,
         3,
         {ValueRow("Windows Explorer - Run Dialog MRU - (a)", "HKCU", Explorer("RunMRU"), "a", "S"),
          ValueRow("Windows Explorer - Run Dialog MRU - (b)", "HKCU", Explorer("RunMRU"), "b", "S"),
          ValueRow("Windows Explorer - Run Dialog MRU - MAIN", "HKU", Path(".Default", Explorer("RunMRU")), "MRUList",
                   "S"),
          ValueRow("Windows Explorer - Run Dialog MRU - (a)", "HKU", Path(".Default", Explorer("RunMRU")), "a", "S")}},
        {"FindMrus",
         "find_mrus.reg",
         scan::ScanFindMrus,
         2,
         6,
         {ValueRow("Find Files MRU - MAIN", "HKCU", Explorer("Doc Find Spec MRU"), "MRUList", "S"),
          ValueRow("Find Files MRU - (a)", "HKCU", Explorer("Doc Find Spec MRU"), "a", "S"),
          ValueRow("Find Computers MRU - MAIN", "HKU", Path(".Default", Explorer("FindComputerMRU")), "MRUList", "S"),
          ValueRow("Find Computers MRU - (a)", "HKU", Path(".Default", Explorer("FindComputerMRU")), "a", "S"),
          ValueRow("Search Assistant - Recent Searches MRU (2) - 000", "HKCU",
                   "Software\\Microsoft\\Search Assistant\\ACMru\\5603", "000", "S"),
          ValueRow("Search Assistant - Recent Searches MRU (2) - 042", "HKCU",
                   "Software\\Microsoft\\Search Assistant\\ACMru\\5603", "042", "S"),
          ValueRow("Windows Explorer - File Search History (Default) - 001", "HKU",
                   Path(".Default", Path(bars, "FilesNamedMRU")), "001", "S"),
          ValueRow("Windows Explorer - Files Containing Text Search History - 099", "HKCU",
                   Path(bars, "ContainingTextMRU"), "099", "S")}},
        {"NetworkMrus",
         "network_mrus.reg",
         scan::ScanNetworkMrus,
         1,
         4,
         {ValueRow("Windows Network - Recent Printer List MRU - MAIN", "HKCU", Explorer("NetCrawl\\Printers"),
                   "MRUList", "S"),
          ValueRow("Windows Network - Recent Printer List MRU - (a)", "HKCU", Explorer("NetCrawl\\Printers"), "a", "S"),
          KeyRow("Windows Network - Recent Visited Shared Folders MRU - Archive", Explorer("NetCrawl\\Shares"),
                 "Archive"),
          KeyRow("Windows Network - Recent Visited Shared Folders MRU - docs on fileserver",
                 Explorer("NetCrawl\\Shares"), "docs on fileserver"),
          KeyRow("Windows Network - Recent Opened Folders MRU - public on fileserver", "Network\\Recent",
                 "public on fileserver")}},
        {"InstallLocations",
         "install_locations.reg",
         scan::ScanInstallLocations,
         0,
         2,
         {ValueRow("Install Locations MRU - (a)", "HKCU", "InstallLocationsMRU", "a", "S"),
          ValueRow("Install Locations MRU - (b)", "HKCU", "InstallLocationsMRU", "b", "S")}},
        {"StreamMru",
         "stream_mru.reg",
         scan::ScanStreamMru,
         0,
         5,
         {ValueRow("Windows Explorer - Stream MRU - MAIN", "HKCU", stream, "MRUListEx", "B"),
          ValueRow("Windows Explorer - Stream MRU - 0", "HKCU", stream, "0", "B"),
          ValueRow("Windows Explorer - Stream MRU - 1", "HKCU", stream, "1", "B"),
          ValueRow("Windows Explorer - Stream MRU - 249", "HKCU", stream, "249", "B"),
          ValueRow("Windows Explorer - Stream MRU (Default) - 0", "HKU", Path(".Default", stream), "0", "B")}},
    };
}

class ShellScannerTest : public scan_testing::ScanTest, public ::testing::WithParamInterface<ScannerCase> {};

TEST_P(ShellScannerTest, RecordsItsFixtureInProbeOrder) {
    const ScannerCase& c = GetParam();
    scan_testing::ImportFixture(c.fixture);
    window.EnumList = scan::ListUserHives(window.registry);
    ASSERT_EQ(window.EnumList, (std::vector<std::string>{".DEFAULT", kUser}));

    c.scanner(ctx);

    const scan::DetectedItems& store = results.store;
    std::vector<DetectedItem> rows;
    for (std::size_t row = 0; row < store.RowCount(); ++row) rows.push_back(store.Row(row));
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(window.listsdetected.caption, std::to_string(c.lists));
    EXPECT_EQ(window.itemsdetected.caption, std::to_string(c.items));
    EXPECT_FALSE(window.notice.visible);
}

INSTANTIATE_TEST_SUITE_P(Scanners, ShellScannerTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The scanners read nothing but their own lists: on an empty machine they
// record nothing at all.
using FreshMachineTest = scan_testing::ScanTest;

TEST_F(FreshMachineTest, ShellScannersFindNothing) {
    window.EnumList = scan::ListUserHives(window.registry);
    for (const ScannerCase& c : Cases()) c.scanner(ctx);
    EXPECT_EQ(results.store.RowCount(), 0u);
}

}  // namespace
