// The content of a new prefix: the keys, values and folders of a fresh
// Windows XP profile.
#pragma once

#include "platform/emulated/registry_store.h"

namespace platform::emulated {

// Runs inside the store's first transaction; 0 or a Win32 error code.
// Folders are made in the prefix in use.
long SetUpMachine(RegistryStore& store);

}  // namespace platform::emulated
