// The registry of the emulated machine: a SQLite database in the prefix,
// served from an in-memory copy that is reloaded only when another process
// has changed the database. Every change is one transaction, or part of an
// open batch that commits as a whole.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
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

    // Brings the in-memory copy up to date; 0 or a Win32 error code.
    long Refresh() override;
    RegKey* Find(std::int64_t id) const override { return tree_.Find(id); }
    std::string_view CurrentUserSid() const override;

    // Changes name keys by id: a reload inside the change's transaction
    // replaces every RegKey of the copy.
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
    bool Prepare();
    void Close();
    long Begin();
    long Commit();
    void Rollback();
    long Load();
    long CheckVersion();
    long Failure(int sqliteCode);
    template <typename Change>
    long Mutate(Change&& change);

    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
    KeyTree tree_;
    ChangeCounter counter_;
    std::uint64_t counterSeen_ = 0;
    std::int64_t version_ = -1;  // of the database the copy reflects
    bool inBatch_ = false;
    bool stale_ = false;  // the copy may hold changes that were rolled back
    // The copy was changed since the transaction began: only then does a
    // rollback leave it stale. A refused change (a missing value, a key
    // with subkeys) costs no reload of the whole store.
    bool copyChanged_ = false;

    Statement version_query_, version_bump_;
    Statement key_insert_, key_delete_, values_of_key_delete_;
    Statement value_insert_, value_update_, value_delete_;
};

}  // namespace platform::emulated
