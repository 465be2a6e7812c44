// The Win32 registry calls on the emulated store.
#include "platform/registry_api.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/emulated/machine.h"
#include "platform/emulated/machine_layout.h"

namespace platform {

namespace {

using emulated::KeyStore;
using emulated::RegKey;

struct Resolved {
    long error = kErrorSuccess;
    KeyStore* store = nullptr;
    RegKey* key = nullptr;
    std::uint32_t access = kKeyAllAccess;
    bool predefined = false;
};

// The key path names below key, each key on the way reached through the
// store (which reads or loads it as it needs to).
RegKey* Walk(KeyStore& store, RegKey* key, std::string_view path) {
    thread_local std::string upper;
    while (key != nullptr && !path.empty()) {
        const std::size_t cut = path.find('\\');
        const std::string_view name = path.substr(0, cut);
        upper.assign(name);
        for (char& c : upper) c = static_cast<char>(UpperAnsi(static_cast<unsigned char>(c)));
        key = store.Child(key, upper);
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return key;
}

// The code of a load from the store that failed, else the given one.
long FaultOr(KeyStore& store, long code) {
    const long fault = store.TakeLoadFault();
    return fault != kErrorSuccess ? fault : code;
}

// The key a handle stands for, with the rights it was opened with.
Resolved Resolve(HKey handle) {
    Resolved result;
    result.store = emulated::UsableStore(&result.error);
    if (result.store == nullptr) return result;
    KeyStore& store = *result.store;
    result.predefined = true;
    switch (handle) {
        case kHkeyLocalMachine:
            result.key = store.Find(emulated::kLocalMachineId);
            break;
        case kHkeyUsers:
            result.key = store.Find(emulated::kUsersId);
            break;
        case kHkeyCurrentUser:
            result.key = Walk(store, store.Find(emulated::kUsersId), store.CurrentUserSid());
            break;
        case kHkeyClassesRoot:
            result.key = Walk(store, store.Find(emulated::kLocalMachineId), emulated::kClassesRootPath);
            break;
        case kHkeyCurrentConfig:
            result.key = Walk(store, store.Find(emulated::kLocalMachineId), emulated::kCurrentConfigPath);
            break;
        default: {
            result.predefined = false;
            const auto* entry = emulated::CurrentMachine().handles.Get(handle);
            if (entry == nullptr) {
                result.error = kErrorInvalidHandle;
                return result;
            }
            result.access = entry->access;
            result.key = store.Find(entry->keyId);
            if (result.key == nullptr) result.error = FaultOr(store, kErrorKeyDeleted);
            return result;
        }
    }
    if (result.key == nullptr) result.error = FaultOr(store, kErrorInvalidHandle);
    return result;
}

// Splits a subkey path into names: trailing backslashes are dropped, a
// leading one or an empty name in the middle is a bad path.
long SplitPath(std::string_view path, std::vector<std::string_view>* names) {
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) return kErrorSuccess;
    if (path.front() == '\\') return kErrorBadPathname;
    while (true) {
        const std::size_t cut = path.find('\\');
        const std::string_view name = path.substr(0, cut);
        if (name.empty()) return kErrorBadPathname;
        if (name.size() > kMaxKeyNameLength) return kErrorInvalidParameter;
        names->push_back(name);
        if (cut == std::string_view::npos) return kErrorSuccess;
        path.remove_prefix(cut + 1);
    }
}

long NeedAccess(const Resolved& key, std::uint32_t right) {
    if (key.error != kErrorSuccess) return key.error;
    return (key.access & right) == right ? kErrorSuccess : kErrorAccessDenied;
}

// Finds the subkey below parent: the key itself for an empty path.
long Locate(const Resolved& parent, std::string_view subKey, RegKey** found) {
    if (parent.error != kErrorSuccess) return parent.error;
    std::string_view path = subKey;
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (!path.empty() && path.front() == '\\') return kErrorBadPathname;
    *found = Walk(*parent.store, parent.key, path);
    return *found == nullptr ? FaultOr(*parent.store, kErrorFileNotFound) : kErrorSuccess;
}

}  // namespace

long RegOpenKey(HKey parent, const std::string& subKey, std::uint32_t access, HKey* result) {
    if (result == nullptr) return kErrorInvalidParameter;
    *result = 0;
    RegKey* key = nullptr;
    const long rc = Locate(Resolve(parent), subKey, &key);
    if (rc != kErrorSuccess) return rc;
    *result = emulated::CurrentMachine().handles.Add(key->id, access);
    return kErrorSuccess;
}

long RegCreateKey(HKey parent, const std::string& subKey, std::uint32_t access, HKey* result) {
    if (result == nullptr) return kErrorInvalidParameter;
    *result = 0;
    const Resolved base = Resolve(parent);
    if (base.error != kErrorSuccess) return base.error;
    std::vector<std::string_view> names;
    if (const long rc = SplitPath(subKey, &names); rc != kErrorSuccess) return rc;

    // Walk what exists; only the rest needs a transaction.
    RegKey* key = base.key;
    std::size_t existing = 0;
    for (; existing < names.size(); ++existing) {
        RegKey* child = Walk(*base.store, key, names[existing]);
        if (child == nullptr) break;
        key = child;
    }
    if (const long fault = base.store->TakeLoadFault(); fault != kErrorSuccess) return fault;
    std::int64_t id = key->id;
    if (existing < names.size()) {
        // Below HKEY_LOCAL_MACHINE only the fixed hives exist; a key right
        // below HKEY_USERS stands for one more loaded user hive.
        if (key->id == emulated::kLocalMachineId) return kErrorAccessDenied;
        names.erase(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(existing));
        if (const long rc = base.store->CreatePath(key->id, names, &id); rc != kErrorSuccess) return rc;
    }
    *result = emulated::CurrentMachine().handles.Add(id, access);
    return kErrorSuccess;
}

long RegCloseKey(HKey key) {
    if (key >= kHkeyClassesRoot && key <= kHkeyDynData) return kErrorSuccess;
    return emulated::CurrentMachine().handles.Remove(key) ? kErrorSuccess : kErrorInvalidHandle;
}

long RegQueryValue(HKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                   std::uint32_t* size) {
    const Resolved resolved = Resolve(key);
    if (const long rc = NeedAccess(resolved, kKeyQueryValue); rc != kErrorSuccess) return rc;
    if (data != nullptr && size == nullptr) return kErrorInvalidParameter;
    const emulated::RegValue* value = resolved.store->Values(resolved.key).Find(valueName);
    if (value == nullptr) return FaultOr(*resolved.store, kErrorFileNotFound);
    if (type != nullptr) *type = value->type;
    const auto length = static_cast<std::uint32_t>(value->data.size());
    if (data != nullptr && *size < length) {
        *size = length;
        return kErrorMoreData;
    }
    if (data != nullptr) std::memcpy(data, value->data.data(), length);
    if (size != nullptr) *size = length;
    return kErrorSuccess;
}

long RegSetValue(HKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                 std::uint32_t size) {
    const Resolved resolved = Resolve(key);
    if (const long rc = NeedAccess(resolved, kKeySetValue); rc != kErrorSuccess) return rc;
    if (valueName.size() > kMaxValueNameLength) return kErrorInvalidParameter;
    if (data == nullptr && size != 0) return kErrorInvalidParameter;
    const std::string_view bytes(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size);
    return resolved.store->SetValue(resolved.key->id, valueName, type, bytes);
}

long RegDeleteValue(HKey key, const std::string& valueName) {
    const Resolved resolved = Resolve(key);
    if (const long rc = NeedAccess(resolved, kKeySetValue); rc != kErrorSuccess) return rc;
    return resolved.store->DeleteValue(resolved.key->id, valueName);
}

long RegDeleteKey(HKey parent, const std::string& subKey) {
    const Resolved base = Resolve(parent);
    RegKey* key = nullptr;
    if (const long rc = Locate(base, subKey, &key); rc != kErrorSuccess) return rc;
    // Roots and hives cannot be deleted.
    if (key->parent == nullptr || key->parent->parent == nullptr) return kErrorAccessDenied;
    if (base.predefined && key == base.key) return kErrorAccessDenied;
    if (!base.store->WithChildren(key).children.empty()) return kErrorAccessDenied;
    return base.store->DeleteKey(key->id);
}

long RegEnumKey(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLength) {
    const Resolved resolved = Resolve(key);
    if (const long rc = NeedAccess(resolved, kKeyEnumerateSubKeys); rc != kErrorSuccess) return rc;
    if (name == nullptr || nameLength == nullptr) return kErrorInvalidParameter;
    const RegKey* child = resolved.store->WithChildren(resolved.key).ChildAt(index);
    if (child == nullptr) return FaultOr(*resolved.store, kErrorNoMoreItems);
    if (child->name.size() >= *nameLength) return kErrorMoreData;
    std::memcpy(name, child->name.c_str(), child->name.size() + 1);
    *nameLength = static_cast<std::uint32_t>(child->name.size());
    return kErrorSuccess;
}

long RegEnumValue(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                  std::uint8_t* data, std::uint32_t* dataSize) {
    const Resolved resolved = Resolve(key);
    if (const long rc = NeedAccess(resolved, kKeyQueryValue); rc != kErrorSuccess) return rc;
    if (name == nullptr || nameLength == nullptr) return kErrorInvalidParameter;
    if (data != nullptr && dataSize == nullptr) return kErrorInvalidParameter;
    const emulated::RegValue* at = resolved.store->Values(resolved.key).At(index);
    if (at == nullptr) return FaultOr(*resolved.store, kErrorNoMoreItems);
    const emulated::RegValue& value = *at;
    const auto length = static_cast<std::uint32_t>(value.data.size());
    if (value.name.size() >= *nameLength) return kErrorMoreData;
    if (data != nullptr && *dataSize < length) {
        *dataSize = length;
        return kErrorMoreData;
    }
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    *nameLength = static_cast<std::uint32_t>(value.name.size());
    if (type != nullptr) *type = value.type;
    if (data != nullptr) std::memcpy(data, value.data.data(), length);
    if (dataSize != nullptr) *dataSize = length;
    return kErrorSuccess;
}

long RegQueryInfoKey(HKey key, KeyInfo* info) {
    const Resolved resolved = Resolve(key);
    if (const long rc = NeedAccess(resolved, kKeyQueryValue); rc != kErrorSuccess) return rc;
    if (info == nullptr) return kErrorInvalidParameter;
    KeyInfo result;
    const RegKey& listed = resolved.store->WithChildren(resolved.key);
    const emulated::ValueList& values = resolved.store->Values(resolved.key);
    if (const long fault = resolved.store->TakeLoadFault(); fault != kErrorSuccess) return fault;
    result.subKeys = static_cast<std::uint32_t>(listed.children.size());
    for (const auto& [upper, child] : listed.children)
        result.maxSubKeyLength = std::max(result.maxSubKeyLength, static_cast<std::uint32_t>(child->name.size()));
    result.values = static_cast<std::uint32_t>(values.Size());
    for (const auto& [id, value] : values) {
        result.maxValueNameLength = std::max(result.maxValueNameLength, static_cast<std::uint32_t>(value.name.size()));
        result.maxValueLength = std::max(result.maxValueLength, static_cast<std::uint32_t>(value.data.size()));
    }
    *info = result;
    return kErrorSuccess;
}

RegistryBatch::RegistryBatch() {
    if (emulated::KeyStore* store = emulated::UsableStore(&status_)) status_ = store->BeginBatch();
    open_ = status_ == kErrorSuccess;
}

RegistryBatch::~RegistryBatch() {
    if (open_) emulated::ActiveStore().RollbackBatch();
}

long RegistryBatch::Commit() {
    if (!open_) return status_ != kErrorSuccess ? status_ : kErrorInvalidParameter;
    open_ = false;
    return emulated::ActiveStore().CommitBatch();
}

long SaveRegistryChanges(std::string& problem) {
    problem.clear();
    long status = kErrorSuccess;
    emulated::KeyStore* store = emulated::UsableStore(&status);
    if (store == nullptr) return status;
    return store->Save(problem);
}

}  // namespace platform
