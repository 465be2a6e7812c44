// The emulated machine in use by this process: its prefix, its registry
// store (opened, and set up if new, on first use) and the key handles that
// are open on it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/installation.h"
#include "platform/emulated/key_store.h"
#include "platform/emulated/registry_store.h"
#include "platform/registry_api.h"

namespace platform::emulated {

class HandleTable {
public:
    struct Entry {
        std::int64_t keyId = 0;
        std::uint32_t access = 0;
    };

    HKey Add(std::int64_t keyId, std::uint32_t access);
    // Null for a handle that is not open.
    const Entry* Get(HKey handle) const;
    bool Remove(HKey handle);
    void Clear();

private:
    std::vector<Entry> entries_;  // keyId 0 marks a free slot
    std::vector<std::size_t> free_;
};

struct Machine {
    std::filesystem::path home;
    RegistryStore store;
    HandleTable handles;
    std::string problem;  // why the store cannot be used, once tried
    bool tried = false;
    // An installation in use instead of the prefix, with the store of its
    // hive files; store above then stays closed.
    std::unique_ptr<Installation> installation;
    std::unique_ptr<KeyStore> hives;
};

// The machine in use; its store is open unless problem says why not.
Machine& CurrentMachine();

// The store that serves the registry calls: the prefix's, or the hives of
// the installation in use.
KeyStore& ActiveStore();

// The store, ready for a call; null with *error set when it cannot be used.
KeyStore* UsableStore(long* error);

// Switches this process to an installation: from now on its hives serve
// the registry calls and its drive is the only one.
void UseInstallation(Installation installation, std::unique_ptr<KeyStore> hives);

}  // namespace platform::emulated
