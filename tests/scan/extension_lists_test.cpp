// The extension-keyed scanners (OpenSaveMRU, RecentDocs, OpenWith): what each
// records from a fixture, in order and with every column; the shared
// extension loop and its ranges seen through the probe trace; the yields;
// OpenWith going on after a failed probe; and a machine on which every
// location they probe exists. Allocation failures are injected through this
// program's own operator new.
#include "scan/extension_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "scan/extension_table.h"
#include "scan/subkey_list.h"
#include "tests/scan/probe_log.h"
#include "tests/scan/scan_fixture.h"

namespace {

// -1: never fail; otherwise the number of allocations still granted.
int allocationsBeforeFailure = -1;
long allocations = 0;

}  // namespace

// None of the three is inlined: GCC would then take malloc and free for
// a mismatch with new and delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

using scan::DetectedItem;
using Texts = std::vector<std::string>;

constexpr const char* kUser = "S-1-5-21-0-0-0-1000";  // HKCU on the emulated machine
const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kOpenSave = kExplorer + "ComDlg32\\OpenSaveMRU";
const std::string kRecentDocs = kExplorer + "RecentDocs";

std::string InHive(const std::string& hive, const std::string& key) { return hive + "\\" + key; }

DetectedItem ValueRow(std::string label, std::string root, std::string key, std::string value, std::string type) {
    return {std::move(label), std::move(root), std::move(key), std::move(value), std::move(type), "Value"};
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
    const std::string dialog = "Dialog - Open/Save MRU ";
    const std::string docs = "Windows Explorer - RecentDocs Stream MRU ";
    const std::string defaultOpenSave = InHive(".Default", kOpenSave);
    const std::string openWith = kExplorer + "FileExts\\.";
    return {
        // The root list's entries are found without a root "MRUList"; an extension's only
        // with its own ("doc" has none); "xyz" is not in the table.
        {"OpenSaveMruCurrentUser",
         scan::ScanOpenSaveMruCurrentUser,
         2,
         5,
         {ValueRow(dialog + "('') - a", "HKCU", kOpenSave, "a", "S"),
          ValueRow(dialog + "('') - b", "HKCU", kOpenSave, "b", "S"),
          ValueRow(dialog + "('*') - MAIN", "HKCU", kOpenSave + "\\*", "MRUList", "S"),
          ValueRow(dialog + "('*') - a", "HKCU", kOpenSave + "\\*", "a", "S"),
          ValueRow(dialog + "('txt') - MAIN", "HKCU", kOpenSave + "\\txt", "MRUList", "S"),
          ValueRow(dialog + "('txt') - a", "HKCU", kOpenSave + "\\txt", "a", "S"),
          ValueRow(dialog + "('txt') - b", "HKCU", kOpenSave + "\\txt", "b", "S")}},
        // The key stored as "jpg" is probed and labelled with the table's "JPG".
        {"OpenSaveMruDefaultUser",
         scan::ScanOpenSaveMruDefaultUser,
         2,
         2,
         {ValueRow(dialog + "- MAIN", "HKU", defaultOpenSave, "MRUList", "S"),
          ValueRow(dialog + "('') - a", "HKU", defaultOpenSave, "a", "S"),
          ValueRow(dialog + "('JPG') - MAIN", "HKU", defaultOpenSave + "\\JPG", "MRUList", "S"),
          ValueRow(dialog + "('JPG') - a", "HKU", defaultOpenSave + "\\JPG", "a", "S")}},
        // The current user's lists are probed whole, "iso" (145) too; in the hives numbers
        // wait for "MRUListEx" and an extension's letters for "MRUList", the root letters
        // do not; "cue" (150) is never probed; 251 lies past the root numbers.
        {"RecentDocs",
         scan::ScanRecentDocs,
         5,
         11,
         {ValueRow(docs + "- MAIN", "HKCU", kRecentDocs, "MRUListEx", "B"),
          ValueRow(docs + "- 0", "HKCU", kRecentDocs, "0", "B"),
          ValueRow(docs + "- 250", "HKCU", kRecentDocs, "250", "B"),
          ValueRow(docs + "- ('txt') - MAIN", "HKCU", kRecentDocs + "\\.txt", "MRUListEx", "B"),
          ValueRow(docs + "- ('txt') - 0", "HKCU", kRecentDocs + "\\.txt", "0", "B"),
          ValueRow(docs + "- ('iso') - 0", "HKCU", kRecentDocs + "\\.iso", "0", "B"),
          ValueRow(docs + "- (})", "HKCU", kRecentDocs, "}", "B"),
          ValueRow(docs + "{0} - ('doc') - MAIN (2)", "HKU", InHive(".DEFAULT", kRecentDocs + "\\.doc"), "MRUList",
                   "B"),
          ValueRow(docs + "{0} - ('doc') - (b)", "HKU", InHive(".DEFAULT", kRecentDocs + "\\.doc"), "b", "B"),
          ValueRow(docs + "{0} - (a)", "HKU", InHive(".DEFAULT", kRecentDocs), "a", "B"),
          ValueRow(docs + "{1} - MAIN", "HKU", InHive(kUser, kRecentDocs), "MRUListEx", "B"),
          ValueRow(docs + "{1} - 0", "HKU", InHive(kUser, kRecentDocs), "0", "B"),
          ValueRow(docs + "{1} - 250", "HKU", InHive(kUser, kRecentDocs), "250", "B"),
          ValueRow(docs + "{1} - ('txt') - MAIN", "HKU", InHive(kUser, kRecentDocs + "\\.txt"), "MRUListEx", "B"),
          ValueRow(docs + "{1} - ('txt') - 0", "HKU", InHive(kUser, kRecentDocs + "\\.txt"), "0", "B"),
          ValueRow(docs + "{1} - (})", "HKU", InHive(kUser, kRecentDocs), "}", "B")}},
        // "txt" has entries but no "MRUList".
        {"OpenWith",
         scan::ScanOpenWith,
         2,
         3,
         {ValueRow("Windows - OpenWith MRU ('doc') - MAIN", "HKCU", openWith + "doc\\OpenWithList", "MRUList", "S"),
          ValueRow("Windows - OpenWith MRU ('doc') - a", "HKCU", openWith + "doc\\OpenWithList", "a", "S"),
          ValueRow("Windows - OpenWith MRU ('doc') - b", "HKCU", openWith + "doc\\OpenWithList", "b", "S"),
          ValueRow("Windows - OpenWith MRU ('sss') - MAIN", "HKCU", openWith + "sss\\OpenWithList", "MRUList", "S"),
          ValueRow("Windows - OpenWith MRU ('sss') - a", "HKCU", openWith + "sss\\OpenWithList", "a", "S")}},
    };
}

class ExtensionScannerTest : public scan_testing::ScanTest, public ::testing::WithParamInterface<ScannerCase> {
protected:
    void SetUp() override {
        scan_testing::ImportFixture("extension_lists.reg");
        window.EnumList = scan::ListUserHives(window.registry);
        ASSERT_EQ(window.EnumList, (Texts{".DEFAULT", kUser}));
    }
};

TEST_P(ExtensionScannerTest, RecordsItsFixtureInProbeOrder) {
    GetParam().scanner(ctx);

    EXPECT_EQ(Rows(results.store), GetParam().rows);
    EXPECT_EQ(window.listsdetected.caption, std::to_string(GetParam().lists));
    EXPECT_EQ(window.itemsdetected.caption, std::to_string(GetParam().items));
    EXPECT_FALSE(window.notice.visible);
}

INSTANTIATE_TEST_SUITE_P(Scanners, ExtensionScannerTest, ::testing::ValuesIn(FixtureCases()),
                         [](const auto& info) { return std::string(info.param.name); });

using ExtensionTest = scan_testing::ScanTest;

// OpenSaveMRU repaints after each of the 168 extensions, once its lists are
// recorded; RecentDocs and OpenWith never yield.
TEST_F(ExtensionTest, OpenSaveMruYieldsOnceAfterEachExtension) {
    scan_testing::ImportFixture("extension_lists.reg");
    window.EnumList = scan::ListUserHives(window.registry);
    std::vector<std::size_t> rowsAtYield;
    host.onYield = [&](int) { rowsAtYield.push_back(results.store.RowCount()); };

    scan::ScanOpenSaveMruCurrentUser(ctx);

    // The root entries and "*" (1) come before the first yield, "txt" (85) before the 85th.
    std::vector<std::size_t> expected(scan::kExtensionCount, 4);
    std::fill(expected.begin() + 84, expected.end(), 7);
    EXPECT_EQ(rowsAtYield, expected);

    host.yields = 0;
    scan::ScanOpenSaveMruDefaultUser(ctx);
    EXPECT_EQ(host.yields, scan::kExtensionCount);
    scan::ScanRecentDocs(ctx);
    scan::ScanOpenWith(ctx);
    EXPECT_EQ(host.yields, scan::kExtensionCount);
}

// A failed probe (here an allocation that fails once, anywhere in the walk)
// costs OpenWith that probe only: the scanner runs to its end.
TEST_F(ExtensionTest, OpenWithGoesOnAfterAFailedProbe) {
    scan_testing::ImportFixture("extension_lists.reg");
    const long before = allocations;
    scan::ScanOpenWith(ctx);
    const long walk = allocations - before;
    ASSERT_GT(walk, 100);

    for (long failing : {walk / 4, walk / 2, 3 * walk / 4}) {
        SCOPED_TRACE("failing allocation " + std::to_string(failing));
        results.store.Clear();
        allocationsBeforeFailure = static_cast<int>(failing);
        EXPECT_NO_THROW(scan::ScanOpenWith(ctx));
        allocationsBeforeFailure = -1;
        const std::vector<DetectedItem> rows = Rows(results.store);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.back().label, "Windows - OpenWith MRU ('sss') - a");
    }
}

// Probes as the trace writes them.
struct Expected {
    Texts probes;

    void Value(const std::string& root, const std::string& key, const std::string& name, const std::string& type) {
        probes.push_back("ReadValue\t" + root + "\t" + key + "\t" + name + "\t" + type);
    }
    void Letters(const std::string& root, const std::string& key, char last, const std::string& type) {
        for (char x = 'a'; x <= last; ++x) Value(root, key, std::string(1, x), type);
    }
    void Numbers(const std::string& root, const std::string& key, int last, const std::string& type) {
        for (int n = 0; n <= last; ++n) Value(root, key, std::to_string(n), type);
    }
};

Texts ProbeTexts(const std::vector<scan_testing::Probe>& probes, std::size_t first, std::size_t count) {
    Texts texts;
    for (std::size_t k = first; k < first + count && k < probes.size(); ++k) texts.push_back(probes[k].Text());
    return texts;
}

// OpenSaveMRU: the root list, then per extension "MRUList" and, only when it
// is there, its letters, before the next extension.
TEST_F(ExtensionTest, OpenSaveMruWalksEachExtensionWhole) {
    scan_testing::ImportFixture("extension_lists.reg");
    const std::uintmax_t offset = scan_testing::TraceSize();
    scan::ScanOpenSaveMruCurrentUser(ctx);
    const std::vector<scan_testing::Probe> probes = scan_testing::ProbesSince(offset);

    Expected x;
    x.Value("HKCU", kOpenSave, "MRUList", "S");
    x.Letters("HKCU", kOpenSave + "\\", 'z', "S");
    x.Value("HKCU", kOpenSave + "\\*", "MRUList", "S");
    x.Letters("HKCU", kOpenSave + "\\*", 'z', "S");
    x.Value("HKCU", kOpenSave + "\\ace", "MRUList", "S");
    x.Value("HKCU", kOpenSave + "\\apg", "MRUList", "S");
    EXPECT_EQ(ProbeTexts(probes, 0, x.probes.size()), x.probes);
    // 27 root probes, 168 order records, 26 letters for each of "*" and "txt".
    EXPECT_EQ(probes.size(), 27u + 168u + 2u * 26u);
}

// RecentDocs: per extension "MRUListEx", "MRUList", numbers 0 to 9 and
// letters a to "}" for the current user; in a hive numbers and letters only
// after their order records.
TEST_F(ExtensionTest, RecentDocsWalksEachExtensionInItsOwnOrder) {
    scan_testing::ImportFixture("extension_lists.reg");
    window.EnumList = scan::ListUserHives(window.registry);
    const std::uintmax_t offset = scan_testing::TraceSize();
    scan::ScanRecentDocs(ctx);
    const std::vector<scan_testing::Probe> probes = scan_testing::ProbesSince(offset);

    Expected current;
    current.Value("HKCU", kRecentDocs + "\\.*", "MRUListEx", "BB");
    current.Value("HKCU", kRecentDocs + "\\.*", "MRUList", "BB");
    current.Numbers("HKCU", kRecentDocs + "\\.*", 9, "BB");
    current.Letters("HKCU", kRecentDocs + "\\.*", '}', "BB");
    current.Value("HKCU", kRecentDocs + "\\.ace", "MRUListEx", "BB");
    EXPECT_EQ(ProbeTexts(probes, 1 + 251, current.probes.size()), current.probes);

    const std::string doc = InHive(".DEFAULT", kRecentDocs + "\\.doc");
    Expected hive;
    hive.Value("HKU", doc, "MRUListEx", "BB");
    hive.Value("HKU", doc, "MRUList", "BB");
    hive.Letters("HKU", doc, '}', "BB");
    Texts seen;
    for (const scan_testing::Probe& probe : probes) {
        if (probe.key == doc) seen.push_back(probe.Text());
    }
    EXPECT_EQ(seen, hive.probes);
}

// The extensions whose RecentDocs subkeys are probed, in order, under the
// current user and in each hive.
TEST_F(ExtensionTest, RecentDocsProbesExtensionsUpTo149ForTheUserAnd144InHives) {
    window.EnumList = scan::ListUserHives(window.registry);
    const std::uintmax_t offset = scan_testing::TraceSize();
    scan::ScanRecentDocs(ctx);

    Texts current, defaultHive, userHive;
    for (const scan_testing::Probe& probe : scan_testing::ProbesSince(offset)) {
        const std::size_t dot = probe.key.find("RecentDocs\\.");
        if (dot == std::string::npos) continue;
        const std::string extension = probe.key.substr(dot + 12);
        Texts& list = probe.root == "HKCU" ? current : probe.key.starts_with(".DEFAULT\\") ? defaultHive : userHive;
        if (list.empty() || list.back() != extension) list.push_back(extension);
    }
    Texts upTo149, upTo144;
    for (int index = 1; index <= 149; ++index) {
        upTo149.emplace_back(scan::Extension(index));
        if (index <= 144) upTo144.emplace_back(scan::Extension(index));
    }
    EXPECT_EQ(current, upTo149);
    EXPECT_EQ(defaultHive, upTo144);
    EXPECT_EQ(userHive, upTo144);
    EXPECT_EQ(upTo149.back(), "iso");
    EXPECT_EQ(upTo144.back(), "sbs");
}

// Every location present, in both hives of the machine.
struct FullCase {
    const char* name;
    scan::Scanner scanner;
    int lists;
    int items;
    std::vector<DetectedItem> sample;
};

std::vector<FullCase> FullCases() {
    const std::string docs = "Windows Explorer - RecentDocs Stream MRU ";
    const std::string defaultOpenSave = InHive(".Default", kOpenSave);
    return {
        // The root "MRUList" and 168 more; 26 root letters and 26 for each extension.
        {"OpenSaveMruCurrentUser",
         scan::ScanOpenSaveMruCurrentUser,
         169,
         26 + 168 * 26,
         {ValueRow("Dialog - Open/Save MRU - MAIN", "HKCU", kOpenSave, "MRUList", "S"),
          ValueRow("Dialog - Open/Save MRU ('') - z", "HKCU", kOpenSave, "z", "S"),
          ValueRow("Dialog - Open/Save MRU ('MSWMM') - MAIN", "HKCU", kOpenSave + "\\MSWMM", "MRUList", "S"),
          ValueRow("Dialog - Open/Save MRU ('sss') - z", "HKCU", kOpenSave + "\\sss", "z", "S")}},
        {"OpenSaveMruDefaultUser",
         scan::ScanOpenSaveMruDefaultUser,
         169,
         26 + 168 * 26,
         {ValueRow("Dialog - Open/Save MRU ('') - a", "HKU", defaultOpenSave, "a", "S"),
          ValueRow("Dialog - Open/Save MRU ('3DS') - q", "HKU", defaultOpenSave + "\\3DS", "q", "S")}},
        // Current user: 2 root order records and 149 × 2; 251 + 29 root entries and
        // 149 × 39. Each of the two hives: the same over 144 extensions.
        {"RecentDocs",
         scan::ScanRecentDocs,
         (2 + 149 * 2) + 2 * (2 + 144 * 2),
         (251 + 29 + 149 * 39) + 2 * (251 + 29 + 144 * 39),
         {ValueRow(docs + "- 250", "HKCU", kRecentDocs, "250", "B"),
          ValueRow(docs + "- ('iso') - (})", "HKCU", kRecentDocs + "\\.iso", "}", "B"),
          ValueRow(docs + "- MAIN", "HKCU", kRecentDocs, "MRUList", "B"),
          ValueRow(docs + "{0} - ('Evt') - 9", "HKU", InHive(".DEFAULT", kRecentDocs + "\\.Evt"), "9", "B"),
          ValueRow(docs + "{1} - ('sbs') - MAIN (2)", "HKU", InHive(kUser, kRecentDocs + "\\.sbs"), "MRUList", "B"),
          ValueRow(docs + "{1} - (|)", "HKU", InHive(kUser, kRecentDocs), "|", "B")}},
        {"OpenWith",
         scan::ScanOpenWith,
         168,
         168 * 26,
         {ValueRow("Windows - OpenWith MRU ('*') - MAIN", "HKCU", kExplorer + "FileExts\\.*\\OpenWithList", "MRUList",
                   "S"),
          ValueRow("Windows - OpenWith MRU ('TTF') - k", "HKCU", kExplorer + "FileExts\\.TTF\\OpenWithList", "k",
                   "S")}},
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
