// What the registry calls (registry_api.cpp) work on: a tree of keys held
// in memory and the changes made to it. The emulated machine's SQLite store
// (registry_store.h) is one; the hive files of a Windows installation that
// is not running (platform/offline/) are the other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/emulated/key_tree.h"

namespace platform::emulated {

inline constexpr std::int64_t kLocalMachineId = 1;
inline constexpr std::int64_t kUsersId = 2;

class KeyStore {
public:
    virtual ~KeyStore() = default;

    // Brings the tree up to date; 0 or a Win32 error code.
    virtual long Refresh() = 0;
    // The key of that id, or null; a store that loads keys as they are
    // asked for may load it (and the keys above it) now.
    virtual RegKey* Find(std::int64_t id) = 0;
    // The key with its subkeys and values in the tree: a store that reads
    // keys only as they are first reached reads this one now.
    RegKey* Ready(RegKey* key) {
        if (key != nullptr && key->unread) Read(*key);
        return key;
    }

    // Reads below a key of the tree, what the registry calls go through. By
    // default each key is read whole when reached (Ready); the SQLite store
    // loads a key's subkeys and values apart, each when first asked for.
    // A load that fails answers as if nothing were there and leaves its
    // code for TakeLoadFault.
    // The subkey of that upper-cased name, or null.
    virtual RegKey* Child(RegKey* key, std::string_view upperName) { return Ready(Ready(key)->Child(upperName)); }
    // The key with all its subkeys listed in children.
    virtual const RegKey& WithChildren(RegKey* key) { return *Ready(key); }
    virtual const ValueList& Values(RegKey* key) { return Ready(key)->values; }
    // The code of the first load that failed since the last call, or 0.
    virtual long TakeLoadFault() { return 0; }
    // The hive of HKEY_USERS that HKEY_CURRENT_USER stands for.
    virtual std::string_view CurrentUserSid() const = 0;

    // Changes name keys by id; each is 0 or a Win32 error code.
    // Creates the path of names below parent as far as it is missing.
    virtual long CreatePath(std::int64_t parentId, const std::vector<std::string_view>& names,
                            std::int64_t* createdId) = 0;
    // Deletes a key without subkeys.
    virtual long DeleteKey(std::int64_t keyId) = 0;
    virtual long SetValue(std::int64_t keyId, std::string_view name, std::uint32_t type, std::string_view data) = 0;
    virtual long DeleteValue(std::int64_t keyId, std::string_view name) = 0;

    virtual long BeginBatch() = 0;
    virtual long CommitBatch() = 0;
    virtual void RollbackBatch() = 0;

    // Makes the changes so far lasting where they are not yet: 0, or a
    // Win32 error code with problem saying what was not saved (and then
    // none of them is). A store that keeps each change as it is made has
    // nothing to do.
    virtual long Save(std::string& problem) {
        problem.clear();
        return 0;
    }

protected:
    // Fills in the subkeys and values of a key marked unread.
    virtual void Read(RegKey& key) { key.unread = false; }
};

}  // namespace platform::emulated
