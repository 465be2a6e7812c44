// A registry key of the test's own, HKCU\Software\NimbrelTest-<pid>-<n> (or
// the same under HKLM): created empty, and removed with all it holds when the
// object goes away. A test that keeps to its scratch key runs alike on the
// emulated store, where the key lives in a fresh scratch prefix, and on a
// real registry (Wine's or Windows'), where its unique name keeps tests that
// run at the same time apart.
#pragma once

#include <memory>
#include <string>

#include "platform/registry_api.h"

namespace testing_support {

class ScratchKey {
public:
    // root: kHkeyCurrentUser or kHkeyLocalMachine.
    explicit ScratchKey(platform::HKey root = platform::kHkeyCurrentUser);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    platform::HKey Root() const { return root_; }
    // The root as the registry routines name it: "HKCU" or "HKLM".
    std::string RootName() const;
    // The root as .reg files and reg.exe name it: "HKEY_CURRENT_USER" ...
    std::string RootLongName() const;

    // The key's path under the root ("Software\NimbrelTest-12-1"); with a
    // relative path, the path of a key below it.
    const std::string& Path() const { return path_; }
    std::string Path(const std::string& below) const { return path_ + "\\" + below; }

    // Root and path as one name: "HKEY_CURRENT_USER\Software\NimbrelTest-12-1".
    std::string FullName() const { return RootLongName() + "\\" + path_; }

private:
    std::shared_ptr<void> machine_;
    platform::HKey root_;
    std::string path_;
};

// Deletes key path under root with all its subkeys and values. Returns the
// first failing call's code, 0 when the tree is gone (or was never there).
long DeleteKeyTree(platform::HKey root, const std::string& path);

}  // namespace testing_support
