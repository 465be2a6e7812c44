#include "platform/emulated/registry_store.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

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

// Counts the tables of the database: 0 for a new file, -1 when it cannot
// be read as a database at all.
int CountTables(sqlite3* db, bool* hasMeta) {
    Statement query(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!query.Valid()) return -1;
    int tables = 0;
    *hasMeta = false;
    int rc;
    while ((rc = query.Step()) == SQLITE_ROW) {
        ++tables;
        if (query.Bytes(0) == "meta") *hasMeta = true;
    }
    return rc == SQLITE_DONE ? tables : -1;
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
    Close();
}

void RegistryStore::Close() {
    version_query_ = {};
    version_bump_ = {};
    key_insert_ = {};
    key_delete_ = {};
    values_of_key_delete_ = {};
    value_insert_ = {};
    value_update_ = {};
    value_delete_ = {};
    sqlite3_close(db_);
    db_ = nullptr;
}

bool RegistryStore::Prepare() {
    version_query_ = Statement(db_, "SELECT value FROM meta WHERE name = 'version'");
    version_bump_ = Statement(db_, "UPDATE meta SET value = value + 1 WHERE name = 'version'");
    key_insert_ = Statement(db_, "INSERT INTO keys(parent, name, uname) VALUES(?, ?, ?)");
    key_delete_ = Statement(db_, "DELETE FROM keys WHERE id = ?");
    values_of_key_delete_ = Statement(db_, "DELETE FROM vals WHERE key = ?");
    value_insert_ = Statement(db_, "INSERT INTO vals(key, name, uname, type, data) VALUES(?, ?, ?, ?, ?)");
    value_update_ = Statement(db_, "UPDATE vals SET type = ?, data = ? WHERE id = ?");
    value_delete_ = Statement(db_, "DELETE FROM vals WHERE id = ?");
    return version_query_.Valid() && version_bump_.Valid() && key_insert_.Valid() && key_delete_.Valid() &&
           values_of_key_delete_.Valid() && value_insert_.Valid() && value_update_.Valid() && value_delete_.Valid();
}

std::string RegistryStore::Open(const std::filesystem::path& path, const SetUp& setUp) {
    path_ = path;
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
        sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK || !Prepare() || Load() != kErrorSuccess)
        return discard(std::string("cannot be created: ") + sqlite3_errmsg(db_));
    inBatch_ = true;
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
        Close();
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
        Close();
        const std::string uri = "file:" + UriPath(sqlitePath) + "?immutable=1";
        if (sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | kNoFollow, nullptr) !=
            SQLITE_OK)
            return refuse(std::string("cannot be opened: ") + sqlite3_errmsg(db_));
    }
    // Nothing is written to a file before it has shown itself a store, not
    // even the checkpoint that closing the last connection makes.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_busy_timeout(db_, 30000);

    bool hasMeta = false;
    const int tables = CountTables(db_, &hasMeta);
    if (tables < 0) return refuse(std::string("is damaged: ") + sqlite3_errmsg(db_));
    if (!hasMeta) {
        return refuse(tables == 0 ? "holds no registry (it is an empty SQLite database)"
                                  : "holds no registry (it is an SQLite database of something else)");
    }
    if (!Prepare()) return refuse(std::string("is damaged: ") + sqlite3_errmsg(db_));
    if (const long rc = Load(); rc != kErrorSuccess) {
        return refuse(rc == kErrorBadDb ? std::string("is damaged: its keys and values cannot be read")
                                        : "cannot be read (error " + std::to_string(rc) + ")");
    }
    if (const std::string fault = counter_.Open(counterFile); !fault.empty())
        return refuse("cannot be used: its change counter " + counterFile.string() + " " + fault);
    counterSeen_ = counter_.Read();
    sqlite3_exec(db_, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
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

long RegistryStore::Load() {
    const bool ownTransaction = sqlite3_get_autocommit(db_) != 0;
    if (ownTransaction && sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Failure(sqlite3_errcode(db_));
    auto finish = [&](long rc) {
        if (ownTransaction) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != kErrorSuccess) tree_.Clear();
        return rc;
    };

    tree_.Clear();
    version_query_.Reset();
    if (version_query_.Step() != SQLITE_ROW) return finish(Failure(sqlite3_errcode(db_)));
    const std::int64_t version = version_query_.Integer(0);
    version_query_.Reset();

    Statement keys(db_, "SELECT id, parent, name FROM keys ORDER BY id");
    Statement values(db_, "SELECT id, key, name, type, data FROM vals ORDER BY id");
    if (!keys.Valid() || !values.Valid()) return finish(Failure(sqlite3_errcode(db_)));
    int rc;
    while ((rc = keys.Step()) == SQLITE_ROW) tree_.Add(keys.Integer(0), keys.Integer(1), keys.Bytes(2));
    if (rc != SQLITE_DONE) return finish(Failure(rc));
    while ((rc = values.Step()) == SQLITE_ROW) {
        RegKey* key = tree_.Find(values.Integer(1));
        if (key == nullptr) continue;
        RegValue value;
        value.id = values.Integer(0);
        value.name = values.Bytes(2);
        value.upperName = UpperName(value.name);
        value.type = static_cast<std::uint32_t>(values.Integer(3));
        value.data = values.Bytes(4);
        key->values.push_back(std::move(value));
    }
    if (rc != SQLITE_DONE) return finish(Failure(rc));
    if (tree_.Find(kLocalMachineId) == nullptr || tree_.Find(kUsersId) == nullptr) return finish(kErrorBadDb);
    version_ = version;
    stale_ = false;
    return finish(kErrorSuccess);
}

long RegistryStore::CheckVersion() {
    version_query_.Reset();
    const int rc = version_query_.Step();
    const std::int64_t version = rc == SQLITE_ROW ? version_query_.Integer(0) : -1;
    version_query_.Reset();
    if (rc != SQLITE_ROW) return Failure(rc);
    return version == version_ && !stale_ ? kErrorSuccess : Load();
}

std::string_view RegistryStore::CurrentUserSid() const { return kCurrentUserSid; }

long RegistryStore::Refresh() {
    if (db_ == nullptr) return kErrorBadDb;
    if (inBatch_) return kErrorSuccess;  // the batch holds the write lock: nobody else changed it
    const std::uint64_t seen = counter_.Read();
    if (seen == counterSeen_ && !stale_) return kErrorSuccess;
    counterSeen_ = seen;
    return CheckVersion();
}

long RegistryStore::Begin() {
    if (db_ == nullptr) return kErrorBadDb;
    // SQLite would begin, and fail only at the first write.
    if (sqlite3_db_readonly(db_, "main") == 1) return Failure(SQLITE_READONLY);
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return Failure(rc);
    copyChanged_ = false;
    const long checked = CheckVersion();
    if (checked != kErrorSuccess) {
        Rollback();
        stale_ = true;  // a failed load left the copy empty
    }
    return checked;
}

long RegistryStore::Commit() {
    version_bump_.Reset();
    int rc = version_bump_.Step();
    version_bump_.Reset();
    if (rc == SQLITE_DONE) rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        const long code = Failure(rc);
        Rollback();
        return code;
    }
    ++version_;
    counter_.Bump();
    return kErrorSuccess;
}

void RegistryStore::Rollback() {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (copyChanged_) stale_ = true;  // the copy holds what was just undone
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

long RegistryStore::CreatePath(std::int64_t parentId, const std::vector<std::string_view>& names,
                               std::int64_t* createdId) {
    return Mutate([&]() -> long {
        RegKey* key = tree_.Find(parentId);
        if (key == nullptr) return kErrorKeyDeleted;
        for (std::string_view name : names) {
            const std::string upper = UpperName(name);
            if (RegKey* child = key->Child(upper)) {
                key = child;
                continue;
            }
            key_insert_.Reset();
            key_insert_.Bind(1, key->id).Bind(2, name).Bind(3, upper);
            const int rc = key_insert_.Step();
            key_insert_.Reset();
            if (rc != SQLITE_DONE) return Failure(rc);
            copyChanged_ = true;
            key = tree_.Add(sqlite3_last_insert_rowid(db_), key->id, std::string(name));
        }
        *createdId = key->id;
        return kErrorSuccess;
    });
}

long RegistryStore::DeleteKey(std::int64_t keyId) {
    return Mutate([&]() -> long {
        RegKey* key = tree_.Find(keyId);
        if (key == nullptr) return kErrorKeyDeleted;
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
        copyChanged_ = true;
        tree_.Remove(key);
        return kErrorSuccess;
    });
}

long RegistryStore::SetValue(std::int64_t keyId, std::string_view name, std::uint32_t type, std::string_view data) {
    return Mutate([&]() -> long {
        RegKey* key = tree_.Find(keyId);
        if (key == nullptr) return kErrorKeyDeleted;
        RegValue* existing = key->FindValue(name);
        Statement& statement = existing != nullptr ? value_update_ : value_insert_;
        statement.Reset();
        if (existing != nullptr) {
            statement.Bind(1, static_cast<std::int64_t>(type)).Bind(2, data).Bind(3, existing->id);
        } else {
            statement.Bind(1, keyId).Bind(2, name).Bind(3, UpperName(name));
            statement.Bind(4, static_cast<std::int64_t>(type)).Bind(5, data);
        }
        const int rc = statement.Step();
        statement.Reset();
        if (rc != SQLITE_DONE) return Failure(rc);
        copyChanged_ = true;
        if (existing != nullptr) {
            existing->type = type;
            existing->data.assign(data);
        } else {
            RegValue value;
            value.id = sqlite3_last_insert_rowid(db_);
            value.name.assign(name);
            value.upperName = UpperName(name);
            value.type = type;
            value.data.assign(data);
            key->values.push_back(std::move(value));
        }
        return kErrorSuccess;
    });
}

long RegistryStore::DeleteValue(std::int64_t keyId, std::string_view name) {
    return Mutate([&]() -> long {
        RegKey* key = tree_.Find(keyId);
        if (key == nullptr) return kErrorKeyDeleted;
        RegValue* value = key->FindValue(name);
        if (value == nullptr) return kErrorFileNotFound;
        value_delete_.Reset();
        value_delete_.Bind(1, value->id);
        const int rc = value_delete_.Step();
        value_delete_.Reset();
        if (rc != SQLITE_DONE) return Failure(rc);
        copyChanged_ = true;
        key->values.erase(key->values.begin() + (value - key->values.data()));
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
