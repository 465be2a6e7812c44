// Deleting one detected item by its kind. The decision (what would go, and
// whether the row counts) is kept apart from carrying it out, so that a dry
// run shows exactly what a clean does.
#pragma once

#include <cstdint>
#include <string>

#include "clean/detected_items.h"

namespace clean {

// The directory look-up that tells whether a folder or file row's path
// exists: read-only, hidden, system, directory and archive entries.
inline constexpr std::uint32_t kExistsMask = 55;

enum class CleanAction {
    kNothing,       // nothing to delete (or a row of no known kind)
    kRemoveValue,   // RemoveValue(Mainkey, Subkey, Value)
    kRemoveKey,     // RemoveKey(Mainkey, Subkey, Value)
    kDeleteFolder,  // the shell's delete of the folder Mainkey and all in it
    kDeleteFile,    // an ordinary delete of the file Mainkey
};

struct CleanDecision {
    CleanAction action = CleanAction::kNothing;
    // Every row counts except a folder or file row that the path guard
    // skips.
    bool counted = true;
};

// Kinds are compared exactly. Looks folder and file paths up, changes
// nothing.
CleanDecision DecideClean(const DetectedItem& item, const std::string& windowsDirectory);

// Carries a decision out; failures are ignored (a key with subkeys, a
// read-only file, a value already gone stay as they are).
void CarryOut(const DetectedItem& item, const CleanDecision& decision);

// Decides and carries out; true when the row counts towards CleanedCount.
bool CleanItem(const DetectedItem& item, const std::string& windowsDirectory);

}  // namespace clean
