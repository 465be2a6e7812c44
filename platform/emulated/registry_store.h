// The registry of the emulated machine: a SQLite database in the prefix,
// served from an in-memory copy that loads a key's subkeys and values when
// they are first asked for. When another process has changed the database,
// the copy drops what that change touched, as its log of changes says.
// Every change is one transaction, or part of an open batch that commits as
// a whole.
#pragma once

#include <sqlite3.h>
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/emulated/change_counter.h"
#include "platform/emulated/key_store.h"
#include "platform/emulated/key_tree.h"
#include "platform/emulated/sqlite_statement.h"

namespace platform::emulated {

class RegistryStore : public KeyStore {
public:
    using SetUp = std::function<long(RegistryStore&)>;

    RegistryStore() = default;
    ~RegistryStore() override;
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // Opens the database at path; when there is no file, creates it and runs
    // setUp in one transaction. An existing file that is not a usable store
    // (an empty one included) is left as it is. Returns an empty string or
    // a message naming the file.
    std::string Open(const std::filesystem::path& path, const SetUp& setUp);
    bool IsOpen() const { return db_ != nullptr; }
    // Folds the log into the file when this process wrote, and closes.
    void Close();

    // Brings the in-memory copy up to date; 0 or a Win32 error code.
    long Refresh() override;
    std::string_view CurrentUserSid() const override;

    // Reads, loading from the database what the copy lacks. A load that
    // fails answers as if nothing were there and leaves its code for
    // TakeLoadFault.
    RegKey* Find(std::int64_t id) override;
    RegKey* Child(RegKey* key, std::string_view upperName) override;
    const RegKey& WithChildren(RegKey* key) override;
    const ValueList& Values(RegKey* key) override;
    long TakeLoadFault() override;

    // Changes name keys by id: the transaction brings the copy up to date
    // first, which may drop any RegKey of the copy.
    // Creates the path of names below parent as far as it is missing.
    long CreatePath(std::int64_t parentId, const std::vector<std::string_view>& names,
                    std::int64_t* createdId) override;
    // Deletes a key without subkeys.
    long DeleteKey(std::int64_t keyId) override;
    long SetValue(std::int64_t keyId, std::string_view name, std::uint32_t type, std::string_view data) override;
    long DeleteValue(std::int64_t keyId, std::string_view name) override;

    long BeginBatch() override;
    long CommitBatch() override;
    void RollbackBatch() override;

private:
    std::string Create(const std::filesystem::path& path, const SetUp& setUp);
    std::string OpenExisting(const std::filesystem::path& path);
    std::string CheckWhole();
    bool Prepare();
    void Release();
    long Begin();
    long Commit();
    long LogChanges(std::int64_t version);
    void Rollback();
    long StartCopy();
    long CheckVersion();
    long CatchUp(std::int64_t version);
    long Failure(int sqliteCode);
    bool LoadChildren(RegKey* key);
    bool LoadValues(RegKey* key);
    void LoadFailed(int sqliteCode);
    long MissingKey();
    template <typename Change>
    long Mutate(Change&& change);

    std::filesystem::path path_;
    std::filesystem::path stampFile_;  // noted after the log is folded; empty when read-only
    sqlite3* db_ = nullptr;
    pid_t opener_ = 0;  // a child of fork() must not fold the parent's log
    KeyTree tree_;
    ChangeCounter counter_;
    std::uint64_t counterSeen_ = 0;
    std::int64_t version_ = -1;  // of the database the copy reflects
    bool inBatch_ = false;
    bool stale_ = false;      // the copy may hold changes that were rolled back
    bool committed_ = false;  // by this process, since it opened the store
    long loadFault_ = 0;
    // Keys whose subkeys or values the open transaction changed; the copy
    // was changed only when it is not empty, and only then does a rollback
    // leave it stale.
    std::unordered_set<std::int64_t> touched_;

    Statement version_query_, version_bump_;
    Statement key_of_id_, key_children_, key_child_;
    Statement key_insert_, key_delete_, values_of_key_delete_;
    Statement values_of_key_, value_set_, value_delete_;
    Statement changes_since_, change_insert_, changes_prune_;
};

}  // namespace platform::emulated
