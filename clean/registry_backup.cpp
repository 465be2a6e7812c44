#include "clean/registry_backup.h"

#include <vector>

#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/mod_registry.h"
#include "registry/reg_export.h"
#include "registry/reg_key_name.h"

namespace clean {

namespace {

std::string WithoutFinalSeparators(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// The key that a row names: its own key for a value row, parent and name
// for a key row. Empty when the root is no registry hive.
std::string RowKey(const DetectedItem& row, registry::KeyName& key) {
    const platform::HKey root = modRegistry::ResolveRoot(row.mainkey);
    if (root == 0 || root == modRegistry::kIniRoot) {
        return "cannot back up \"" + row.label + "\": " + row.mainkey + " is no registry hive";
    }
    key.root = root;
    key.path = WithoutFinalSeparators(row.subkey);
    if (row.kind == "Key") key.path += (key.path.empty() ? "" : "\\") + row.value;
    return "";
}

// Runs work on the opened key; false when the key does not exist.
template <class Work>
bool WithKey(const registry::KeyName& key, Work work) {
    platform::HKey handle = 0;
    if (platform::RegOpenKey(key.root, key.path, platform::kKeyRead, &handle) != platform::kErrorSuccess) return false;
    work(handle);
    platform::RegCloseKey(handle);
    return true;
}

}  // namespace

bool KeyRowStays(const DetectedItem& row) {
    registry::KeyName key;
    if (row.kind != "Key" || !RowKey(row, key).empty()) return false;
    std::vector<std::string> subkeys;
    WithKey(key, [&](platform::HKey handle) { registry::ListSubKeys(handle, subkeys); });
    return !subkeys.empty();
}

std::string BackUpRegistryRows(const DetectedItems& store, std::string& text) {
    registry::AppendRegFileHeader(text);
    std::string sectionOf;  // the key whose section the last value went into
    for (std::size_t index = 0; index < store.RowCount(); ++index) {
        const DetectedItem row = store.Row(index);
        const bool value = row.kind == "Value";
        if (!value && (row.kind != "Key" || row.value.empty() || KeyRowStays(row))) continue;
        registry::KeyName key;
        if (std::string fault = RowKey(row, key); !fault.empty()) return fault;
        const std::string fullName = registry::FullKeyName(key);

        if (!value) {
            if (!sectionOf.empty()) text += "\n";  // ends the section of the values before
            sectionOf.clear();
            std::string fault;
            WithKey(key, [&](platform::HKey) { fault = registry::ExportKey(key, text); });
            if (!fault.empty()) return fault;
            continue;
        }
        registry::ValueEntry entry;
        long found = platform::kErrorFileNotFound;
        WithKey(key, [&](platform::HKey handle) { found = registry::QueryValueEntry(handle, row.value, entry); });
        if (found != platform::kErrorSuccess) continue;
        if (sectionOf != fullName) {
            if (!sectionOf.empty()) text += "\n";
            text += "[" + fullName + "]\n";
            sectionOf = fullName;
        }
        if (!registry::AppendRegValueLines(text, entry.name, entry.type, entry.data)) {
            return "cannot back up \"" + row.label + "\": a .reg file cannot hold its value name";
        }
    }
    if (!sectionOf.empty()) text += "\n";
    return "";
}

}  // namespace clean
