// The Microsoft Office and Corel scanners: what each records from a fixture,
// in order and with every column; the yields of the Open Find tables; the
// per-hive gates seen through the probe trace; and a machine on which every
// location they probe exists.
#include "scan/office_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scan/open_find_tables.h"
#include "scan/subkey_list.h"
#include "tests/scan/probe_log.h"
#include "tests/scan/scan_fixture.h"

namespace {

using scan::DetectedItem;

constexpr const char* kUser = "S-1-5-21-0-0-0-1000";  // HKCU on the emulated machine
const std::string kOffice = "Software\\Microsoft\\Office\\";
const std::string kOpenFind = "\\Common\\Open Find\\Microsoft Word\\Settings\\";
const std::string kCorel = "Software\\Corel\\User Assistant\\";

std::string InHive(const std::string& hive, const std::string& key) { return hive + "\\" + key; }

DetectedItem ValueRow(std::string label, std::string root, std::string key, std::string value, std::string type) {
    return {std::move(label), std::move(root), std::move(key), std::move(value), std::move(type), "Value"};
}
DetectedItem KeyRow(std::string label, std::string root, std::string parent, std::string subkey) {
    return {std::move(label), std::move(root), std::move(parent), std::move(subkey), "", "Key"};
}

std::vector<DetectedItem> Rows(const scan::DetectedItems& store) {
    std::vector<DetectedItem> rows;
    for (std::size_t row = 0; row < store.RowCount(); ++row) rows.push_back(store.Row(row));
    return rows;
}

struct ScannerCase {
    const char* name;
    scan::Scanner scanner;
    int lists;
    int items;
    std::vector<DetectedItem> rows;
};

std::vector<ScannerCase> FixtureCases() {
    const std::string excel = kOffice + "10.0\\Excel\\Recent Files";
    const std::string paper = "Software\\Microsoft\\MSPaper\\Persist File Name";
    const std::string resiliency = kOffice + "10.0\\Word\\Resiliency\\";
    const std::string mse = "Software\\Microsoft\\MSE\\10.0\\";
    const std::string perfect10 = kCorel + "10\\Recent Work\\WordPerfect\\Last Opened";
    const std::string perfect9 = kCorel + "9\\Recent Work\\WordPerfect\\Last Opened";
    const std::string quattro9 = kCorel + "9\\Recent Work\\QuattroPro\\Last Opened";
    const std::string presentations10 = kCorel + "10\\Recent Work\\Corel Presentations\\Last Opened";
    return {
        {"MicrosoftOffice",
         scan::ScanMicrosoftOffice,
         4,
         10,
         {ValueRow("Word MRU (Save As - XP)", "HKCU", kOffice + "10.0" + kOpenFind + "Save As\\File Name MRU", "Value",
                   "S"),
          // Office 97 is read as raw data and recorded as "B"; a value without data is not there.
          ValueRow("Word MRU (Open - Office 97)", "HKCU", kOffice + "8.0" + kOpenFind + "Open\\File Name MRU", "Value",
                   "B"),
          ValueRow("Excel 10.0 (XP) - Recent File List - File1", "HKCU", excel, "File1", "S"),
          ValueRow("Excel 10.0 (XP) - Recent File List - File3", "HKCU", excel, "File3", "S"),
          ValueRow("Excel 10.0 (XP) - Recent File List - {0} - File2", "HKU", InHive(".DEFAULT", excel), "File2", "S"),
          ValueRow("Excel 10.0 (XP) - Recent File List - {1} - File1", "HKU", InHive(kUser, excel), "File1", "S"),
          ValueRow("Excel 10.0 (XP) - Recent File List - {1} - File3", "HKU", InHive(kUser, excel), "File3", "S"),
          ValueRow("Document Scanning 10.0 (XP) - Recent File List (1) - {0} File1", "HKU", InHive(".DEFAULT", paper),
                   "File1", "S"),
          KeyRow("Word 10.0 (XP) - Disabled Items MRU", "HKCU", resiliency, "DisabledItems"),
          KeyRow("Word 10.0 (XP) - Disabled Items MRU - {1}", "HKU", InHive(kUser, resiliency), "DisabledItems"),
          ValueRow("Office 9.0 - Recently Used Symbols MRU {0}", "HKU",
                   InHive(".DEFAULT", kOffice + "9.0\\Common\\General"), "SymbolMRU", "B"),
          // The script editor's lists start at 0 and end at 9; their labels end in the number alone.
          ValueRow("Office 10.0 (XP) Script Editor - Recent File List MRU {0} - 0", "HKU",
                   InHive(".DEFAULT", mse + "FileMRUList"), "File0", "B"),
          ValueRow("Office 10.0 (XP) Script Editor - Recent Project List MRU {0} - 9", "HKU",
                   InHive(".DEFAULT", mse + "ProjectMRUList"), "File9", "S"),
          ValueRow("Access 10.0 (XP) - Recent File MRU List - MRU1", "HKCU", kOffice + "10.0\\Access\\Settings", "MRU1",
                   "S")}},
        // The lettered subkeys are whole lists, recorded under the "Last Opened" key with a
        // trailing backslash; "{" lies outside a to z.
        {"WordPerfect",
         scan::ScanWordPerfect,
         2,
         3,
         {KeyRow("WordPerfect 9 - Recent Files MRU List - a", "HKCU", perfect9 + "\\", "a"),
          ValueRow("WordPerfect 10 - Recent Files MRU Item - MAIN", "HKCU", perfect10, "MRUList", "S"),
          ValueRow("WordPerfect 10 - Recent Files MRU Item - a", "HKCU", perfect10, "a", "S"),
          ValueRow("WordPerfect 10 - Recent Files MRU Item - b", "HKCU", perfect10, "b", "S"),
          KeyRow("WordPerfect 10 - Recent Files MRU List - c", "HKCU", perfect10 + "\\", "c")}},
        {"QuattroPro",
         scan::ScanQuattroPro,
         0,
         2,
         {ValueRow("QuattroPro 9 - Recent Files MRU Item - MAIN", "HKCU", quattro9, "MRUList", "S"),
          ValueRow("QuattroPro 9 - Recent Files MRU Item - a", "HKCU", quattro9, "a", "S")}},
        {"CorelPresentations",
         scan::ScanCorelPresentations,
         1,
         0,
         {KeyRow("Corel Presentations 10 - Recent Files MRU List - z", "HKCU", presentations10 + "\\", "z")}},
    };
}

class OfficeScannerTest : public scan_testing::ScanTest, public ::testing::WithParamInterface<ScannerCase> {};

TEST_P(OfficeScannerTest, RecordsItsFixtureInProbeOrder) {
    scan_testing::ImportFixture("office_lists.reg");
    window.EnumList = scan::ListUserHives(window.registry);
    ASSERT_EQ(window.EnumList, (std::vector<std::string>{".DEFAULT", kUser}));

    GetParam().scanner(ctx);

    EXPECT_EQ(Rows(results.store), GetParam().rows);
    EXPECT_EQ(window.listsdetected.caption, std::to_string(GetParam().lists));
    EXPECT_EQ(window.itemsdetected.caption, std::to_string(GetParam().items));
    EXPECT_FALSE(window.notice.visible);
}

INSTANTIATE_TEST_SUITE_P(Scanners, OfficeScannerTest, ::testing::ValuesIn(FixtureCases()),
                         [](const auto& info) { return std::string(info.param.name); });

using OfficeTest = scan_testing::ScanTest;

// The scan window repaints after each of the 22 Open Find entries, once the
// entry has been probed and recorded; the Corel scanners never yield.
TEST_F(OfficeTest, YieldsOnceAfterEachOpenFindEntry) {
    scan_testing::ImportFixture("office_lists.reg");
    std::vector<std::size_t> rowsAtYield;
    host.onYield = [&](int) { rowsAtYield.push_back(results.store.RowCount()); };

    scan::ScanMicrosoftOffice(ctx);

    // Found: entry A7 and entry B2 (the 18th of the 22).
    std::vector<std::size_t> expected(22, 0);
    std::fill(expected.begin() + 6, expected.end(), 1);
    std::fill(expected.begin() + 17, expected.end(), 2);
    EXPECT_EQ(rowsAtYield, expected);

    host.yields = 0;
    scan::ScanWordPerfect(ctx);
    scan::ScanQuattroPro(ctx);
    scan::ScanCorelPresentations(ctx);
    EXPECT_EQ(host.yields, 0);
}

TEST(OpenFindTablesTest, IndexesOutsideATableYieldNothing) {
    using scan::OpenFindTable;
    EXPECT_EQ(scan::OpenFindEntries(OpenFindTable::kA), 16);
    EXPECT_EQ(scan::OpenFindEntries(OpenFindTable::kB), 6);
    for (int index : {0, -1, 17}) EXPECT_FALSE(scan::OpenFindRow(OpenFindTable::kA, index)) << index;
    for (int index : {0, 7}) EXPECT_FALSE(scan::OpenFindRow(OpenFindTable::kB, index)) << index;
    EXPECT_TRUE(scan::OpenFindRow(OpenFindTable::kA, 16));
    EXPECT_TRUE(scan::OpenFindRow(OpenFindTable::kB, 6));
}

// A hive without the Excel 10.0 key gets one key probe and no value reads.
TEST_F(OfficeTest, PerHiveExcelIsReadOnlyWhereItsKeyExists) {
    scan_testing::ImportReg(
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files]\n");
    window.EnumList = scan::ListUserHives(window.registry);
    const std::uintmax_t offset = scan_testing::TraceSize();

    scan::ScanMicrosoftOffice(ctx);

    const std::string perHive = "\\" + kOffice + "10.0\\Excel\\Recent Files";
    std::vector<std::string> probes;
    for (const scan_testing::Probe& probe : scan_testing::ProbesSince(offset)) {
        if (probe.root == "HKU" && probe.key.ends_with(perHive)) probes.push_back(probe.Text());
    }
    std::vector<std::string> expected = {"ReadSection\tHKU\t.DEFAULT" + perHive + "\t\t",
                                         "ReadSection\tHKU\t" + std::string(kUser) + perHive + "\t\t"};
    for (int n = 1; n <= 14; ++n) {
        expected.push_back("ReadValue\tHKU\t" + std::string(kUser) + perHive + "\tFile" + std::to_string(n) + "\tS");
    }
    EXPECT_EQ(probes, expected);
    EXPECT_EQ(results.store.RowCount(), 0u);
}

// Every location present, in both hives of the machine: each scanner records
// one row per value probe (gates record nothing) and per key row.
struct FullCase {
    const char* name;
    scan::Scanner scanner;
    int lists;
    int items;
    std::vector<DetectedItem> sample;
};

std::vector<FullCase> FullCases() {
    const std::string perfect9 = kCorel + "9\\Recent Work\\WordPerfect\\Last Opened";
    const std::string quattro10 = kCorel + "10\\Recent Work\\QuattroPro\\Last Opened";
    const std::string presentations9 = kCorel + "9\\Recent Work\\Corel Presentations\\Last Opened";
    return {
        // Lists: 16 + 6 Open Find entries, the disabled items of the current user and of
        // two hives. Items: 99 × 3 + 14 × 2 files, 14 × 2 per hive for Excel and 28 for
        // MSPaper, 28 × 2 per hive for MSPaper again, the internet history, 14 × 7
        // templates, 99 + 49 FrontPage, 4 × 2 per hive, 10 × 3 × 2 for the script editor
        // and 14 for Access.
        {"MicrosoftOffice",
         scan::ScanMicrosoftOffice,
         25,
         766,
         {ValueRow("Word MRU (Save As - 9.0)", "HKCU", kOffice + "9.0" + kOpenFind + "Save As\\File Name MRU", "Value",
                   "S"),
          ValueRow("Powerpoint MRU (Save - Office 97)", "HKCU",
                   kOffice + "8.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings\\Save\\File Name MRU", "Value",
                   "B"),
          ValueRow("Excel 97 - Recent File List - File99", "HKCU", kOffice + "8.0\\Excel\\Recent File List", "File99",
                   "S"),
          ValueRow("Document Scanning 10.0 (XP) - Recent File List (2) - {1} - File14", "HKU",
                   InHive(kUser, "Software\\Microsoft\\MSPaper\\Recent File List"), "File14", "S"),
          ValueRow("MS FrontPage Explorer - Recent Page List - File49", "HKCU",
                   "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List", "File49", "S"),
          KeyRow("Word 10.0 (XP) - Disabled Items MRU - {0}", "HKU",
                 InHive(".DEFAULT", kOffice + "10.0\\Word\\Resiliency\\"), "DisabledItems"),
          ValueRow("Office 10.0 (XP) - Internet History MRU {1}", "HKU",
                   InHive(kUser, kOffice + "10.0\\Common\\Internet"), "UseRWHlinkNavigation", "S"),
          ValueRow("Office 10.0 (XP) Script Editor - Recent Solution List MRU {1} - 9", "HKU",
                   InHive(kUser, "Software\\Microsoft\\MSE\\10.0\\SolutionMRUList"), "File9", "S"),
          ValueRow("Access 10.0 (XP) - Recent File MRU List - MRU14", "HKCU", kOffice + "10.0\\Access\\Settings",
                   "MRU14", "S")}},
        // Per version: "MRUList", 26 entries, 26 subkeys.
        {"WordPerfect",
         scan::ScanWordPerfect,
         52,
         54,
         {ValueRow("WordPerfect 9 - Recent Files MRU Item - MAIN", "HKCU", perfect9, "MRUList", "S"),
          KeyRow("WordPerfect 9 - Recent Files MRU List - z", "HKCU", perfect9 + "\\", "z")}},
        {"QuattroPro",
         scan::ScanQuattroPro,
         52,
         54,
         {ValueRow("QuattroPro 10 - Recent Files MRU Item - z", "HKCU", quattro10, "z", "S"),
          KeyRow("QuattroPro 10 - Recent Files MRU List - a", "HKCU", quattro10 + "\\", "a")}},
        {"CorelPresentations",
         scan::ScanCorelPresentations,
         52,
         54,
         {ValueRow("Corel Presentations 9 - Recent Files MRU Item - a", "HKCU", presentations9, "a", "S"),
          KeyRow("Corel Presentations 9 - Recent Files MRU List - m", "HKCU", presentations9 + "\\", "m")}},
    };
}

class EveryLocationTest : public scan_testing::ScanTest, public ::testing::WithParamInterface<FullCase> {};

TEST_P(EveryLocationTest, RecordsEveryLocation) {
    const FullCase& c = GetParam();
    scan_testing::CreateEveryLocation(c.scanner);
    window.EnumList = scan::ListUserHives(window.registry);

    c.scanner(ctx);

    EXPECT_EQ(results.store.RowCount(), static_cast<std::size_t>(c.lists + c.items));
    EXPECT_EQ(window.listsdetected.caption, std::to_string(c.lists));
    EXPECT_EQ(window.itemsdetected.caption, std::to_string(c.items));
    const std::vector<DetectedItem> rows = Rows(results.store);
    for (const DetectedItem& row : c.sample) {
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row.label;
    }
}

INSTANTIATE_TEST_SUITE_P(Scanners, EveryLocationTest, ::testing::ValuesIn(FullCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
