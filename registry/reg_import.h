// Applying parsed .reg operations to the registry of the platform.
#pragma once

#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "registry/reg_operation.h"

namespace registry {

// Applies the operations in order as one RegistryBatch: all or nothing.
// Deleting a missing key or value is no fault (regedit's way). Returns an
// empty string, or what failed, naming the operation's line and the Win32
// error code, in which case nothing is kept.
std::string ApplyOperations(const std::vector<RegOperation>& operations);

// Deletes subKey of parent with everything below it, deepest keys first
// (RegDeleteKey refuses a key that has subkeys).
long DeleteKeyTree(platform::HKey parent, const std::string& subKey);

}  // namespace registry
