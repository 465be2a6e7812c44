// The registry item that a "Value" or "Key" row names, looked at directly
// through the platform (not through the traced registry routines, so that
// looking does not show up as a probe).
#pragma once

#include <string>

#include "scan/detected_items.h"
#include "registry/reg_key_name.h"

namespace scan {

// The key that a row names: its own key for a value row, parent and name
// for a key row. Returns an empty string, or why the row names no registry
// key (its root is no registry hive).
std::string RowKeyName(const DetectedItem& row, registry::KeyName& key);

// Runs work on the key opened for reading; false when it cannot be opened.
template <class Work>
bool WithOpenKey(const registry::KeyName& key, Work work) {
    platform::HKey handle = 0;
    if (platform::RegOpenKey(key.root, key.path, platform::kKeyRead, &handle) != platform::kErrorSuccess) return false;
    work(handle);
    platform::RegCloseKey(handle);
    return true;
}

// Whether the row's value or key is there. A row whose root is an INI file
// or no hive at all is taken as present: only its removal can tell.
bool RegistryItemPresent(const DetectedItem& row);

// What a row's registry item holds now, as one text that differs whenever
// the item does: a value's type and data; a key's values and subkeys as a
// .reg export. Empty when the item is not there or is no registry item.
std::string ItemSnapshot(const DetectedItem& row);

// True for a "Key" row whose key has subkeys: the registry refuses to
// delete it, so the clean leaves it as it is.
bool KeyRowStays(const DetectedItem& row);

}  // namespace scan
