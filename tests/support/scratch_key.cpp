#include "tests/support/scratch_key.h"

#include <atomic>
#include <stdexcept>

#include "tests/support/scratch_machine.h"

namespace testing_support {

namespace {

std::string UniqueKeyName() {
    static std::atomic<unsigned> counter{0};
    return "NimbrelTest-" + std::to_string(ProcessId()) + "-" + std::to_string(++counter);
}

}  // namespace

ScratchKey::ScratchKey(platform::HKey root)
    : machine_(FreshMachine()), root_(root), path_("Software\\" + UniqueKeyName()) {
    if (root != platform::kHkeyCurrentUser && root != platform::kHkeyLocalMachine) {
        throw std::invalid_argument("a scratch key lives under HKCU or HKLM");
    }
    platform::HKey key = 0;
    const long status = platform::RegCreateKey(root_, path_, platform::kKeyAllAccess, &key);
    if (status != platform::kErrorSuccess) {
        throw std::runtime_error("cannot create scratch key " + path_ + ": error " + std::to_string(status));
    }
    platform::RegCloseKey(key);
}

ScratchKey::~ScratchKey() { DeleteKeyTree(root_, path_); }

std::string ScratchKey::RootName() const { return root_ == platform::kHkeyCurrentUser ? "HKCU" : "HKLM"; }

std::string ScratchKey::RootLongName() const {
    return root_ == platform::kHkeyCurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

long DeleteKeyTree(platform::HKey root, const std::string& path) {
    platform::HKey key = 0;
    long status = platform::RegOpenKey(root, path, platform::kKeyAllAccess, &key);
    if (status == platform::kErrorFileNotFound) return platform::kErrorSuccess;
    if (status != platform::kErrorSuccess) return status;
    // Always enumerate index 0: each pass deletes the subkey found there.
    for (;;) {
        char name[platform::kMaxKeyNameLength + 1];
        std::uint32_t length = sizeof name;
        status = platform::RegEnumKey(key, 0, name, &length);
        if (status != platform::kErrorSuccess) break;
        status = DeleteKeyTree(key, std::string(name, length));
        if (status != platform::kErrorSuccess) break;
    }
    platform::RegCloseKey(key);
    if (status != platform::kErrorNoMoreItems) return status;
    return platform::RegDeleteKey(root, path);
}

}  // namespace testing_support
