// The rules of the catalogue interpreter, each on a small table of its own.
#include "scan/catalogue_interpreter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan/subkey_list.h"
#include "tests/scan/scan_fixture.h"

namespace {

using namespace scan::catalogue;
using namespace scan::catalogue::notation;
using scan::RunCatalogue;
using scan_testing::ImportReg;
using scan_testing::ScanTest;
using Rows = std::vector<std::string>;

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\n\n";

class InterpreterTest : public ScanTest {
protected:
    void Import(const std::string& body) { ImportReg(kHeader + body); }
};

// --- Ranges and what counts as found -------------------------------------

constexpr Row kNumbered[] = {
    {_, HKCU, {"Software\\T\\List"}, {"File", n}, S, N(1, 5), {"T - File", n}, item, _},
};

TEST_F(InterpreterTest, NumberedRangeProbesEveryNumberAndKeepsGaps) {
    Import("[HKEY_CURRENT_USER\\Software\\T\\List]\n\"File3\"=\"c\"\n\"File1\"=\"a\"\n\"File6\"=\"f\"\n");
    RunCatalogue(ctx, kNumbered);
    EXPECT_EQ(Labels(), (Rows{"T - File1", "T - File3"}));
    EXPECT_EQ(window.itemsdetected.caption, "2");
    EXPECT_EQ(window.listsdetected.caption, "0");
}

TEST_F(InterpreterTest, TheAbsenceMarkerItselfIsNotFound) {
    Import("[HKEY_CURRENT_USER\\Software\\T\\List]\n\"File1\"=\"<none>\"\n\"File2\"=\"<none> \"\n");
    RunCatalogue(ctx, kNumbered);
    EXPECT_EQ(Labels(), (Rows{"T - File2"}));
}

constexpr Row kEmptyData[] = {
    {_, HKCU, {"Software\\T"}, {"text"}, S, _, {"empty text"}, item, _},
    {_, HKCU, {"Software\\T"}, {"bytes"}, BB, _, {"empty bytes"}, item, _},
    {_, HKCU, {"Software\\T"}, {"number"}, D, _, {"number"}, item, _},
    {_, HKCU, {"Software\\T"}, unnamed, S, _, {"unnamed"}, item, _},
};

TEST_F(InterpreterTest, EmptyTextIsFoundZeroBytesAreNotAnyNumberIs) {
    Import(
        "[HKEY_CURRENT_USER\\Software\\T]\n\"text\"=\"\"\n\"bytes\"=hex:\n\"number\"=dword:00000000\n"
        "@=\"x\"\n");
    RunCatalogue(ctx, kEmptyData);
    EXPECT_EQ(Labels(), (Rows{"empty text", "number", "unnamed"}));
    EXPECT_EQ(results.store.Value()[2], "");
}

constexpr Row kLetters[] = {
    {_, HKCU, {"Software\\T\\Az"}, {x}, S, X('a', 'z'), {"az - (", x, ")"}, item, _},
    {_, HKCU, {"Software\\T\\Az"}, {x}, S, X('a', '}'), {"a} - ", x}, item, _},
};

TEST_F(InterpreterTest, LetterRangesRunThroughTheLetterTable) {
    Import("[HKEY_CURRENT_USER\\Software\\T\\Az]\n\"}\"=\"3\"\n\"b\"=\"2\"\n\"{\"=\"4\"\n\"a\"=\"1\"\n");
    RunCatalogue(ctx, kLetters);
    EXPECT_EQ(Labels(), (Rows{"az - (a)", "az - (b)", "a} - a", "a} - b", "a} - {", "a} - }"}));
}

constexpr Row kKeyProbe[] = {
    {_, HKCU, {"Software\\T\\Clips", n}, _, key, N(1, 3), {"Clip ", n}, item, Key({"Software\\T\\"}, {"Clips", n})},
};

TEST_F(InterpreterTest, KeyProbeFindsAnOpenableKeyWithOrWithoutValues) {
    Import("[HKEY_CURRENT_USER\\Software\\T\\Clips1]\n\n[HKEY_CURRENT_USER\\Software\\T\\Clips3]\n\"v\"=\"x\"\n");
    RunCatalogue(ctx, kKeyProbe);
    EXPECT_EQ(Labels(), (Rows{"Clip 1", "Clip 3"}));
}

// --- Recording rules -------------------------------------------------------

constexpr Row kRecording[] = {
    {_, HKCU, {"Software\\T\\R"}, {"MRUList"}, S, _, {"R - MAIN"}, list, _},
    {_, HKCU, {"Software\\T\\R"}, {"bin"}, BB, _, {"R - bin"}, item, _},
    {_, HKCU, {"Software\\T\\R"}, {"as text"}, BB, _, {"R - as text"}, item, ValueType("S")},
    {_, HKCU, {"Software\\T\\R"}, {"count"}, D, _, {"R - count"}, item, _},
    {_, HKCU, {"Software\\T\\R\\"}, {"a"}, S, _, {"R - a"}, item, Subkey({"Software\\T\\R"})},
    {_, HKCU, {"Software\\T\\R"}, {"MRUList"}, S, _, {"R - whole"}, list, Key({"Software\\T"}, {"R"})},
};

TEST_F(InterpreterTest, RecordingRulesAndNotesOverrides) {
    Import(
        "[HKEY_CURRENT_USER\\Software\\T\\R]\n\"MRUList\"=\"a\"\n\"bin\"=hex:01,02\n"
        "\"as text\"=hex:41,00\n\"count\"=dword:00000003\n\"a\"=\"x\"\n");
    RunCatalogue(ctx, kRecording);
    const scan::DetectedItems& store = results.store;
    ASSERT_EQ(store.RowCount(), 6u);
    using scan::DetectedItem;
    EXPECT_EQ(store.Row(0), (DetectedItem{"R - MAIN", "HKCU", "Software\\T\\R", "MRUList", "S", "Value"}));
    EXPECT_EQ(store.Row(1), (DetectedItem{"R - bin", "HKCU", "Software\\T\\R", "bin", "B", "Value"}));
    EXPECT_EQ(store.Row(2), (DetectedItem{"R - as text", "HKCU", "Software\\T\\R", "as text", "S", "Value"}));
    EXPECT_EQ(store.Row(3), (DetectedItem{"R - count", "HKCU", "Software\\T\\R", "count", "D", "Value"}));
    EXPECT_EQ(store.Row(4), (DetectedItem{"R - a", "HKCU", "Software\\T\\R", "a", "S", "Value"}));
    EXPECT_EQ(store.Row(5), (DetectedItem{"R - whole", "HKCU", "Software\\T", "R", "", "Key"}));
    for (std::size_t row = 0; row < store.RowCount(); ++row) EXPECT_TRUE(store.Checked(row));
    EXPECT_EQ(window.listsdetected.caption, "2");
    EXPECT_EQ(window.itemsdetected.caption, "4");
}

// --- Rows that depend on the row above ----------------------------------

constexpr Row kGated[] = {
    {_, HKCU, {"Software\\T\\Gate"}, _, key, _, _, _, gate},
    {_, HKCU, {"Software\\T\\Data"}, {"v"}, S, _, {"gated v"}, item, _},
    {_, HKCU, {"Software\\T\\Data"}, {"w"}, S, _, {"ungated w"}, item, _},
};

TEST_F(InterpreterTest, GateRecordsNothingAndDecidesTheNextRowOnly) {
    Import("[HKEY_CURRENT_USER\\Software\\T\\Data]\n\"v\"=\"1\"\n\"w\"=\"2\"\n");
    RunCatalogue(ctx, kGated);
    EXPECT_EQ(Labels(), (Rows{"ungated w"}));

    Import("[HKEY_CURRENT_USER\\Software\\T\\Gate]\n");
    results.store.Clear();
    RunCatalogue(ctx, kGated);
    EXPECT_EQ(Labels(), (Rows{"gated v", "ungated w"}));
}

constexpr Row kOrderRecordFirst[] = {
    {_, HKCU, {"Software\\T\\L"}, {"MRUList"}, S, _, {"L - MAIN"}, list, _},
    {_, HKCU, {"Software\\T\\L"}, {x}, S, X('a', 'z'), {"L - ", x}, item, above},
    {_, HKCU, {"Software\\T\\L"}, {x}, S, X('a', 'c'), {"L free - ", x}, item, _},
};

TEST_F(InterpreterTest, OnlyWhenTheRowAboveIsFound) {
    Import("[HKEY_CURRENT_USER\\Software\\T\\L]\n\"a\"=\"1\"\n\"b\"=\"2\"\n");
    RunCatalogue(ctx, kOrderRecordFirst);
    EXPECT_EQ(Labels(), (Rows{"L free - a", "L free - b"}));

    Import("[HKEY_CURRENT_USER\\Software\\T\\L]\n\"MRUList\"=\"ba\"\n");
    results.store.Clear();
    RunCatalogue(ctx, kOrderRecordFirst);
    EXPECT_EQ(Labels(), (Rows{"L - MAIN", "L - a", "L - b", "L free - a", "L free - b"}));
}

// --- Switch rows ----------------------------------------------------------

constexpr Row kSwitched[] = {
    {_, HKCU, {"Software\\T"}, {"before"}, S, _, {"before"}, item, _},
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(2)},
    {_, HKCU, {"Software\\T"}, {"one"}, S, _, {"one"}, item, _},
    {H1, HKU, {h, "\\Software\\T"}, {"two"}, S, _, {"two {", i, "}"}, item, _},
    {_, HKCU, {"Software\\T"}, {"after"}, S, _, {"after"}, item, _},
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"vs6"}, B, _, _, _, SwitchGroup()},
    {H2, HKU, {h, "\\Software\\T"}, {"one"}, S, _, {"group one {", i, "}"}, item, _},
    {H2, HKU, {h, "\\Software\\T"}, {"two"}, S, _, {"group two {", i, "}"}, item, _},
    {H3, HKU, {h, "\\Software\\T"}, {"after"}, S, _, {"next group {", i, "}"}, item, _},
};

constexpr const char* kSwitchData =
    "[HKEY_USERS\\U\\Software\\T]\n\"before\"=\"b\"\n\"one\"=\"1\"\n\"two\"=\"2\"\n\"after\"=\"a\"\n";

TEST_F(InterpreterTest, SwitchRowsRunTheirRowsWhenOnOrMissing) {
    Import(kSwitchData);
    window.EnumList = {"U"};
    // HKCU has no T key: the HKCU rows find nothing; the HKU rows show what ran.
    RunCatalogue(ctx, kSwitched);
    EXPECT_EQ(Labels(), (Rows{"two {0}", "group one {0}", "group two {0}", "next group {0}"}));
    EXPECT_FALSE(window.notice.visible);
}

TEST_F(InterpreterTest, SwitchRowsOffSkipTheirRowsAndShowTheNote) {
    Import(std::string(kSwitchData) +
           "[HKEY_CURRENT_USER\\Software\\Nimbrel\\Ignore]\n\"regedit\"=hex:00,00\n\"vs6\"=hex:01,00\n"
           "[HKEY_CURRENT_USER\\Software\\T]\n\"before\"=\"b\"\n\"one\"=\"1\"\n\"after\"=\"a\"\n");
    window.EnumList = {"U"};
    RunCatalogue(ctx, kSwitched);
    EXPECT_EQ(Labels(), (Rows{"before", "after", "next group {0}"}));
    EXPECT_TRUE(window.notice.visible);
}

// --- Hive groups ----------------------------------------------------------

constexpr Row kPerHive[] = {
    {_, HKCU, {"Software\\T"}, {"url1"}, S, _, {"current user"}, item, _},
    {H1, HKU, {h, "\\Software\\T"}, {"url", n}, S, N(1, 2), {"T {", i, "} - Url", n}, item, _},
    {H1, HKU, {h, "\\Software\\T"}, {"last"}, S, _, {"T {", i, "} - last"}, item, _},
    {H2, HKU, {h, "\\Software\\T"}, {"last"}, S, _, {"again {", i, "}"}, item, _},
};

TEST_F(InterpreterTest, EachHiveRunsTheWholeGroupInHiveListOrder) {
    Import(
        "[HKEY_USERS\\B\\Software\\T]\n\"url1\"=\"b\"\n\"last\"=\"b\"\n"
        "[HKEY_USERS\\A\\Software\\T]\n\"url2\"=\"a\"\n\"last\"=\"a\"\n"
        "[HKEY_USERS\\C\\Software\\T]\n\"url1\"=\"c\"\n");
    window.EnumList = {"C", "A", "B"};
    RunCatalogue(ctx, kPerHive);
    EXPECT_EQ(Labels(), (Rows{"T {0} - Url1", "T {1} - Url2", "T {1} - last", "T {2} - Url1", "T {2} - last",
                              "again {1}", "again {2}"}));
    EXPECT_EQ(results.store.Subkey()[0], "C\\Software\\T");
    EXPECT_EQ(results.store.Mainkey()[0], "HKU");
}

TEST_F(InterpreterTest, CurrentUserIsFoundAgainUnderItsHive) {
    Import("[HKEY_CURRENT_USER\\Software\\T]\n\"url1\"=\"x\"\n");
    window.EnumList = scan::ListUserHives(window.registry);
    RunCatalogue(ctx, kPerHive);
    ASSERT_EQ(Labels(), (Rows{"current user", "T {1} - Url1"}));
    EXPECT_EQ(results.store.Mainkey()[1], "HKU");
    EXPECT_EQ(results.store.Subkey()[1], "S-1-5-21-0-0-0-1000\\Software\\T");
}

TEST_F(InterpreterTest, EmptyHiveListProbesNothingPerHive) {
    Import("[HKEY_CURRENT_USER\\Software\\T]\n\"url1\"=\"x\"\n\"last\"=\"x\"\n");
    window.EnumList.clear();
    RunCatalogue(ctx, kPerHive);
    EXPECT_EQ(Labels(), (Rows{"current user"}));
}

// --- Extension loops --------------------------------------------------------

constexpr Row kPerExtension[] = {
    {_, HKCU, {"Software\\T\\Docs\\.", e}, {"MRUList"}, S, E(1, 3), {"Docs ('", e, "') - MAIN"}, list, _},
    {_, HKCU, {"Software\\T\\Docs\\.", e}, {x}, S, E(1, 3, X('a', 'b')), {"Docs ('", e, "') - ", x}, item, above},
    {_, HKCU, {"Software\\T\\Docs\\.", e}, {n}, S, E(1, 3, N(0, 1)), {"Docs ('", e, "') - ", n}, item, _},
    {_, HKCU, {"Software\\T\\Docs"}, {"MRUList"}, S, _, {"Docs - MAIN"}, list, _},
};

TEST_F(InterpreterTest, ConsecutiveExtensionRowsShareOneLoop) {
    // The extension table begins "*", "ace", "apg"; "zzz" is not in it.
    Import(
        "[HKEY_CURRENT_USER\\Software\\T\\Docs]\n\"MRUList\"=\"a\"\n"
        "[HKEY_CURRENT_USER\\Software\\T\\Docs\\.*]\n\"MRUList\"=\"a\"\n\"a\"=\"1\"\n\"1\"=\"n\"\n"
        "[HKEY_CURRENT_USER\\Software\\T\\Docs\\.ace]\n\"a\"=\"1\"\n\"0\"=\"n\"\n"
        "[HKEY_CURRENT_USER\\Software\\T\\Docs\\.apg]\n\"MRUList\"=\"b\"\n\"b\"=\"1\"\n"
        "[HKEY_CURRENT_USER\\Software\\T\\Docs\\.zzz]\n\"MRUList\"=\"a\"\n\"a\"=\"1\"\n");
    RunCatalogue(ctx, kPerExtension);
    EXPECT_EQ(Labels(), (Rows{"Docs ('*') - MAIN", "Docs ('*') - a", "Docs ('*') - 1", "Docs ('ace') - 0",
                              "Docs ('apg') - MAIN", "Docs ('apg') - b", "Docs - MAIN"}));
    EXPECT_EQ(results.store.Subkey()[4], "Software\\T\\Docs\\.apg");
    EXPECT_EQ(host.yields, 0);
}

TEST_F(InterpreterTest, ExtensionLoopCanYieldAfterEachExtension) {
    RunCatalogue(ctx, kPerExtension, {.yieldAfterEachExtension = true});
    EXPECT_EQ(host.yields, 3);
}

}  // namespace
