// The structure check of the catalogue tables: each rule caught on a small
// malformed table, at compile time as the build checks the real tables,
// and the list of tables itself.
#include "scan/catalogue_check.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>

#include "scan/catalogue_tables.h"

namespace {

using namespace scan::catalogue;
using namespace scan::catalogue::notation;

// Every kind of row the interpreter knows, well formed.
constexpr Row kWellFormed[] = {
    {_, HKCU, {"Software\\T"}, {"MRUList"}, S, _, {"T - MAIN"}, list, _},
    {_, HKCU, {"Software\\T"}, {x}, S, X('a', '}'), {"T - ", x}, item, above},
    {_, HKCU, {"Software\\T\\", e}, {"File", n}, BB, E(1, 168, N(0, 9)), {"T ('", e, "') - ", n}, item, _},
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"vs6"}, B, _, _, _, SwitchGroup()},
    {H1, HKU, {h, "\\Software\\T"}, _, key, _, _, _, gate},
    {H1, HKU, {h, "\\Software\\T"}, {"Count"}, D, _, {"T {", i, "}"}, item, _},
    {H1,
     HKU,
     {h, "\\Software\\T\\c", n},
     {"sDI"},
     BB,
     N(1, 9),
     {"T {", i, "} - ", n},
     item,
     Key({h, "\\Software\\T\\"}, {"c", n})},
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(2)},
    {_, HKLM, {"Software\\T\\"}, unnamed, S, _, {"T"}, item, Subkey({"Software\\T"}) | ValueType("B")},
    {H2, HKU, {h, "\\Software\\T"}, {"File", n}, S, N(1, 3), {"T {", i, "} - ", n}, item, _},
};
static_assert(!FindFault(kWellFormed).Found());

// --- One malformed table per rule ----------------------------------------

constexpr Row kUnknownRoot[] = {
    {_, Root{"HKCR"}, {"Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};
constexpr Row kNumberWithoutLoop[] = {
    {_, HKCU, {"Software\\T"}, {"File", n}, S, _, {"T"}, item, _},
};
constexpr Row kHiveOutsideGroup[] = {
    {_, HKU, {h, "\\Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};
constexpr Row kLoopOnlyInTheLabel[] = {
    {_, HKCU, {"Software\\T"}, {"v"}, S, N(1, 9), {"T ", n}, item, _},
};
constexpr Row kLetterPastTheTable[] = {
    {_, HKCU, {"Software\\T"}, {x}, S, X('a', '~'), {"T ", x}, item, _},
};
constexpr Row kExtensionPastTheTable[] = {
    {_, HKCU, {"Software\\T\\", e}, {"v"}, S, E(1, 169), {"T ", e}, item, _},
};
constexpr Row kNumbersBackwards[] = {
    {_, HKCU, {"Software\\T"}, {"File", n}, S, N(9, 1), {"T ", n}, item, _},
};
constexpr Row kHiveRowUnderHkcu[] = {
    {H1, HKCU, {h, "\\Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};
constexpr Row kGroupReopened[] = {
    {H1, HKU, {h, "\\Software\\A"}, {"v"}, S, _, {"A"}, item, _},
    {H2, HKU, {h, "\\Software\\B"}, {"v"}, S, _, {"B"}, item, _},
    {H1, HKU, {h, "\\Software\\C"}, {"v"}, S, _, {"C"}, item, _},
};
constexpr Row kGroupNumberSkipped[] = {
    {H2, HKU, {h, "\\Software\\A"}, {"v"}, S, _, {"A"}, item, _},
};
constexpr Row kValueProbeWithoutValue[] = {
    {_, HKCU, {"Software\\T"}, _, S, _, {"T"}, item, _},
};
constexpr Row kKeyProbeWithValue[] = {
    {_, HKCU, {"Software\\T"}, {"v"}, key, _, {"T"}, item, Key({"Software\\"}, {"T"})},
};
constexpr Row kCountWithoutLabel[] = {
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, _, item, _},
};
constexpr Row kKeyNoteWithSubkey[] = {
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, Key({"Software\\"}, {"T"}) | Subkey({"Software\\U"})},
};
constexpr Row kGateAsLastRow[] = {
    {_, HKCU, {"Software\\T"}, _, key, _, _, _, gate},
};
constexpr Row kGateBeforeAnotherGroup[] = {
    {H1, HKU, {h, "\\Software\\T"}, _, key, _, _, _, gate},
    {H2, HKU, {h, "\\Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};
constexpr Row kGateThatCounts[] = {
    {_, HKCU, {"Software\\T"}, _, key, _, {"T"}, list, gate},
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};
constexpr Row kAboveOnTheFirstRow[] = {
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, above},
};
constexpr Row kAboveAcrossExtensionLoops[] = {
    {_, HKCU, {"Software\\T"}, {"MRUList"}, S, _, {"T"}, list, _},
    {_, HKCU, {"Software\\T\\", e}, {x}, S, E(1, 168, X('a', 'z')), {"T ", e, x}, item, above},
};
constexpr Row kAboveASwitch[] = {
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(1)},
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, above},
};
constexpr Row kSwitchPastTheEnd[] = {
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(3)},
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, _},
    {_, HKCU, {"Software\\T"}, {"w"}, S, _, {"T"}, item, _},
};
constexpr Row kSwitchHalfAGroup[] = {
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(1)},
    {H1, HKU, {h, "\\Software\\T"}, {"v"}, S, _, {"T"}, item, _},
    {H1, HKU, {h, "\\Software\\T"}, {"w"}, S, _, {"T"}, item, _},
};
constexpr Row kSwitchOfNoRows[] = {
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"regedit"}, B, _, _, _, SwitchRows(0)},
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};
constexpr Row kSwitchGroupBeforeNoGroup[] = {
    {_, HKCU, {"Software\\Nimbrel\\Ignore"}, {"vs6"}, B, _, _, _, SwitchGroup()},
    {_, HKCU, {"Software\\T"}, {"v"}, S, _, {"T"}, item, _},
};

// The build refuses such a table, as it would refuse a real one.
static_assert(FindFault(kGateBeforeAnotherGroup).rule == Rule::kGateNotBeforeItsRow);
static_assert(FindFault(kGroupReopened).rule == Rule::kGroupsOutOfOrder);
static_assert(FindFault(kSwitchPastTheEnd).rule == Rule::kSwitchOutOfBounds);

struct Case {
    const char* name;
    std::span<const Row> rows;
    std::size_t row;
    Rule rule;
};

const Case kCases[] = {
    {"unknown root", kUnknownRoot, 0, Rule::kKnownRoot},
    {"n without a number loop", kNumberWithoutLoop, 0, Rule::kPlaceholderWithoutItsLoop},
    {"h outside a hive group", kHiveOutsideGroup, 0, Rule::kPlaceholderWithoutItsLoop},
    {"loop only in the label", kLoopOnlyInTheLabel, 0, Rule::kLoopWithoutItsPlaceholder},
    {"letter past the table", kLetterPastTheTable, 0, Rule::kRangeOutOfBounds},
    {"extension past the table", kExtensionPastTheTable, 0, Rule::kRangeOutOfBounds},
    {"numbers backwards", kNumbersBackwards, 0, Rule::kRangeOutOfBounds},
    {"hive row under HKCU", kHiveRowUnderHkcu, 0, Rule::kHiveRowOutsideHku},
    {"group reopened", kGroupReopened, 2, Rule::kGroupsOutOfOrder},
    {"group number skipped", kGroupNumberSkipped, 0, Rule::kGroupsOutOfOrder},
    {"value probe without value", kValueProbeWithoutValue, 0, Rule::kProbeCellsMismatch},
    {"key probe with value", kKeyProbeWithValue, 0, Rule::kProbeCellsMismatch},
    {"count without label", kCountWithoutLabel, 0, Rule::kLabelAndCountMismatch},
    {"key note with Subkey", kKeyNoteWithSubkey, 0, Rule::kKeyNoteIncomplete},
    {"gate as last row", kGateAsLastRow, 0, Rule::kGateNotBeforeItsRow},
    {"gate before another group", kGateBeforeAnotherGroup, 0, Rule::kGateNotBeforeItsRow},
    {"gate that counts", kGateThatCounts, 0, Rule::kGateNotBeforeItsRow},
    {"above on the first row", kAboveOnTheFirstRow, 0, Rule::kAboveWithoutItsRow},
    {"above across extension loops", kAboveAcrossExtensionLoops, 1, Rule::kAboveWithoutItsRow},
    {"above a switch", kAboveASwitch, 1, Rule::kAboveWithoutItsRow},
    {"switch past the end", kSwitchPastTheEnd, 0, Rule::kSwitchOutOfBounds},
    {"switch of half a group", kSwitchHalfAGroup, 0, Rule::kSwitchOutOfBounds},
    {"switch of no rows", kSwitchOfNoRows, 0, Rule::kSwitchOutOfBounds},
    {"group switch before no group", kSwitchGroupBeforeNoGroup, 0, Rule::kSwitchOutOfBounds},
};

TEST(CatalogueCheckTest, EachMalformedTableIsCaughtAtItsRowByItsRule) {
    for (const Case& c : kCases) {
        const TableFault fault = FindFault(c.rows);
        EXPECT_EQ(fault.rule, c.rule) << c.name << ": " << Describe(fault.rule);
        EXPECT_EQ(fault.row, c.row) << c.name;
        EXPECT_FALSE(Describe(c.rule).empty()) << c.name;
    }
}

// The list is the one place that names every table: each once, in the
// scan driver's step order, and none empty.
TEST(CatalogueCheckTest, TheListNamesEachTableOnceInStepOrder) {
    std::set<std::string_view> names;
    std::set<const Row*> tables;
    int step = 0;
    for (const scan::CatalogueTable& table : scan::kCatalogueTables) {
        EXPECT_TRUE(names.insert(table.name).second) << table.name;
        EXPECT_TRUE(tables.insert(table.rows.data()).second) << table.name;
        EXPECT_FALSE(table.rows.empty()) << table.name;
        EXPECT_GE(table.step, step) << table.name;
        step = table.step;
    }
}

}  // namespace
