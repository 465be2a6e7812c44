#include "scan/registry_row.h"

#include <array>
#include <cstdint>
#include <vector>

#include "registry/key_contents.h"
#include "registry/mod_registry.h"
#include "registry/reg_export.h"

namespace scan {

std::string RowKeyName(const DetectedItem& row, registry::KeyName& key) {
    const platform::HKey root = modRegistry::ResolveRoot(row.mainkey);
    if (root == 0 || root == modRegistry::kIniRoot) return row.mainkey + " is no registry hive";
    key.root = root;
    key.path = row.subkey;
    while (!key.path.empty() && key.path.back() == '\\') key.path.pop_back();
    if (row.Kind() == ItemKind::kKey) key.path += (key.path.empty() ? "" : "\\") + row.value;
    return "";
}

bool RegistryItemPresent(const DetectedItem& row) {
    registry::KeyName key;
    if (!RowKeyName(row, key).empty()) return true;
    bool present = false;
    const bool opened = WithOpenKey(key, [&](platform::HKey handle) {
        present = row.Kind() != ItemKind::kValue ||
                  platform::RegQueryValue(handle, row.value, nullptr, nullptr, nullptr) == platform::kErrorSuccess;
    });
    return opened && present;
}

std::string ItemSnapshot(const DetectedItem& row) {
    registry::KeyName key;
    if ((row.Kind() != ItemKind::kValue && row.Kind() != ItemKind::kKey) || !RowKeyName(row, key).empty()) return {};
    std::string snapshot;
    WithOpenKey(key, [&](platform::HKey handle) {
        if (row.Kind() == ItemKind::kKey) {
            if (!registry::ExportKey(key, snapshot).empty()) snapshot.clear();
            return;
        }
        // Most data fits here and takes one query.
        std::array<std::uint8_t, 256> small;
        std::uint32_t type = 0;
        std::uint32_t size = small.size();
        const long status = platform::RegQueryValue(handle, row.value, &type, small.data(), &size);
        if (status == platform::kErrorSuccess) {
            snapshot.reserve(sizeof type + size);
            snapshot.assign(reinterpret_cast<const char*>(&type), sizeof type);
            snapshot.append(reinterpret_cast<const char*>(small.data()), size);
            return;
        }
        registry::ValueEntry entry;
        if (status != platform::kErrorMoreData ||
            registry::QueryValueEntry(handle, row.value, entry) != platform::kErrorSuccess)
            return;
        snapshot.assign(reinterpret_cast<const char*>(&entry.type), sizeof entry.type);
        snapshot += entry.data;
    });
    return snapshot;
}

bool KeyRowStays(const DetectedItem& row) {
    registry::KeyName key;
    if (row.Kind() != ItemKind::kKey || !RowKeyName(row, key).empty()) return false;
    std::vector<std::string> subkeys;
    WithOpenKey(key, [&](platform::HKey handle) { registry::ListSubKeys(handle, subkeys); });
    return !subkeys.empty();
}

}  // namespace scan
