// Deleting one detected item by its kind, and what became of it. The
// decision (what would go) is kept apart from carrying it out, so that a
// dry run shows exactly what a clean does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scan/detected_items.h"

namespace clean {

enum class CleanAction {
    kNothing,       // nothing to delete (or a row of no known kind)
    kRemoveValue,   // RemoveValue(Mainkey, Subkey, Value)
    kRemoveKey,     // RemoveKey(Mainkey, Subkey, Value)
    kDeleteFolder,  // the shell's delete of the folder Mainkey and all in it
    kDeleteFile,    // an ordinary delete of the file Mainkey
};

// What became of a row's item.
enum class RowResult {
    kDeleted,        // it was there and is gone
    kAbsent,         // it was gone already
    kKeptUnchecked,  // the user left the row unchecked
    kKeptTwin,       // an unchecked row names the same item (or one inside it)
    kFailed,         // the deletion failed: it is still there
    kSkipped,        // never deleted: the path guard, an unknown kind ...
    kChanged,        // the registry item changed since it was found: left
    kWouldDelete,    // a dry run: it is there and a clean would delete it
    kWouldFail,      // a dry run: it is there and a clean could not delete it
};

// "deleted", "absent", "kept-unchecked", "kept-twin", "failed", "skipped",
// "changed", "would-delete", "would-fail".
std::string_view RowResultName(RowResult result);

struct RowOutcome {
    RowResult result = RowResult::kSkipped;
    std::string reason;  // why it failed, was skipped or would fail

    // Counted by "Total Items Cleaned:": the item is gone after the clean.
    bool Cleaned() const { return result == RowResult::kDeleted || result == RowResult::kAbsent; }
    // A row the user let the clean delete whose item is still there.
    bool Stays() const {
        return result == RowResult::kFailed || result == RowResult::kSkipped || result == RowResult::kChanged;
    }
};

struct CleanDecision {
    CleanAction action = CleanAction::kNothing;
    bool present = false;  // the item is there now
    // For kNothing: the outcome as it stands (absent or skipped).
    RowOutcome outcome;
};

// Kinds are compared exactly. Looks the item up, changes nothing.
CleanDecision DecideClean(const scan::DetectedItem& item, const std::string& windowsDirectory);

// Carries a decision out and tells what became of the item. snapshot: what
// a registry item held when it was found (scan::ItemSnapshot), or empty; an item
// that holds something else now is left, and the comparison and the
// deletion are one registry change, so no other writer comes between.
RowOutcome CarryOut(const scan::DetectedItem& item, const CleanDecision& decision, const std::string& snapshot = {});

// What a clean would do with the row, deleting nothing.
RowOutcome Preview(const scan::DetectedItem& item, const CleanDecision& decision);

// Decides and carries out.
RowOutcome CleanItem(const scan::DetectedItem& item, const std::string& windowsDirectory,
                     const std::string& snapshot = {});

// As CleanItem, for a caller that holds a platform::RegistryBatch open: a
// registry row's look and deletion are part of that change, and last only
// if it is committed.
RowOutcome CleanItemInChange(const scan::DetectedItem& item, const std::string& windowsDirectory,
                             const std::string& snapshot);

}  // namespace clean
