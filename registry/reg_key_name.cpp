#include "registry/reg_key_name.h"

#include <array>
#include <algorithm>
#include <cctype>

namespace registry {
namespace {

struct RootNames {
    platform::HKey root;
    std::string_view longName;
    std::string_view shortName;
};

constexpr std::array<RootNames, 5> kRoots = {{
    {platform::kHkeyLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {platform::kHkeyCurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {platform::kHkeyUsers, "HKEY_USERS", "HKU"},
    {platform::kHkeyClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {platform::kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ParseKeyName(std::string_view text, KeyName& key) {
    const std::size_t slash = text.find('\\');
    const std::string_view rootName = text.substr(0, slash);
    key = KeyName{};
    for (const RootNames& names : kRoots) {
        if (EqualsIgnoringCase(rootName, names.longName) || EqualsIgnoringCase(rootName, names.shortName)) {
            key.root = names.root;
        }
    }
    if (key.root == 0) return "unknown root key \"" + std::string(rootName) + "\"";
    if (slash == std::string_view::npos) return "";

    std::string_view path = text.substr(slash + 1);
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    std::size_t depth = 0;
    for (std::size_t start = 0; !path.empty();) {
        if (++depth > platform::kMaxKeyDepth) {
            return "key nested more than " + std::to_string(platform::kMaxKeyDepth) + " levels deep";
        }
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::string_view component = path.substr(start, end - start);
        if (component.empty()) return "empty key name component in \"" + std::string(text) + "\"";
        if (component.size() > platform::kMaxKeyNameLength) {
            return "key name component of " + std::to_string(component.size()) + " characters (255 at most)";
        }
        if (end == path.size()) break;
        start = end + 1;
    }
    key.path = std::string(path);
    return "";
}

std::string RootLongName(platform::HKey root) {
    for (const RootNames& names : kRoots) {
        if (names.root == root) return std::string(names.longName);
    }
    return "";
}

std::string FullKeyName(const KeyName& key) {
    std::string name = RootLongName(key.root);
    if (!key.path.empty()) name += "\\" + key.path;
    return name;
}

}  // namespace registry
