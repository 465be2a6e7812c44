// The structure of a catalogue table: what the interpreter
// (catalogue_interpreter.cpp) takes for granted of the rows it walks, as
// rules that can be checked at compile time. A table that breaks one would
// still run, but not as written: a gate deciding about a row of another
// hive loop, a switch skipping half a group, a hive name read outside any
// hive loop. catalogue_tables.h checks every table with them as it is
// compiled, RunCatalogue the rows built at run time in debug builds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "scan/catalogue.h"
#include "scan/extension_table.h"

namespace scan::catalogue {

enum class Rule : std::uint8_t {
    kNone,
    kKnownRoot,
    kPlaceholderWithoutItsLoop,
    kLoopWithoutItsPlaceholder,
    kRangeOutOfBounds,
    kHiveRowOutsideHku,
    kGroupsOutOfOrder,
    kProbeCellsMismatch,
    kLabelAndCountMismatch,
    kKeyNoteIncomplete,
    kGateNotBeforeItsRow,
    kAboveWithoutItsRow,
    kSwitchOutOfBounds,
};

// What a rule asks, in a sentence.
constexpr std::string_view Describe(Rule rule) {
    switch (rule) {
        case Rule::kNone:
            return "";
        case Rule::kKnownRoot:
            return "the root is HKCU, HKLM or HKU";
        case Rule::kPlaceholderWithoutItsLoop:
            return "n needs a number loop, x a letter loop, e an extension loop, h and i a hive group";
        case Rule::kLoopWithoutItsPlaceholder:
            return "a loop's placeholder is in the key or the value, or every turn probes the same place";
        case Rule::kRangeOutOfBounds:
            return "n runs from 0 up, x within the letter table, e within the extension table, first before last";
        case Rule::kHiveRowOutsideHku:
            return "a hive group's row probes HKU under a key that begins with h";
        case Rule::kGroupsOutOfOrder:
            return "the groups of a table are H1, H2, ... in order, each one run of consecutive rows";
        case Rule::kProbeCellsMismatch:
            return "a value probe names a value and reads S, BB or D; a key probe names no value";
        case Rule::kLabelAndCountMismatch:
            return "a row that counts has a label, a row that does not count has none";
        case Rule::kKeyNoteIncomplete:
            return "a key note names the parent and the subkey, and no other Subkey or ValueType";
        case Rule::kGateNotBeforeItsRow:
            return "a gate is a key probe that records nothing, followed by its row in the same hive group and "
                   "extension loop";
        case Rule::kAboveWithoutItsRow:
            return "\"only when the row above is found\" has a row above it, in the same hive group and extension "
                   "loop, that is not a switch";
        case Rule::kSwitchOutOfBounds:
            return "a switch stands outside hive groups and loops, reads one \"B\" value, records nothing, and guards "
                   "at least one row, whole groups and whole extension loops, all inside the table";
    }
    return "";
}

// The first rule a table breaks, and at which row (counting from 0).
struct TableFault {
    std::size_t row = 0;
    Rule rule = Rule::kNone;

    constexpr bool Found() const { return rule != Rule::kNone; }
};

namespace check {

constexpr bool Uses(const Text& text, Slot slot) {
    for (std::size_t k = 0; k < text.size; ++k) {
        if (text.pieces[k].slot == slot) return true;
    }
    return false;
}

constexpr bool UsesAnywhere(const Row& row, Slot slot) {
    return Uses(row.key, slot) || Uses(row.value, slot) || Uses(row.label, slot) || Uses(row.notes.parent, slot) ||
           Uses(row.notes.subkey, slot) || Uses(row.notes.subkeyOverride, slot);
}

constexpr bool Probes(const Row& row, Slot slot) { return Uses(row.key, slot) || Uses(row.value, slot); }

constexpr bool SameLoops(const Row& a, const Row& b) {
    return a.group.number == b.group.number && a.range.SameExtensionLoop(b.range);
}

constexpr bool KnownRoot(const Row& row) {
    if (row.root.name == nullptr) return false;
    const std::string_view name = row.root.name;
    return name == "HKCU" || name == "HKLM" || name == "HKU";
}

constexpr bool PlaceholdersHaveLoops(const Row& row) {
    const Range& r = row.range;
    if (UsesAnywhere(row, Slot::kN) && r.loop != Range::Loop::kNumber) return false;
    if (UsesAnywhere(row, Slot::kX) && r.loop != Range::Loop::kLetter) return false;
    if (UsesAnywhere(row, Slot::kE) && !r.HasExtensionLoop()) return false;
    return row.group.number != 0 || !(UsesAnywhere(row, Slot::kH) || UsesAnywhere(row, Slot::kI));
}

constexpr bool LoopsHavePlaceholders(const Row& row) {
    const Range& r = row.range;
    if (r.loop == Range::Loop::kNumber && !Probes(row, Slot::kN)) return false;
    if (r.loop == Range::Loop::kLetter && !Probes(row, Slot::kX)) return false;
    return !r.HasExtensionLoop() || Probes(row, Slot::kE);
}

constexpr bool RangeInBounds(const Range& r) {
    switch (r.loop) {
        case Range::Loop::kOnce:
            if (r.first != 0 || r.last != 0) return false;
            break;
        case Range::Loop::kNumber:
            if (r.first < 0 || r.first > r.last) return false;
            break;
        case Range::Loop::kLetter:
            if (r.first < 1 || r.first > r.last || r.last > kLetterCount) return false;
            break;
    }
    if (!r.HasExtensionLoop()) return r.extLast == 0;
    return r.extFirst >= 1 && r.extFirst <= r.extLast && r.extLast <= kExtensionCount;
}

constexpr bool HiveRowUnderHku(const Row& row) {
    if (row.group.number == 0) return true;
    return std::string_view(row.root.name) == "HKU" && row.key.size > 0 && row.key.pieces[0].slot == Slot::kH;
}

constexpr bool ProbeCellsMatch(const Row& row) {
    if (row.type.IsKeyProbe()) return row.value.Empty();
    const std::string_view code = row.type.code;
    if (row.notes.isSwitch) return code == "B" && !row.value.Empty();
    return (code == "S" || code == "BB" || code == "D") && !row.value.Empty();
}

constexpr bool LabelMatchesCount(const Row& row) { return row.label.Empty() == (row.count.count == Count::kNone); }

constexpr bool KeyNoteComplete(const Notes& notes) {
    if (!notes.recordsKey) return true;
    return !notes.parent.Empty() && !notes.subkey.Empty() && notes.subkeyOverride.Empty() &&
           notes.valueTypeOverride == nullptr;
}

constexpr bool GateBeforeItsRow(std::span<const Row> rows, std::size_t k) {
    const Row& row = rows[k];
    if (!row.notes.gate) return true;
    if (!row.type.IsKeyProbe() || row.count.count != Count::kNone || row.notes.isSwitch) return false;
    return k + 1 < rows.size() && SameLoops(row, rows[k + 1]) && !rows[k + 1].notes.isSwitch;
}

constexpr bool AboveHasItsRow(std::span<const Row> rows, std::size_t k) {
    if (!rows[k].notes.onlyWhenAboveFound) return true;
    return k > 0 && SameLoops(rows[k - 1], rows[k]) && !rows[k - 1].notes.isSwitch;
}

// The rows k and k + 1 run in one hive loop or one extension loop.
constexpr bool OneLoop(std::span<const Row> rows, std::size_t k) {
    if (k + 1 >= rows.size()) return false;
    const Row& a = rows[k];
    const Row& b = rows[k + 1];
    if (a.group.number != 0 && a.group.number == b.group.number) return true;
    return a.range.HasExtensionLoop() && b.range.HasExtensionLoop() && SameLoops(a, b);
}

constexpr bool SwitchInBounds(std::span<const Row> rows, std::size_t k) {
    const Row& row = rows[k];
    const Notes& notes = row.notes;
    if (!notes.isSwitch) return notes.switchRows == 0 && !notes.switchGroup;
    if (row.group.number != 0 || row.range.loop != Range::Loop::kOnce || row.range.HasExtensionLoop()) return false;
    if (row.value.size != 1 || row.value.pieces[0].slot != Slot::kText || row.count.count != Count::kNone) {
        return false;
    }
    for (std::size_t p = 0; p < row.key.size; ++p) {
        if (row.key.pieces[p].slot != Slot::kText) return false;
    }
    if (notes.switchGroup) return notes.switchRows == 0 && k + 1 < rows.size() && rows[k + 1].group.number != 0;
    if (notes.switchRows < 1) return false;
    const std::size_t last = k + static_cast<std::size_t>(notes.switchRows);
    return last < rows.size() && !OneLoop(rows, last);
}

// The k-th group of a table is Hk, and each group is one run of rows.
constexpr bool GroupsInOrder(std::span<const Row> rows, std::size_t k, int& groupsSeen) {
    const int group = rows[k].group.number;
    if (group == 0) return true;
    if (k > 0 && rows[k - 1].group.number == group) return true;
    ++groupsSeen;
    return group == groupsSeen;
}

}  // namespace check

constexpr TableFault FindFault(std::span<const Row> rows) {
    int groupsSeen = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& row = rows[k];
        const auto fault = [k](Rule rule) { return TableFault{k, rule}; };
        if (!check::KnownRoot(row)) return fault(Rule::kKnownRoot);
        if (!check::PlaceholdersHaveLoops(row)) return fault(Rule::kPlaceholderWithoutItsLoop);
        if (!check::LoopsHavePlaceholders(row)) return fault(Rule::kLoopWithoutItsPlaceholder);
        if (!check::RangeInBounds(row.range)) return fault(Rule::kRangeOutOfBounds);
        if (!check::HiveRowUnderHku(row)) return fault(Rule::kHiveRowOutsideHku);
        if (!check::GroupsInOrder(rows, k, groupsSeen)) return fault(Rule::kGroupsOutOfOrder);
        if (!check::ProbeCellsMatch(row)) return fault(Rule::kProbeCellsMismatch);
        if (!check::LabelMatchesCount(row)) return fault(Rule::kLabelAndCountMismatch);
        if (!check::KeyNoteComplete(row.notes)) return fault(Rule::kKeyNoteIncomplete);
        if (!check::GateBeforeItsRow(rows, k)) return fault(Rule::kGateNotBeforeItsRow);
        if (!check::AboveHasItsRow(rows, k)) return fault(Rule::kAboveWithoutItsRow);
        if (!check::SwitchInBounds(rows, k)) return fault(Rule::kSwitchOutOfBounds);
    }
    return {};
}

}  // namespace scan::catalogue
