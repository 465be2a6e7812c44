#include "registry/reg_import.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "registry/key_contents.h"
#include "registry/win32_error_text.h"

namespace registry {
namespace {

using platform::HKey;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Describe(const RegOperation& operation) {
    const std::string key = FullKeyName(operation.key);
    const std::string value =
        operation.valueName.empty() ? "the default value" : "value " + Quoted(operation.valueName);
    switch (operation.kind) {
        case RegOperation::Kind::kCreateKey:
            return "cannot create key " + key;
        case RegOperation::Kind::kDeleteKeyTree:
            return "cannot delete key " + key;
        case RegOperation::Kind::kSetValue:
            return "cannot set " + value + " of " + key;
        case RegOperation::Kind::kDeleteValue:
            return "cannot delete " + value + " of " + key;
    }
    return "";
}

// Applies one operation after another, keeping the last key open: a .reg
// file sets many values of one key in a row.
class Applier {
public:
    Applier() = default;
    Applier(const Applier&) = delete;
    Applier& operator=(const Applier&) = delete;
    ~Applier() { Release(); }

    long Apply(const RegOperation& operation) {
        switch (operation.kind) {
            case RegOperation::Kind::kCreateKey: {
                HKey key = 0;
                return Open(operation.key, key);
            }
            case RegOperation::Kind::kDeleteKeyTree: {
                Release();
                const long status = DeleteKeyTree(operation.key.root, operation.key.path);
                return status == platform::kErrorFileNotFound ? platform::kErrorSuccess : status;
            }
            case RegOperation::Kind::kSetValue: {
                HKey key = 0;
                const long status = Open(operation.key, key);
                if (status != platform::kErrorSuccess) return status;
                return platform::RegSetValue(key, operation.valueName, operation.type,
                                             reinterpret_cast<const std::uint8_t*>(operation.data.data()),
                                             static_cast<std::uint32_t>(operation.data.size()));
            }
            case RegOperation::Kind::kDeleteValue: {
                HKey key = 0;
                const long status = Open(operation.key, key);
                if (status != platform::kErrorSuccess) return status;
                const long deleted = platform::RegDeleteValue(key, operation.valueName);
                return deleted == platform::kErrorFileNotFound ? platform::kErrorSuccess : deleted;
            }
        }
        return platform::kErrorInvalidParameter;
    }

    void Release() {
        if (handle_ != 0) platform::RegCloseKey(handle_);
        handle_ = 0;
    }

private:
    // Creates the key when it is missing, as regedit does for [KEY] lines.
    long Open(const KeyName& key, HKey& handle) {
        if (handle_ == 0 || key.root != root_ || key.path != path_) {
            Release();
            const long status = platform::RegCreateKey(key.root, key.path, platform::kKeyAllAccess, &handle_);
            if (status != platform::kErrorSuccess) {
                handle_ = 0;
                return status;
            }
            root_ = key.root;
            path_ = key.path;
        }
        handle = handle_;
        return platform::kErrorSuccess;
    }

    HKey handle_ = 0;
    HKey root_ = 0;
    std::string path_;
};

}  // namespace

long DeleteKeyTree(HKey parent, const std::string& subKey) {
    // A stack of open keys instead of recursion: a tree may nest hundreds
    // of levels deep.
    struct Level {
        HKey key = 0;
        std::string name;
        std::vector<std::string> children;  // still to delete, last first
    };
    std::vector<Level> levels;
    auto descend = [&levels](HKey from, const std::string& name) {
        Level level;
        level.name = name;
        long status = platform::RegOpenKey(from, name, platform::kKeyAllAccess, &level.key);
        if (status != platform::kErrorSuccess) return status;
        status = ListSubKeys(level.key, level.children);
        std::reverse(level.children.begin(), level.children.end());
        levels.push_back(std::move(level));
        return status;
    };
    long status = descend(parent, subKey);
    while (status == platform::kErrorSuccess && !levels.empty()) {
        Level& top = levels.back();
        if (!top.children.empty()) {
            const std::string child = std::move(top.children.back());
            top.children.pop_back();
            status = descend(top.key, child);
            continue;
        }
        platform::RegCloseKey(top.key);
        const std::string name = std::move(top.name);
        levels.pop_back();
        status = platform::RegDeleteKey(levels.empty() ? parent : levels.back().key, name);
    }
    for (const Level& level : levels) platform::RegCloseKey(level.key);
    return status;
}

std::string ApplyOperations(const std::vector<RegOperation>& operations) {
    platform::RegistryBatch batch;
    if (batch.Status() != platform::kErrorSuccess) {
        return "cannot change the registry: " + Win32ErrorText(batch.Status());
    }
    {
        Applier applier;
        for (const RegOperation& operation : operations) {
            const long status = applier.Apply(operation);
            if (status == platform::kErrorSuccess) continue;
            const std::string where = operation.line > 0 ? "line " + std::to_string(operation.line) + ": " : "";
            return where + Describe(operation) + ": " + Win32ErrorText(status);
        }
    }
    const long committed = batch.Commit();
    if (committed != platform::kErrorSuccess) {
        return "cannot save the changes to the registry: " + Win32ErrorText(committed);
    }
    return "";
}

}  // namespace registry
