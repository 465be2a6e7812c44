#include "clean/item_place.h"

#include <string_view>
#include <unordered_set>

#include "platform/ansi_case.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"

namespace clean {

namespace {

// Appends the non-empty components of a path split at '\' (and '/' where
// slashes separate too), upper-cased.
void AppendComponents(std::string_view path, bool slashSeparates, std::vector<std::string>& out) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        const bool end = i == path.size() || path[i] == '\\' || (slashSeparates && path[i] == '/');
        if (!end) continue;
        if (i > start) out.push_back(platform::UpperName(path.substr(start, i - start)));
        start = i + 1;
    }
}

// The root of a registry row as the key it stands for.
bool AppendRoot(const std::string& mainkey, const std::string& currentUserSid, std::vector<std::string>& out) {
    switch (modRegistry::ResolveRoot(mainkey)) {
        case platform::kHkeyCurrentUser:
            out.push_back("HKEY_USERS");
            AppendComponents(currentUserSid, false, out);
            return true;
        case platform::kHkeyUsers:
            out.push_back("HKEY_USERS");
            return true;
        case platform::kHkeyClassesRoot:
            AppendComponents("HKEY_LOCAL_MACHINE\\SOFTWARE\\CLASSES", false, out);
            return true;
        case platform::kHkeyCurrentConfig:
            AppendComponents("HKEY_LOCAL_MACHINE\\SYSTEM\\CURRENTCONTROLSET\\HARDWARE PROFILES\\CURRENT", false, out);
            return true;
        case platform::kHkeyLocalMachine:
            out.push_back("HKEY_LOCAL_MACHINE");
            return true;
        case 0:
            return false;
        default:  // an INI file, or a root of its own
            out.push_back("ROOT:" + platform::UpperName(mainkey));
            return true;
    }
}

}  // namespace

std::string ItemPlace::Text() const {
    std::string text;
    for (const std::string& component : path) text += component + '\\';
    if (isValue) text += '\0' + valueName;
    return text;
}

ItemPlace PlaceOf(const scan::DetectedItem& row, const std::string& currentUserSid) {
    ItemPlace place;
    if (row.Kind() == scan::ItemKind::kValue || (row.Kind() == scan::ItemKind::kKey && !row.value.empty())) {
        if (!AppendRoot(row.mainkey, currentUserSid, place.path)) return {};
        AppendComponents(row.subkey, false, place.path);
        if (row.Kind() == scan::ItemKind::kKey) {
            // A subkey name holds no separator; one that did would name a
            // deeper key, which is the key RegDeleteKey would take.
            AppendComponents(row.value, false, place.path);
        } else {
            place.isValue = true;
            place.valueName = platform::UpperName(row.value);
        }
    } else if (row.Kind() == scan::ItemKind::kFolder || row.Kind() == scan::ItemKind::kFile) {
        place.path.push_back("FILE");
        AppendComponents(row.mainkey, true, place.path);
    }
    return place;
}

std::vector<bool> RowsKeptForUncheckedTwin(const scan::DetectedItems& store, const std::string& currentUserSid) {
    const std::size_t rows = store.RowCount();
    std::vector<bool> kept(rows, false);
    std::unordered_set<std::string> unchecked;  // the places of unchecked rows
    std::unordered_set<std::string> holders;    // every key and folder around them
    std::vector<ItemPlace> places(rows);
    bool anyUnchecked = false;
    for (std::size_t row = 0; row < rows; ++row) {
        if (store.Checked(row)) continue;
        anyUnchecked = true;
        const ItemPlace place = PlaceOf(store.Row(row), currentUserSid);
        if (place.path.empty()) continue;
        unchecked.insert(place.Text());
        ItemPlace around{place.path, false, {}};
        if (!place.isValue) around.path.pop_back();
        for (; !around.path.empty(); around.path.pop_back()) {
            if (!holders.insert(around.Text()).second) break;  // its holders are in already
        }
    }
    if (!anyUnchecked) return kept;
    for (std::size_t row = 0; row < rows; ++row) {
        if (!store.Checked(row)) continue;
        const ItemPlace place = PlaceOf(store.Row(row), currentUserSid);
        if (place.path.empty()) continue;
        const std::string text = place.Text();
        kept[row] = unchecked.contains(text) || (!place.isValue && holders.contains(text));
    }
    return kept;
}

}  // namespace clean
