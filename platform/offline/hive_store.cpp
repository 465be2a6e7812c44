#include "platform/offline/hive_store.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <unistd.h>

#include "platform/ansi_case.h"
#include "platform/ansi_codepage.h"
#include "platform/registry_api.h"

namespace platform::offline {

namespace {

using emulated::RegKey;
using emulated::RegValue;

constexpr int kMountShift = 40;  // a hive key's id: the mount above this bit, the node below
constexpr std::int64_t kNodeMask = (std::int64_t{1} << kMountShift) - 1;

struct Freed {
    void operator()(void* p) const { std::free(p); }
};

// Names and text data as the A functions hand them out: in the ANSI code
// page. Text data is UTF-16LE in the hive; a stray odd byte at its end is
// dropped, as the A functions drop it (and as "reg import" does).
std::string AnsiName(const char* utf8) { return Utf8ToAnsi(utf8 != nullptr ? utf8 : ""); }

std::string AnsiData(hive_type type, const char* bytes, std::size_t length) {
    if (type != hive_t_REG_SZ && type != hive_t_REG_EXPAND_SZ && type != hive_t_REG_MULTI_SZ)
        return std::string(bytes, length);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < length; i += 2)
        text +=
            static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return Utf16ToAnsi(text);
}

// Where the clean of a test may be stopped as if killed, to show what a
// killed clean leaves: NIMBREL_OFFLINE_TEST_STOP names the point.
void StopIfAsked(const char* point) {
    const char* stop = std::getenv("NIMBREL_OFFLINE_TEST_STOP");
    if (stop != nullptr && std::strcmp(stop, point) == 0) ::kill(::getpid(), SIGKILL);
}

}  // namespace

HiveStore::HiveStore(std::vector<HiveMount> mounts, std::string currentUserSid, long writeRefusal, bool backup)
    : mounts_(std::move(mounts)),
      currentUserSid_(std::move(currentUserSid)),
      writeRefusal_(writeRefusal),
      backup_(backup) {
    Build();
}

void HiveStore::Build() {
    tree_.Clear();
    tree_.Add(emulated::kLocalMachineId, nullptr, "HKEY_LOCAL_MACHINE");
    tree_.Add(emulated::kUsersId, nullptr, "HKEY_USERS");
    // HKEY_USERS\.DEFAULT is there on every running Windows; without its
    // hive it is an empty key, so that the users' hives are numbered as
    // there.
    bool defaultUser = false;
    for (std::size_t i = 0; i < mounts_.size(); ++i) {
        const HiveMount& mount = mounts_[i];
        defaultUser = defaultUser || (mount.underUsers && mount.keyName == ".DEFAULT");
        RegKey* root =
            tree_.Add(KeyId(static_cast<int>(i), mount.hive->Root()),
                      tree_.Find(mount.underUsers ? emulated::kUsersId : emulated::kLocalMachineId), mount.keyName);
        root->unread = true;
    }
    if (!defaultUser) tree_.Add(nextMadeId_--, tree_.Find(emulated::kUsersId), ".DEFAULT");
    hiveValues_.clear();
    undo_.clear();
    inBatch_ = false;
}

int HiveStore::MountOf(std::int64_t id) const {
    if (id <= emulated::kUsersId) return -1;
    const std::int64_t mount = (id >> kMountShift) - 1;
    return mount >= 0 && mount < static_cast<std::int64_t>(mounts_.size()) ? static_cast<int>(mount) : -1;
}

std::int64_t HiveStore::KeyId(int mount, hive_node_h node) const {
    return (static_cast<std::int64_t>(mount + 1) << kMountShift) | static_cast<std::int64_t>(node);
}

void HiveStore::Read(RegKey& key) {
    key.unread = false;
    const int mount = MountOf(key.id);
    if (mount < 0) return;
    hive_h* hive = mounts_[static_cast<std::size_t>(mount)].hive->Reader();
    const auto node = static_cast<hive_node_h>(key.id & kNodeMask);

    if (const std::unique_ptr<hive_node_h, Freed> children(hivex_node_children(hive, node)); children) {
        for (const hive_node_h* child = children.get(); *child != 0; ++child) {
            const std::unique_ptr<char, Freed> name(hivex_node_name(hive, *child));
            if (!name) continue;
            RegKey* added = tree_.Add(KeyId(mount, *child), &key, AnsiName(name.get()));
            added->unread = true;
        }
    }
    if (const std::unique_ptr<hive_value_h, Freed> values(hivex_node_values(hive, node)); values) {
        for (const hive_value_h* handle = values.get(); *handle != 0; ++handle) {
            const std::unique_ptr<char, Freed> name(hivex_value_key(hive, *handle));
            hive_type type = hive_t_none;
            std::size_t length = 0;
            const std::unique_ptr<char, Freed> data(hivex_value_value(hive, *handle, &type, &length));
            if (!name || (!data && length != 0)) continue;
            const std::int64_t id = nextValueId_++;
            hiveValues_.emplace(id, *handle);
            key.values.Set(id, AnsiName(name.get()), static_cast<std::uint32_t>(type),
                           AnsiData(type, data ? data.get() : "", length));
        }
    }
}

void HiveStore::Remember(Undo undo) {
    if (inBatch_) undo_.push_back(std::move(undo));
}

long HiveStore::CreatePath(std::int64_t parentId, const std::vector<std::string_view>& names, std::int64_t* createdId) {
    if (writeRefusal_ != kErrorSuccess) return writeRefusal_;
    RegKey* key = Ready(tree_.Find(parentId));
    if (key == nullptr) return kErrorKeyDeleted;
    for (std::string_view name : names) {
        if (RegKey* child = Ready(key->Child(UpperName(name)))) {
            key = child;
            continue;
        }
        key = tree_.Add(nextMadeId_--, key, std::string(name));
        Remember(Undo{Undo::Kind::kKeyMade, key->id, 0, {}, {}, {}});
    }
    *createdId = key->id;
    return kErrorSuccess;
}

long HiveStore::DeleteKey(std::int64_t keyId) {
    if (writeRefusal_ != kErrorSuccess) return writeRefusal_;
    RegKey* key = Ready(tree_.Find(keyId));
    if (key == nullptr) return kErrorKeyDeleted;
    if (!key->children.empty() || key->parent == nullptr) return kErrorAccessDenied;
    if (const int mount = MountOf(keyId); mount >= 0)
        mounts_[static_cast<std::size_t>(mount)].hive->DeleteKey(static_cast<hive_node_h>(keyId & kNodeMask));
    Remember({Undo::Kind::kKeyDeleted, keyId, key->parent->id, key->name, {}, key->values});
    tree_.Remove(key);
    return kErrorSuccess;
}

long HiveStore::SetValue(std::int64_t keyId, std::string_view name, std::uint32_t type, std::string_view data) {
    if (writeRefusal_ != kErrorSuccess) return writeRefusal_;
    RegKey* key = Ready(tree_.Find(keyId));
    if (key == nullptr) return kErrorKeyDeleted;
    if (const RegValue* existing = key->values.Find(name)) {
        // The value keeps its place (and its hive's value, which a later
        // delete then deletes); the new data is this run's only.
        Remember({Undo::Kind::kValueSet, keyId, 0, {}, *existing, {}});
        key->values.Set(existing->id, existing->name, type, data);
        return kErrorSuccess;
    }
    // A later id than any value read: it enumerates last, as on Windows.
    const std::int64_t id = nextValueId_++;
    key->values.Set(id, name, type, data);
    Remember(Undo{Undo::Kind::kValueAdded, keyId, 0, std::string(name), {}, {}});
    return kErrorSuccess;
}

long HiveStore::DeleteValue(std::int64_t keyId, std::string_view name) {
    if (writeRefusal_ != kErrorSuccess) return writeRefusal_;
    RegKey* key = Ready(tree_.Find(keyId));
    if (key == nullptr) return kErrorKeyDeleted;
    const RegValue* value = key->values.Find(name);
    if (value == nullptr) return kErrorFileNotFound;
    const int mount = MountOf(keyId);
    if (const auto inHive = hiveValues_.find(value->id); mount >= 0 && inHive != hiveValues_.end())
        mounts_[static_cast<std::size_t>(mount)].hive->DeleteValue(static_cast<hive_node_h>(keyId & kNodeMask),
                                                                   inHive->second);
    Remember({Undo::Kind::kValueDeleted, keyId, 0, {}, *value, {}});
    key->values.Erase(name);
    return kErrorSuccess;
}

long HiveStore::BeginBatch() {
    if (writeRefusal_ != kErrorSuccess) return writeRefusal_;
    if (inBatch_) return kErrorBusy;
    inBatch_ = true;
    undo_.clear();
    journalAtBatch_.clear();
    for (const HiveMount& mount : mounts_) journalAtBatch_.push_back(mount.hive->JournalSize());
    return kErrorSuccess;
}

long HiveStore::CommitBatch() {
    if (!inBatch_) return kErrorInvalidParameter;
    inBatch_ = false;
    undo_.clear();
    return kErrorSuccess;
}

void HiveStore::RollbackBatch() {
    if (!inBatch_) return;
    inBatch_ = false;
    for (auto undo = undo_.rbegin(); undo != undo_.rend(); ++undo) {
        RegKey* key = tree_.Find(undo->keyId);
        switch (undo->kind) {
            case Undo::Kind::kKeyMade:
                if (key != nullptr) tree_.Remove(key);
                break;
            case Undo::Kind::kKeyDeleted: {
                RegKey* restored = tree_.Add(undo->keyId, tree_.Find(undo->parentId), undo->name);
                restored->values = std::move(undo->values);
                break;
            }
            case Undo::Kind::kValueSet:
            case Undo::Kind::kValueDeleted:
                // Set again under its id, the value is back in its place.
                if (key != nullptr)
                    key->values.Set(undo->value.id, undo->value.name, undo->value.type, undo->value.data);
                break;
            case Undo::Kind::kValueAdded:
                if (key != nullptr) key->values.Erase(undo->name);
                break;
        }
    }
    undo_.clear();
    for (std::size_t i = 0; i < mounts_.size() && i < journalAtBatch_.size(); ++i)
        mounts_[i].hive->TruncateJournal(journalAtBatch_[i]);
}

long HiveStore::Save(std::string& problem) {
    problem.clear();
    std::vector<HiveFile*> changed;
    for (HiveMount& mount : mounts_)
        if (mount.hive->Changed()) changed.push_back(mount.hive.get());
    if (changed.empty()) return kErrorSuccess;
    if (writeRefusal_ != kErrorSuccess) {
        problem = "the installation may not be changed";
        return writeRefusal_;
    }

    // Every changed hive written beside itself first; only when all are,
    // each is put in place.
    for (HiveFile* hive : changed) {
        problem = hive->WriteNew();
        if (!problem.empty()) break;
    }
    if (problem.empty()) {
        StopIfAsked("before-rename");
        for (HiveFile* hive : changed) {
            const std::string failed = hive->PutInPlace(backup_);
            if (!failed.empty() && problem.empty()) problem = failed;
        }
    } else {
        problem += "; no hive was changed";
    }
    for (HiveFile* hive : changed) hive->DropNew();

    // What is on the disk now is read again: the deletions that were
    // saved, and none that were not.
    for (HiveFile* hive : changed) {
        const std::string reread = hive->Reload();
        if (!reread.empty() && problem.empty()) problem = reread;
    }
    Build();
    return problem.empty() ? kErrorSuccess : kErrorWriteFault;
}

}  // namespace platform::offline
