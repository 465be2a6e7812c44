#include "platform/emulated/registry_store.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/emulated/checked_stamp.h"
#include "platform/emulated/machine_layout.h"
#include "platform/emulated/setup_files.h"
#include "platform/emulated/store_file.h"
#include "platform/registry_api.h"

namespace platform::emulated {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE meta(name TEXT PRIMARY KEY, value INTEGER NOT NULL);
CREATE TABLE keys(id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER NOT NULL,
                  name BLOB NOT NULL, uname BLOB NOT NULL, UNIQUE(parent, uname));
CREATE TABLE vals(id INTEGER PRIMARY KEY AUTOINCREMENT, key INTEGER NOT NULL,
                  name BLOB NOT NULL, uname BLOB NOT NULL, type INTEGER NOT NULL,
                  data BLOB NOT NULL, UNIQUE(key, uname));
CREATE TABLE changes(version INTEGER NOT NULL, key INTEGER NOT NULL, PRIMARY KEY(version, key)) WITHOUT ROWID;
INSERT INTO meta VALUES('version', 0);
INSERT INTO keys(id, parent, name, uname) VALUES(1, 0, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE');
INSERT INTO keys(id, parent, name, uname) VALUES(2, 0, 'HKEY_USERS', 'HKEY_USERS');
)sql";

long Win32FromSqlite(int code) {
    switch (code & 0xFF) {
        case SQLITE_OK:
        case SQLITE_DONE:
        case SQLITE_ROW:
            return kErrorSuccess;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return kErrorBusy;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
        case SQLITE_CANTOPEN:
            return kErrorAccessDenied;
        case SQLITE_FULL:
            return kErrorDiskFull;
        case SQLITE_NOMEM:
            return kErrorNotEnoughMemory;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return kErrorBadDb;
        default:
            return kErrorRegistryIoFailed;
    }
}

// The log of changes, which stores made before it existed lack: each commit
// lists the keys whose subkeys or values it changed, so that another
// process drops just those from its copy. A commit that changed more keys
// than are worth listing names key 0 (all of them), one that changed none
// names key -1; a version with no row (written by a program that keeps no
// log) makes readers drop their whole copy.
constexpr const char* kChangeLog =
    "CREATE TABLE changes(version INTEGER NOT NULL, key INTEGER NOT NULL, PRIMARY KEY(version, key)) WITHOUT ROWID";
constexpr std::int64_t kEveryKey = 0;
constexpr std::int64_t kNoKey = -1;
constexpr std::size_t kMostKeysListed = 256;
constexpr std::int64_t kVersionsLogged = 1000;

struct Tables {
    int count = 0;  // 0 for a new file, -1 when it cannot be read as a database
    bool meta = false;
    bool changes = false;
};

Tables ListTables(sqlite3* db) {
    Tables tables;
    Statement query(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!query.Valid()) return {-1};
    int rc;
    while ((rc = query.Step()) == SQLITE_ROW) {
        ++tables.count;
        const std::string name = query.Bytes(0);
        tables.meta = tables.meta || name == "meta";
        tables.changes = tables.changes || name == "changes";
    }
    if (rc != SQLITE_DONE) tables.count = -1;
    return tables;
}

// A file path as the path of a file: URI.
std::string UriPath(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '%' || c == '?' || c == '#' || byte < 0x21 || byte >= 0x7F) {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        } else {
            uri += c;
        }
    }
    return uri;
}

// The path SQLite is given, with its folder resolved: SQLITE_OPEN_NOFOLLOW
// then refuses a link in the file's own place only, not in the folders
// above it (a home folder reached through a link stays usable).
std::string SqlitePath(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::canonical(path.has_parent_path() ? path.parent_path() : ".", error);
    return error ? path.string() : (folder / path.filename()).string();
}

constexpr int kNoFollow = SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX;

}  // namespace

RegistryStore::~RegistryStore() {
    if (inBatch_) Rollback();
    inBatch_ = false;
    Close();
}

void RegistryStore::Close() {
    if (db_ == nullptr || inBatch_) return;
    // A writing command leaves no log behind at full size: the log is
    // folded into the file and cut to nothing, waiting a moment at most
    // for readers of other processes.
    bool folded = false;
    if (committed_ && opener_ == ::getpid()) {
        sqlite3_busy_timeout(db_, 1000);
        folded = sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) == SQLITE_OK;
    }
    Release();
    if (folded && !stampFile_.empty()) WriteCheckedStamp(path_, stampFile_);
    committed_ = false;
}

void RegistryStore::Release() {
    for (Statement* statement : {&version_query_, &version_bump_, &key_of_id_, &key_children_, &key_child_,
                                 &key_insert_, &key_delete_, &values_of_key_delete_, &values_of_key_, &value_set_,
                                 &value_delete_, &changes_since_, &change_insert_, &changes_prune_})
        *statement = {};
    sqlite3_close(db_);
    db_ = nullptr;
    tree_.Clear();
}

bool RegistryStore::Prepare() {
    version_query_ = Statement(db_, "SELECT value FROM meta WHERE name = 'version'");
    version_bump_ = Statement(db_, "UPDATE meta SET value = value + 1 WHERE name = 'version'");
    key_of_id_ = Statement(db_, "SELECT parent, name FROM keys WHERE id = ?");
    key_children_ = Statement(db_, "SELECT id, name FROM keys WHERE parent = ?");
    key_child_ = Statement(db_, "SELECT id, name FROM keys WHERE parent = ? AND uname = ?");
    key_insert_ = Statement(db_, "INSERT INTO keys(parent, name, uname) VALUES(?, ?, ?)");
    key_delete_ = Statement(db_, "DELETE FROM keys WHERE id = ?");
    values_of_key_delete_ = Statement(db_, "DELETE FROM vals WHERE key = ?");
    values_of_key_ = Statement(db_, "SELECT id, name, type, data FROM vals WHERE key = ? ORDER BY id");
    value_set_ = Statement(db_,
                           "INSERT INTO vals(key, name, uname, type, data) VALUES(?, ?, ?, ?, ?) "
                           "ON CONFLICT(key, uname) DO UPDATE SET type = excluded.type, data = excluded.data "
                           "RETURNING id");
    value_delete_ = Statement(db_, "DELETE FROM vals WHERE key = ? AND uname = ?");
    // Missing in a store of an earlier make that could not be given the log.
    changes_since_ = Statement(db_, "SELECT version, key FROM changes WHERE version > ? ORDER BY version");
    change_insert_ = Statement(db_, "INSERT OR IGNORE INTO changes(version, key) VALUES(?, ?)");
    changes_prune_ = Statement(db_, "DELETE FROM changes WHERE version <= ?");
    return version_query_.Valid() && version_bump_.Valid() && key_of_id_.Valid() && key_children_.Valid() &&
           key_child_.Valid() && key_insert_.Valid() && key_delete_.Valid() && values_of_key_delete_.Valid() &&
           values_of_key_.Valid() && value_set_.Valid() && value_delete_.Valid();
}

std::string RegistryStore::Open(const std::filesystem::path& path, const SetUp& setUp) {
    path_ = path;
    opener_ = ::getpid();
    RemoveStaleSetUpFiles(path);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !std::filesystem::is_symlink(path, error)) {
        const std::string fault = Create(path, setUp);
        if (!fault.empty()) return "the registry store " + path.string() + " " + fault;
    }
    return OpenExisting(path);
}

// Builds the new store beside its place and links it there whole, so that
// no process ever sees a registry.db that is empty or half set up: an empty
// one is damage. When another process links its store first, that one is
// kept.
std::string RegistryStore::Create(const std::filesystem::path& path, const SetUp& setUp) {
    const std::filesystem::path fresh = SetUpFile(path, getpid());
    auto discard = [&](const std::string& why) {
        if (inBatch_) Rollback();
        inBatch_ = false;
        Close();
        std::error_code ignored;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(fresh.string() + suffix, ignored);
        return why;
    };
    discard("");
    if (sqlite3_open_v2(SqlitePath(fresh).c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | kNoFollow,
                        nullptr) != SQLITE_OK)
        return discard(std::string("cannot be created: ") + sqlite3_errmsg(db_));
    // Write-ahead logging: a commit costs no sync, readers never wait for a
    // writer, and a killed process still leaves the last commit or none.
    if (sqlite3_exec(db_, "PRAGMA journal_mode=WAL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK || !Prepare() ||
        StartCopy() != kErrorSuccess)
        return discard(std::string("cannot be created: ") + sqlite3_errmsg(db_));
    inBatch_ = true;
    touched_.clear();
    long rc = setUp ? setUp(*this) : kErrorSuccess;
    inBatch_ = false;
    if (rc == kErrorSuccess) {
        rc = Commit();
    } else {
        Rollback();
    }
    if (rc != kErrorSuccess) return discard("cannot be set up (error " + std::to_string(rc) + ")");
    Close();  // the last connection folds the log into the file
    if (::link(fresh.c_str(), path.c_str()) != 0 && errno != EEXIST) {
        // A file system without hard links: a rename, unless another
        // process made its store meanwhile.
        std::error_code error;
        if (!std::filesystem::exists(path, error)) std::filesystem::rename(fresh, path, error);
        if (error) return discard("cannot be created: " + error.message());
    }
    return discard("");
}

// The whole file read and checked, as SQLite's quick check does: damage
// anywhere is found before any of it is served.
std::string RegistryStore::CheckWhole() {
    Statement check(db_, "PRAGMA quick_check(1)");
    if (!check.Valid()) return std::string("is damaged: ") + sqlite3_errmsg(db_);
    const int rc = check.Step();
    if (rc != SQLITE_ROW) return std::string("is damaged: ") + sqlite3_errmsg(db_);
    if (check.Bytes(0) != "ok") return "is damaged: its keys and values cannot be read";
    return "";
}

std::string RegistryStore::OpenExisting(const std::filesystem::path& path) {
    const std::string name = path.string();
    if (const std::string fault = StoreFileFault(path); !fault.empty())
        return "the registry store " + name + " " + fault;
    const std::filesystem::path counterFile = path.parent_path() / "registry.version";
    const std::pair<const char*, std::filesystem::path> companions[] = {
        {"log", name + "-wal"}, {"shared memory", name + "-shm"}, {"change counter", counterFile}};
    for (const auto& [role, file] : companions) {
        if (const std::string fault = EntryKindFault(file); !fault.empty())
            return "the registry store " + name + " cannot be used: its " + role + " " + file.string() + " " + fault;
    }
    const StoreSidecars sidecars(path);
    auto refuse = [&](const std::string& why) {
        Release();
        sidecars.RemoveNew();
        return "the registry store " + name + " " + why;
    };
    const std::string sqlitePath = SqlitePath(path);
    if (sqlite3_open_v2(sqlitePath.c_str(), &db_, SQLITE_OPEN_READWRITE | kNoFollow, nullptr) != SQLITE_OK)
        return refuse(std::string("cannot be opened: ") + sqlite3_errmsg(db_));
    // A store that this process may only read, with no log beside it, and
    // none that could be made: SQLite reads it only as a file that nobody
    // changes, which nobody can.
    std::error_code error;
    if (sqlite3_db_readonly(db_, "main") == 1 && !std::filesystem::exists(name + "-wal", error)) {
        Release();
        const std::string uri = "file:" + UriPath(sqlitePath) + "?immutable=1";
        if (sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | kNoFollow, nullptr) !=
            SQLITE_OK)
            return refuse(std::string("cannot be opened: ") + sqlite3_errmsg(db_));
    }
    // Nothing is written to a file before it has shown itself a store, not
    // even the checkpoint that closing the last connection makes.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_busy_timeout(db_, 30000);

    const Tables tables = ListTables(db_);
    if (tables.count < 0) return refuse(std::string("is damaged: ") + sqlite3_errmsg(db_));
    if (!tables.meta) {
        return refuse(tables.count == 0 ? "holds no registry (it is an empty SQLite database)"
                                        : "holds no registry (it is an SQLite database of something else)");
    }
    const std::filesystem::path stampFile = path.parent_path() / "registry.checked";
    const bool checked = !MatchesCheckedStamp(path, stampFile);
    if (checked) {
        if (const std::string fault = CheckWhole(); !fault.empty()) return refuse(fault);
    }
    const bool writable = sqlite3_db_readonly(db_, "main") == 0;
    if (!tables.changes && writable) sqlite3_exec(db_, kChangeLog, nullptr, nullptr, nullptr);
    if (!Prepare()) return refuse(std::string("is damaged: ") + sqlite3_errmsg(db_));
    if (const long rc = StartCopy(); rc != kErrorSuccess) {
        return refuse(rc == kErrorBadDb ? std::string("is damaged: its keys and values cannot be read")
                                        : "cannot be read (error " + std::to_string(rc) + ")");
    }
    if (const std::string fault = counter_.Open(counterFile); !fault.empty())
        return refuse("cannot be used: its change counter " + counterFile.string() + " " + fault);
    counterSeen_ = counter_.Read();
    if (writable) {
        // A cache that holds the pages a large import keeps going back to
        // (the index of value names above all); a command that reads a few
        // keys fills only what it reads.
        sqlite3_exec(db_, "PRAGMA synchronous=NORMAL; PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
        stampFile_ = stampFile;
        if (checked) WriteCheckedStamp(path, stampFile);
    }
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return {};
}

// A failed write says what Windows would: disk full when a file of the
// store can grow no more, write-protected on a read-only mount.
long RegistryStore::Failure(int sqliteCode) {
    const int primary = sqliteCode & 0xFF;
    if (primary == SQLITE_IOERR && StoreFileAtSizeLimit(path_)) return kErrorDiskFull;
    struct statvfs volume {};
    if (primary == SQLITE_READONLY && ::statvfs(path_.parent_path().c_str(), &volume) == 0 &&
        (volume.f_flag & ST_RDONLY) != 0)
        return kErrorWriteProtect;
    const long code = Win32FromSqlite(sqliteCode);
    return code == kErrorSuccess ? kErrorRegistryIoFailed : code;
}

// Runs body in a read transaction of its own unless one is open: what it
// reads is one version of the database.
template <typename Body>
long InReadTransaction(sqlite3* db, Body&& body) {
    const bool own = sqlite3_get_autocommit(db) != 0;
    if (own) {
        const int rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) return rc;
    }
    const int rc = body();
    if (own) sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    return rc;
}

// Drops the whole copy and starts again from the two roots.
long RegistryStore::StartCopy() {
    tree_.Clear();
    std::int64_t version = -1;
    const int rc = InReadTransaction(db_, [&] {
        version_query_.Reset();
        int step = version_query_.Step();
        if (step == SQLITE_ROW) version = version_query_.Integer(0);
        version_query_.Reset();
        for (const std::int64_t root : {kLocalMachineId, kUsersId}) {
            if (step != SQLITE_ROW) break;
            key_of_id_.Reset();
            key_of_id_.Bind(1, root);
            step = key_of_id_.Step();
            if (step == SQLITE_ROW && key_of_id_.Integer(0) == 0) tree_.Add(root, nullptr, key_of_id_.Bytes(1));
            key_of_id_.Reset();
        }
        return step;
    });
    if (rc != SQLITE_ROW) return rc == SQLITE_DONE ? kErrorBadDb : Failure(rc);
    if (tree_.Find(kLocalMachineId) == nullptr || tree_.Find(kUsersId) == nullptr) return kErrorBadDb;
    version_ = version;
    stale_ = false;
    return kErrorSuccess;
}

long RegistryStore::CheckVersion() {
    long result = kErrorSuccess;
    const int rc = InReadTransaction(db_, [&] {
        version_query_.Reset();
        const int step = version_query_.Step();
        const std::int64_t version = step == SQLITE_ROW ? version_query_.Integer(0) : -1;
        version_query_.Reset();
        if (step != SQLITE_ROW) return step;
        if (stale_) {
            result = StartCopy();
        } else if (version != version_) {
            result = CatchUp(version);
        }
        return SQLITE_OK;
    });
    if (rc != SQLITE_OK) return Failure(rc);
    return result;
}

// Drops from the copy what the commits since its version changed, as the
// log lists them; the whole copy when the log does not account for every
// one of them.
long RegistryStore::CatchUp(std::int64_t version) {
    if (!changes_since_.Valid()) return StartCopy();
    std::unordered_set<std::int64_t> changed;
    std::int64_t versions = 0, last = version_;
    bool everything = false;
    changes_since_.Reset();
    changes_since_.Bind(1, version_);
    int rc;
    while ((rc = changes_since_.Step()) == SQLITE_ROW) {
        const std::int64_t at = changes_since_.Integer(0);
        const std::int64_t key = changes_since_.Integer(1);
        if (at != last) ++versions;
        last = at;
        everything = everything || key == kEveryKey;
        if (key != kNoKey && key != kEveryKey) changed.insert(key);
    }
    changes_since_.Reset();
    if (rc != SQLITE_DONE) return Failure(rc);
    if (everything || versions != version - version_ || last != version) return StartCopy();
    for (const std::int64_t id : changed) {
        RegKey* key = tree_.Find(id);
        if (key == nullptr) continue;
        key_of_id_.Reset();
        key_of_id_.Bind(1, id);
        rc = key_of_id_.Step();
        key_of_id_.Reset();
        if (rc == SQLITE_DONE) {
            tree_.Remove(key);
            continue;
        }
        if (rc != SQLITE_ROW) return Failure(rc);
        key->childrenLoaded = false;
        key->valuesLoaded = false;
        key->values.Clear();
    }
    version_ = version;
    return kErrorSuccess;
}

std::string_view RegistryStore::CurrentUserSid() const { return kCurrentUserSid; }

long RegistryStore::Refresh() {
    if (db_ == nullptr) return kErrorBadDb;
    loadFault_ = 0;
    if (inBatch_) return kErrorSuccess;  // the batch holds the write lock: nobody else changed it
    const std::uint64_t seen = counter_.Read();
    if (seen == counterSeen_ && !stale_) return kErrorSuccess;
    counterSeen_ = seen;
    return CheckVersion();
}

void RegistryStore::LoadFailed(int sqliteCode) {
    if (loadFault_ == 0) loadFault_ = Failure(sqliteCode);
}

long RegistryStore::TakeLoadFault() {
    const long fault = loadFault_;
    loadFault_ = 0;
    return fault;
}

// Lists the key's subkeys as the database holds them: the ones already in
// the copy are kept with what was loaded below them, the ones gone leave.
bool RegistryStore::LoadChildren(RegKey* key) {
    std::vector<std::pair<std::int64_t, std::string>> rows;
    key_children_.Reset();
    key_children_.Bind(1, key->id);
    int rc;
    while ((rc = key_children_.Step()) == SQLITE_ROW)
        rows.emplace_back(key_children_.Integer(0), key_children_.Bytes(1));
    key_children_.Reset();
    if (rc != SQLITE_DONE) {
        LoadFailed(rc);
        return false;
    }
    std::unordered_set<std::int64_t> present;
    for (const auto& row : rows) present.insert(row.first);
    std::vector<RegKey*> gone;
    for (const auto& [upper, child] : key->children)
        if (!present.contains(child->id)) gone.push_back(child);
    for (RegKey* child : gone) tree_.Remove(child);
    for (auto& [id, name] : rows)
        if (tree_.Find(id) == nullptr) tree_.Add(id, key, std::move(name));
    key->childrenLoaded = true;
    return true;
}

bool RegistryStore::LoadValues(RegKey* key) {
    key->values.Clear();
    values_of_key_.Reset();
    values_of_key_.Bind(1, key->id);
    int rc;
    while ((rc = values_of_key_.Step()) == SQLITE_ROW) {
        key->values.Set(values_of_key_.Integer(0), values_of_key_.View(1),
                        static_cast<std::uint32_t>(values_of_key_.Integer(2)), values_of_key_.View(3));
    }
    values_of_key_.Reset();
    if (rc != SQLITE_DONE) {
        key->values.Clear();
        LoadFailed(rc);
        return false;
    }
    key->valuesLoaded = true;
    return true;
}

RegKey* RegistryStore::Find(std::int64_t id) {
    if (RegKey* key = tree_.Find(id)) return key;
    // Up the key's parents to one in the copy, then down loading subkeys.
    std::vector<std::int64_t> chain{id};
    RegKey* top = nullptr;
    while (top == nullptr) {
        key_of_id_.Reset();
        key_of_id_.Bind(1, chain.back());
        const int rc = key_of_id_.Step();
        const std::int64_t parent = rc == SQLITE_ROW ? key_of_id_.Integer(0) : 0;
        key_of_id_.Reset();
        if (rc != SQLITE_ROW) {
            if (rc != SQLITE_DONE) LoadFailed(rc);
            return nullptr;
        }
        if (parent == 0) return nullptr;  // a root that is not one of the two
        top = tree_.Find(parent);
        if (top == nullptr) chain.push_back(parent);
    }
    for (auto at = chain.rbegin(); at != chain.rend() && top != nullptr; ++at) {
        if (!LoadChildren(top)) return nullptr;
        top = tree_.Find(*at);
    }
    return top;
}

// A subkey not yet in the copy is looked up alone, so that reaching one key
// of a large tree loads no more of it; the first miss loads the whole list,
// so that the misses after it are answered from the copy.
RegKey* RegistryStore::Child(RegKey* key, std::string_view upperName) {
    if (RegKey* child = key->Child(upperName)) return child;
    if (key->childrenLoaded) return nullptr;
    key_child_.Reset();
    key_child_.Bind(1, key->id).Bind(2, upperName);
    const int rc = key_child_.Step();
    RegKey* child = rc == SQLITE_ROW ? tree_.Add(key_child_.Integer(0), key, key_child_.Bytes(1)) : nullptr;
    key_child_.Reset();
    if (rc == SQLITE_DONE) LoadChildren(key);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) LoadFailed(rc);
    return child;
}

const RegKey& RegistryStore::WithChildren(RegKey* key) {
    if (!key->childrenLoaded) LoadChildren(key);
    return *key;
}

const ValueList& RegistryStore::Values(RegKey* key) {
    if (!key->valuesLoaded) LoadValues(key);
    return key->values;
}

long RegistryStore::Begin() {
    if (db_ == nullptr) return kErrorBadDb;
    // SQLite would begin, and fail only at the first write.
    if (sqlite3_db_readonly(db_, "main") == 1) return Failure(SQLITE_READONLY);
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return Failure(rc);
    touched_.clear();
    const long checked = CheckVersion();
    if (checked != kErrorSuccess) {
        Rollback();
        stale_ = true;  // a failed catch-up may have left the copy part way
    }
    return checked;
}

long RegistryStore::LogChanges(std::int64_t version) {
    if (!change_insert_.Valid()) return kErrorSuccess;  // a store that keeps no log
    auto insert = [&](std::int64_t key) {
        change_insert_.Reset();
        change_insert_.Bind(1, version).Bind(2, key);
        const int rc = change_insert_.Step();
        change_insert_.Reset();
        return rc;
    };
    int rc = SQLITE_DONE;
    if (touched_.empty()) {
        rc = insert(kNoKey);
    } else if (touched_.size() > kMostKeysListed) {
        rc = insert(kEveryKey);
    } else {
        for (const std::int64_t key : touched_) {
            rc = insert(key);
            if (rc != SQLITE_DONE) break;
        }
    }
    if (rc == SQLITE_DONE) {
        changes_prune_.Reset();
        changes_prune_.Bind(1, version - kVersionsLogged);
        rc = changes_prune_.Step();
        changes_prune_.Reset();
    }
    return rc;
}

long RegistryStore::Commit() {
    version_bump_.Reset();
    int rc = version_bump_.Step();
    version_bump_.Reset();
    if (rc == SQLITE_DONE) rc = LogChanges(version_ + 1);
    if (rc == SQLITE_DONE) rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        const long code = Failure(rc);
        Rollback();
        return code;
    }
    ++version_;
    touched_.clear();
    committed_ = true;
    counter_.Bump();
    return kErrorSuccess;
}

void RegistryStore::Rollback() {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (!touched_.empty()) stale_ = true;  // the copy holds what was just undone
    touched_.clear();
}

template <typename Change>
long RegistryStore::Mutate(Change&& change) {
    if (!inBatch_) {
        const long begun = Begin();
        if (begun != kErrorSuccess) return begun;
    }
    const long rc = change();
    if (inBatch_) return rc;  // the batch's owner commits or rolls back
    if (rc != kErrorSuccess) {
        Rollback();
        return rc;
    }
    return Commit();
}

long RegistryStore::MissingKey() {
    const long fault = TakeLoadFault();
    return fault != 0 ? fault : kErrorKeyDeleted;
}

long RegistryStore::CreatePath(std::int64_t parentId, const std::vector<std::string_view>& names,
                               std::int64_t* createdId) {
    return Mutate([&]() -> long {
        RegKey* key = Find(parentId);
        if (key == nullptr) return MissingKey();
        for (std::string_view name : names) {
            const std::string upper = UpperName(name);
            if (RegKey* child = Child(key, upper)) {
                key = child;
                continue;
            }
            if (const long fault = TakeLoadFault(); fault != 0) return fault;
            key_insert_.Reset();
            key_insert_.Bind(1, key->id).Bind(2, name).Bind(3, upper);
            const int rc = key_insert_.Step();
            key_insert_.Reset();
            if (rc != SQLITE_DONE) return Failure(rc);
            touched_.insert(key->id);
            key = tree_.Add(sqlite3_last_insert_rowid(db_), key, std::string(name));
            // A new key has no subkeys; its values are read back when asked
            // for, so that an import does not keep a copy of what it writes.
            key->childrenLoaded = true;
        }
        *createdId = key->id;
        return kErrorSuccess;
    });
}

long RegistryStore::DeleteKey(std::int64_t keyId) {
    return Mutate([&]() -> long {
        RegKey* key = Find(keyId);
        if (key == nullptr) return MissingKey();
        if (!key->childrenLoaded && !LoadChildren(key)) return TakeLoadFault();
        if (!key->children.empty()) return kErrorAccessDenied;
        values_of_key_delete_.Reset();
        values_of_key_delete_.Bind(1, keyId);
        int rc = values_of_key_delete_.Step();
        values_of_key_delete_.Reset();
        if (rc == SQLITE_DONE) {
            key_delete_.Reset();
            key_delete_.Bind(1, keyId);
            rc = key_delete_.Step();
            key_delete_.Reset();
        }
        if (rc != SQLITE_DONE) return Failure(rc);
        touched_.insert(keyId);
        if (key->parent != nullptr) touched_.insert(key->parent->id);
        tree_.Remove(key);
        return kErrorSuccess;
    });
}

long RegistryStore::SetValue(std::int64_t keyId, std::string_view name, std::uint32_t type, std::string_view data) {
    return Mutate([&]() -> long {
        RegKey* key = Find(keyId);
        if (key == nullptr) return MissingKey();
        // One statement adds the value or overwrites it in its place; the
        // copy learns the row only when it holds the key's values.
        value_set_.Reset();
        value_set_.Bind(1, keyId).Bind(2, name).Bind(3, UpperName(name));
        value_set_.Bind(4, static_cast<std::int64_t>(type)).Bind(5, data);
        int rc = value_set_.Step();
        const std::int64_t id = rc == SQLITE_ROW ? value_set_.Integer(0) : 0;
        if (rc == SQLITE_ROW) rc = value_set_.Step();
        value_set_.Reset();
        if (rc != SQLITE_DONE) return Failure(rc);
        touched_.insert(keyId);
        if (key->valuesLoaded) key->values.Set(id, name, type, data);
        return kErrorSuccess;
    });
}

long RegistryStore::DeleteValue(std::int64_t keyId, std::string_view name) {
    return Mutate([&]() -> long {
        RegKey* key = Find(keyId);
        if (key == nullptr) return MissingKey();
        value_delete_.Reset();
        value_delete_.Bind(1, keyId).Bind(2, UpperName(name));
        const int rc = value_delete_.Step();
        value_delete_.Reset();
        if (rc != SQLITE_DONE) return Failure(rc);
        if (sqlite3_changes(db_) == 0) return kErrorFileNotFound;
        touched_.insert(keyId);
        if (key->valuesLoaded) key->values.Erase(name);
        return kErrorSuccess;
    });
}

long RegistryStore::BeginBatch() {
    if (inBatch_) return kErrorBusy;
    const long rc = Begin();
    inBatch_ = rc == kErrorSuccess;
    return rc;
}

long RegistryStore::CommitBatch() {
    if (!inBatch_) return kErrorInvalidParameter;
    inBatch_ = false;
    return Commit();
}

void RegistryStore::RollbackBatch() {
    if (!inBatch_) return;
    inBatch_ = false;
    Rollback();
}

}  // namespace platform::emulated
