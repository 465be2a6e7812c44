// The registry of an installation that is not running: its hive files
// mounted where Windows loads them (SOFTWARE as HKEY_LOCAL_MACHINE\SOFTWARE,
// DEFAULT as HKEY_USERS\.DEFAULT,
// each user's NTUSER.DAT as HKEY_USERS\<SID>, UsrClass.dat as
// HKEY_USERS\<SID>_Classes) and served to the registry calls as the
// emulated store is. Keys are read from a hive as they are first reached,
// so a scan reads only what it probes.
//
// Changes: deleting a value or a key that is in a hive is recorded in the
// hive's journal and written by Save; anything else (a value set, a key
// made) lasts for this run only and is never written to a hive.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/emulated/key_store.h"
#include "platform/offline/hive_file.h"

namespace platform::offline {

struct HiveMount {
    std::string keyName;     // "SOFTWARE", "S-1-5-21-...", "S-1-5-21-..._Classes"
    bool underUsers = true;  // below HKEY_USERS, else below HKEY_LOCAL_MACHINE
    std::unique_ptr<HiveFile> hive;
};

class HiveStore : public emulated::KeyStore {
public:
    // writeRefusal: 0, or the error code every change fails with.
    // backup: keep each hive's original as NAME.nimbrel-backup on saving.
    HiveStore(std::vector<HiveMount> mounts, std::string currentUserSid, long writeRefusal, bool backup);

    long Refresh() override { return 0; }
    emulated::RegKey* Find(std::int64_t id) override { return tree_.Find(id); }
    std::string_view CurrentUserSid() const override { return currentUserSid_; }

    long CreatePath(std::int64_t parentId, const std::vector<std::string_view>& names,
                    std::int64_t* createdId) override;
    long DeleteKey(std::int64_t keyId) override;
    long SetValue(std::int64_t keyId, std::string_view name, std::uint32_t type, std::string_view data) override;
    long DeleteValue(std::int64_t keyId, std::string_view name) override;

    long BeginBatch() override;
    long CommitBatch() override;
    void RollbackBatch() override;

    long Save(std::string& problem) override;

    const std::vector<HiveMount>& Mounts() const { return mounts_; }

protected:
    void Read(emulated::RegKey& key) override;

private:
    // How one change is undone when its batch is rolled back.
    struct Undo {
        enum class Kind { kKeyMade, kKeyDeleted, kValueSet, kValueAdded, kValueDeleted };
        Kind kind;
        std::int64_t keyId = 0;
        std::int64_t parentId = 0;
        std::string name;  // of the key, or of the value added
        emulated::RegValue value;
        emulated::ValueList values;
    };

    void Build();
    // The mount a key id lies in, or -1 for a key made in this run (or a root).
    int MountOf(std::int64_t id) const;
    std::int64_t KeyId(int mount, hive_node_h node) const;
    void Remember(Undo undo);

    std::vector<HiveMount> mounts_;
    std::string currentUserSid_;
    long writeRefusal_;
    bool backup_;
    emulated::KeyTree tree_;
    std::int64_t nextMadeId_ = -1;  // keys made in this run count down
    // Values are numbered in the order they are read or made, which is the
    // order they enumerate in; those read from a hive map to their handle.
    std::int64_t nextValueId_ = 1;
    std::unordered_map<std::int64_t, hive_value_h> hiveValues_;
    bool inBatch_ = false;
    std::vector<Undo> undo_;
    std::vector<std::size_t> journalAtBatch_;
};

}  // namespace platform::offline
