// Where a row's item lives, spelt one way for all the names it goes by:
// HKCU is the current user's hive under HKEY_USERS, HKCR and HKCC are keys
// of HKEY_LOCAL_MACHINE, names are compared without regard to case, and
// separators are single. The scan lists the current user's hive twice (as
// HKCU and under its SID), so two rows can name one item.
#pragma once

#include <string>
#include <vector>

#include "scan/detected_items.h"

namespace clean {

struct ItemPlace {
    // The components of the key, folder or file, the first naming the root
    // ("HKEY_USERS", "FILE", an INI file); empty when the row names no
    // place (an unknown kind, a key row without a name).
    std::vector<std::string> path;
    bool isValue = false;
    std::string valueName;  // upper-cased, for a value row

    // The place as one text, different for every place.
    std::string Text() const;
};

// currentUserSid names the hive that HKCU stands for.
ItemPlace PlaceOf(const scan::DetectedItem& row, const std::string& currentUserSid);

// For each row of the store: true when the row is checked but its item is
// also the item of an unchecked row, or holds one (a key or folder around
// an unchecked value, key, folder or file). Deleting it would delete what
// the user chose to keep.
std::vector<bool> RowsKeptForUncheckedTwin(const scan::DetectedItems& store, const std::string& currentUserSid);

}  // namespace clean
