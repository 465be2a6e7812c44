#include "scan/enumerated_lists.h"

#include <cstdint>
#include <span>
#include <string_view>

#include "scan/catalogue_interpreter.h"
#include "scan/subkey_list.h"

namespace scan {

// Rows are written as the catalogue tables write them, with the notation
// opened in each function that builds them:
// {Group, Root, Key, Value, Type, Range, Label, Count, Notes}
using catalogue::Root;
using catalogue::Row;

namespace {

std::int32_t ClassKey(const char* root) {
    return std::string_view(root) == "HKU" ? kClassKeyUsers : kClassKeyCurrentUser;
}

}  // namespace

catalogue::Piece Literal(const std::string& text) {
    catalogue::Piece piece;
    piece.text = text;
    return piece;
}

std::vector<UserRegistry> UserRegistries(const ScanContext& ctx) {
    std::vector<UserRegistry> users{{"HKCU", "", "Software\\Classes\\", ""}};
    const std::vector<std::string>& hives = ctx.window.EnumList;
    for (std::size_t index = 0; index < hives.size(); ++index) {
        users.push_back({"HKU", hives[index] + "\\", hives[index] + "_Classes\\", " {" + std::to_string(index) + "}"});
    }
    return users;
}

std::vector<std::string> Subkeys(ScanContext& ctx, const char* root, const std::string& path) {
    return ListSubkeys(ctx.window.registry, ClassKey(root), path);
}

void ScanMruListEx(ScanContext& ctx, const char* root, const std::string& key, const std::string& label) {
    const std::string main = label + " - MAIN";
    const std::string entry = label + " - ";
    using namespace catalogue::notation;
    const Row rows[] = {
        {_, Root{root}, {Literal(key)}, {"MRUListEx"}, BB, _, {Literal(main)}, list, _},
        {_, Root{root}, {Literal(key)}, {n}, BB, N(0, 249), {Literal(entry), n}, item, _},
    };
    RunCatalogue(ctx, rows);
}

void ScanEveryValue(ScanContext& ctx, const char* root, const std::string& key, const std::string& label) {
    cRegistry& registry = ctx.window.registry;
    registry.SetClassKey(ClassKey(root));
    registry.SetSectionKey(key);
    std::vector<std::string> names;
    std::int32_t count = 0;
    registry.EnumerateValues(names, count);
    for (std::int32_t index = 1; index <= count; ++index) {
        const std::string& name = names[static_cast<std::size_t>(index)];
        const std::string entry = label + " - " + name;
        using namespace catalogue::notation;
        const Row row{_, Root{root}, {Literal(key)}, {Literal(name)}, BB, _, {Literal(entry)}, item, _};
        RunCatalogue(ctx, std::span(&row, 1));
    }
}

void ScanKeyTree(ScanContext& ctx, const char* root, const std::string& parent, const std::string& name,
                 const std::string& label, catalogue::Count count) {
    const std::string path = parent + name;
    const std::string inner = path + "\\";
    for (const std::string& child : Subkeys(ctx, root, path)) {
        ScanKeyTree(ctx, root, inner, child, label + name + "\\", count);
    }
    const std::string labelled = label + name;
    using namespace catalogue::notation;
    const Row row{
        _, Root{root}, {Literal(path)}, _, key, _, {Literal(labelled)}, count, Key({Literal(parent)}, {Literal(name)})};
    RunCatalogue(ctx, std::span(&row, 1));
}

}  // namespace scan
