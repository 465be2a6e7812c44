#include "platform/offline/hive_reading.h"

#include <cstdlib>
#include <memory>

#include "platform/ansi_codepage.h"

namespace platform::offline {

namespace {

struct Freed {
    void operator()(void* p) const { std::free(p); }
};

}  // namespace

hive_node_h NodeAt(hive_h* hive, hive_node_h node, std::string_view path) {
    while (node != 0 && !path.empty()) {
        const std::size_t cut = path.find('\\');
        const std::string name = AnsiToUtf8(path.substr(0, cut));
        if (!name.empty()) node = hivex_node_get_child(hive, node, name.c_str());
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return node;
}

std::vector<std::pair<std::string, hive_node_h>> Subkeys(hive_h* hive, hive_node_h node) {
    std::vector<std::pair<std::string, hive_node_h>> subkeys;
    const std::unique_ptr<hive_node_h, Freed> children(hivex_node_children(hive, node));
    if (!children) return subkeys;
    for (const hive_node_h* child = children.get(); *child != 0; ++child) {
        const std::unique_ptr<char, Freed> name(hivex_node_name(hive, *child));
        if (name) subkeys.emplace_back(Utf8ToAnsi(name.get()), *child);
    }
    return subkeys;
}

std::optional<std::string> TextValue(hive_h* hive, hive_node_h node, const char* name) {
    if (node == 0) return std::nullopt;
    const hive_value_h value = hivex_node_get_value(hive, node, name);
    if (value == 0) return std::nullopt;
    hive_type type = hive_t_none;
    std::size_t length = 0;
    if (hivex_value_type(hive, value, &type, &length) != 0 || (type != hive_t_REG_SZ && type != hive_t_REG_EXPAND_SZ))
        return std::nullopt;
    const std::unique_ptr<char, Freed> text(hivex_value_string(hive, value));
    if (!text) return std::nullopt;
    return Utf8ToAnsi(text.get());
}

}  // namespace platform::offline
