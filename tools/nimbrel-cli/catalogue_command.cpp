#include "tools/nimbrel-cli/catalogue_command.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "scan/catalogue_places.h"
#include "scan/extension_table.h"

namespace cli {
namespace {

constexpr const char* kPlaceholders[][2] = {
    {"n", "the loop number, in decimal"},
    {"x", "a letter of the letter table a to z, {, | and }"},
    {"e", "a file extension of the extension table"},
    {"h", "the name of a user hive under HKEY_USERS"},
    {"i", "the index of that hive in the hive list, from 0"},
};

void PrintTsv(const std::vector<scan::CataloguePlace>& places) {
    std::cout << "step\tcategory\ttable\troot\tkey\tvalue\ttype\trange\tlabel\tcount\tcondition\trecords\n";
    for (const scan::CataloguePlace& place : places) {
        std::cout << place.step;
        for (const std::string* field :
             {&place.category, &place.table, &place.root, &place.key, &place.value, &place.type, &place.range,
              &place.label, &place.count, &place.condition, &place.records}) {
            std::cout << '\t' << TsvField(*field);
        }
        std::cout << '\n';
    }
}

void PrintJson(const std::vector<scan::CataloguePlace>& places) {
    nlohmann::ordered_json placeholders = nlohmann::ordered_json::object();
    for (const auto& [name, meaning] : kPlaceholders) placeholders[name] = meaning;
    nlohmann::ordered_json extensions = nlohmann::ordered_json::array();
    for (int index = 1; index <= scan::kExtensionCount; ++index) {
        extensions.push_back(ConsoleText(scan::Extension(index)));
    }
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const scan::CataloguePlace& place : places) {
        rows.push_back({{"step", place.step},
                        {"category", place.category},
                        {"table", place.table},
                        {"root", place.root},
                        {"key", ConsoleText(place.key)},
                        {"value", ConsoleText(place.value)},
                        {"type", place.type},
                        {"range", ConsoleText(place.range)},
                        {"label", ConsoleText(place.label)},
                        {"count", place.count},
                        {"condition", place.condition},
                        {"records", ConsoleText(place.records)}});
    }
    const nlohmann::ordered_json result = {
        {"placeholders", placeholders}, {"extensions", extensions}, {"places", rows}};
    std::cout << result.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// One block per table, one or two lines per place:
//   HKCU\key : value (type, range) -> label [count]
//       condition; records
void PrintText(const std::vector<scan::CataloguePlace>& places) {
    std::cout << "Placeholders:";
    for (const auto& [name, meaning] : kPlaceholders) std::cout << "\n  <" << name << ">  " << meaning;
    std::cout << "\n  (the extensions are listed by \"nimbrel-cli catalogue --format json\")\n";
    std::string table;
    for (const scan::CataloguePlace& place : places) {
        if (place.table != table) {
            table = place.table;
            std::cout << "\nStep " << place.step << ", " << (place.category.empty() ? "always" : place.category) << ": "
                      << table << '\n';
        }
        std::cout << "  " << place.root << '\\' << ConsoleText(place.key);
        if (place.type != "key") std::cout << " : " << (place.value.empty() ? "(unnamed)" : ConsoleText(place.value));
        std::cout << " (" << place.type << (place.range.empty() ? "" : ", " + ConsoleText(place.range)) << ")";
        if (!place.label.empty()) std::cout << " -> " << ConsoleText(place.label) << " [" << place.count << "]";
        std::string notes = place.condition;
        if (!place.records.empty() && place.records != "value") {
            notes += (notes.empty() ? "records the " : "; records the ") + ConsoleText(place.records);
        }
        if (!notes.empty()) std::cout << "\n      " << notes;
        std::cout << '\n';
    }
}

int RunCatalogue(const std::string& format) {
    const std::vector<scan::CataloguePlace> places = scan::CataloguePlaces();
    if (format == "json") {
        PrintJson(places);
    } else if (format == "tsv") {
        PrintTsv(places);
    } else {
        PrintText(places);
    }
    std::cout.flush();
    return std::cout ? kExitOk : ReportFailure("cannot write the catalogue");
}

}  // namespace

void AddCatalogueCommand(CLI::App& app, CommandAction& action) {
    auto format = std::make_shared<std::string>("text");
    CLI::App* catalogue = app.add_subcommand(
        "catalogue", "List every place the catalogue can probe, with its category and label; nothing is read");
    catalogue->add_option("--format", *format, "Output: text (the default), json or tsv")
        ->check(CLI::IsMember({"text", "json", "tsv"}));
    catalogue->callback([&action, format] { action = [format] { return RunCatalogue(*format); }; });
}

}  // namespace cli
