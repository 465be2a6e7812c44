// A .reg backup of the registry data that a clean is about to delete, for
// `reg import` to restore: every value of a "Value" row that exists, and
// the whole key of a "Key" row that the clean can delete.
#pragma once

#include <string>

#include "scan/detected_items.h"

namespace clean {

// Appends the backup of the store's registry rows to text, after the .reg
// header. Returns an empty string, or why a row cannot be backed up (a
// root that is no registry hive, a name a .reg file cannot hold, a key
// that cannot be read); text is then incomplete and must not be used.
// Each key row backed up takes the key's export as its snapshot: the clean
// then deletes the key only while it still holds just that.
std::string BackUpRegistryRows(scan::DetectedItems& store, std::string& text);

}  // namespace clean
