// nimbrel-cli catalogue, run as a process: the places it lists are where a
// scan probes, and its three formats list the same places.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "scan/catalogue_tables.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/tsv_fields.h"

namespace {

using testing_support::ProgramRun;
using testing_support::RunProgram;

constexpr const char* kFields[] = {"step", "category", "table", "root",  "key",       "value",
                                   "type", "range",    "label", "count", "condition", "records"};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Whether text is what pattern stands for: <n> and <i> digits, <x> one
// letter of the letter table, <e> and <h> a name without a backslash.
bool Matches(std::string_view pattern, std::string_view text) {
    if (pattern.size() >= 3 && pattern[0] == '<' && pattern[2] == '>') {
        const char slot = pattern[1];
        const std::string_view rest = pattern.substr(3);
        if (slot == 'x') return !text.empty() && text[0] >= 'a' && text[0] <= '}' && Matches(rest, text.substr(1));
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const char c = text[length - 1];
            if (slot == 'n' || slot == 'i' ? std::isdigit(static_cast<unsigned char>(c)) == 0 : c == '\\') break;
            if (Matches(rest, text.substr(length))) return true;
        }
        return false;
    }
    if (pattern.empty()) return text.empty();
    return !text.empty() && pattern[0] == text[0] && Matches(pattern.substr(1), text.substr(1));
}

// One probe of the trace: "routine\troot\tkey\tvalue\ttype\toutcome".
struct Probe {
    std::string routine, root, key, value, type;
    bool operator<(const Probe& other) const { return key < other.key; }
};

class CliCatalogueTest : public ::testing::Test {
protected:
    ProgramRun Cli(const std::vector<std::string>& arguments) { return RunProgram(NIMBREL_CLI, arguments); }

    nlohmann::json Places() {
        const ProgramRun run = Cli({"catalogue", "--format", "json"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return nlohmann::json::parse(run.out).at("places");
    }

    // The scan categories, as list names them.
    std::vector<std::string> Categories() {
        std::vector<std::string> categories;
        const std::vector<std::string> list = Lines(Cli({"list", "--format", "tsv"}).out);
        for (auto line = std::next(list.begin()); line != list.end(); ++line) {
            if (line->ends_with("\ton") || line->ends_with("\toff")) {  // not the plug-ins' "automatic on"
                categories.push_back(line->substr(0, line->find('\t')));
            }
        }
        return categories;
    }

    // The probes of a scan with every category but one on, sorted by key.
    std::vector<Probe> ScanProbes(const std::string& off = "") {
        std::string only;
        for (const std::string& category : Categories()) {
            if (category != off) only += (only.empty() ? "" : ",") + category;
        }
        const std::filesystem::path trace = prefix_.Home() / "trace.tsv";
        std::filesystem::remove(trace);
        setenv("NIMBREL_TRACE", trace.c_str(), 1);
        const ProgramRun run = Cli({"scan", "--quiet", "--only", only});
        unsetenv("NIMBREL_TRACE");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::vector<Probe> probes;
        std::ifstream in(trace, std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> fields;  // the trace's fields are raw text between tabs
            for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
                tab = line.find('\t', start);
                fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
            }
            if (fields.size() < 5 || (fields[0] != "ReadValue" && fields[0] != "ReadSection")) continue;
            probes.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
        }
        std::sort(probes.begin(), probes.end());
        return probes;
    }

    // A machine with one user hive, so that the hive groups run.
    void AddUserHive() {
        const std::filesystem::path reg = prefix_.Home() / "hive.reg";
        std::ofstream(reg) << "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\S-1-5-21-7\\Software]\n";
        ASSERT_EQ(Cli({"reg", "import", reg.string()}).exitCode, 0);
    }

    testing_support::ScratchPrefix prefix_;
};

// Whether a scan with these probes probed the place.
bool Probed(const nlohmann::json& place, const std::vector<Probe>& probes) {
    const std::string key = place.at("key");
    const std::string type = place.at("type");
    const Probe first{"", "", key.substr(0, key.find('<')), "", ""};
    for (auto probe = std::lower_bound(probes.begin(), probes.end(), first);
         probe != probes.end() && probe->key.starts_with(first.key); ++probe) {
        if (probe->root == place.at("root") && Matches(key, probe->key) &&
            (type == "key" ? probe->routine == "ReadSection"
                           : probe->routine == "ReadValue" && probe->type == type &&
                                 Matches(place.at("value").get<std::string>(), probe->value))) {
            return true;
        }
    }
    return false;
}

// A place a scan probes whatever it finds: all but the rows that wait for
// the row above.
bool AlwaysProbed(const nlohmann::json& place) {
    return !place.at("condition").get<std::string>().starts_with("only when");
}

// Every place that a scan always probes is in the trace of a scan of a
// machine with one user hive, under its root, key, value name and type code.
TEST_F(CliCatalogueTest, EveryPlaceIsWhereAScanProbes) {
    AddUserHive();
    const std::vector<Probe> probes = ScanProbes();
    ASSERT_FALSE(probes.empty());

    const nlohmann::json places = Places();
    std::size_t tableRows = 0;
    for (const scan::CatalogueTable& table : scan::kCatalogueTables) tableRows += table.rows.size();
    ASSERT_EQ(places.size(), tableRows);
    int checked = 0;
    for (const nlohmann::json& place : places) {
        if (!AlwaysProbed(place)) continue;
        EXPECT_TRUE(Probed(place, probes)) << place.dump();
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

// The category a place names is the one that decides: with it off, the
// scan probes none of its places (only the switch row itself is read).
TEST_F(CliCatalogueTest, EachPlaceIsSkippedWithItsCategoryOff) {
    AddUserHive();
    const nlohmann::json places = Places();
    std::set<std::string> categories;
    for (const nlohmann::json& place : places) categories.insert(place.at("category").get<std::string>());
    categories.erase("");
    EXPECT_GT(categories.size(), 15u);
    for (const std::string& category : categories) {
        const std::vector<Probe> probes = ScanProbes(category);
        for (const nlohmann::json& place : places) {
            if (place.at("category") != category || !AlwaysProbed(place)) continue;
            const bool switchRow = place.at("condition").get<std::string>().starts_with("switch");
            EXPECT_EQ(Probed(place, probes), switchRow) << category << " off: " << place.dump();
        }
    }
}

TEST_F(CliCatalogueTest, TsvAndTextListThePlacesOfTheJson) {
    const nlohmann::json places = Places();
    const std::vector<std::string> tsv = Lines(Cli({"catalogue", "--format", "tsv"}).out);
    ASSERT_EQ(tsv.size(), places.size() + 1);
    EXPECT_EQ(testing_support::TsvFields(tsv[0]), std::vector<std::string>(std::begin(kFields), std::end(kFields)));
    for (std::size_t row = 0; row < places.size(); ++row) {
        const std::vector<std::string> fields = testing_support::TsvFields(tsv[row + 1]);
        ASSERT_EQ(fields.size(), std::size(kFields)) << tsv[row + 1];
        EXPECT_EQ(fields[0], std::to_string(places[row].at("step").get<int>()));
        for (std::size_t field = 1; field < fields.size(); ++field) {
            EXPECT_EQ(fields[field], places[row].at(kFields[field])) << tsv[row + 1];
        }
    }

    const ProgramRun text = Cli({"catalogue"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    std::vector<std::string> placeLines;
    for (const std::string& line : Lines(text.out)) {
        if (line.starts_with("  HK")) placeLines.push_back(line);
    }
    ASSERT_EQ(placeLines.size(), places.size());
    for (std::size_t row = 0; row < places.size(); ++row) {
        const std::string where =
            places[row].at("root").get<std::string>() + "\\" + places[row].at("key").get<std::string>();
        EXPECT_TRUE(placeLines[row].starts_with("  " + where)) << placeLines[row];
    }
    EXPECT_NE(text.out.find("\nStep 13, always: kCurrentUserApplications\n"), std::string::npos);
    EXPECT_NE(text.out.find("  HKCU\\Software\\Nimbrel\\Ignore : regedit (B)\n      switch of the next 2 rows\n"),
              std::string::npos);
}

// A place carries what the rows around it decide: the switch that guards
// it, its loops, the row it waits for, and what a find records.
TEST_F(CliCatalogueTest, PlacesCarryTheirSwitchesLoopsConditionsAndRecords) {
    const nlohmann::json places = Places();
    const auto find = [&places](const std::string& table, const std::string& label) {
        for (std::size_t row = 0; row < places.size(); ++row) {
            if (places[row].at("table") == table && places[row].at("label") == label) return row;
        }
        ADD_FAILURE() << table << ": no place labelled " << label;
        return places.size() - 1;
    };
    const std::vector<std::string> categories = Categories();
    for (const nlohmann::json& place : places) {
        if (place.at("category") != "") {
            EXPECT_NE(std::find(categories.begin(), categories.end(), place.at("category")), categories.end())
                << place.dump();
        }
    }

    const std::size_t regedit = find("kCurrentUserApplications", "Microsoft RegEdit - Last Key MRU");
    EXPECT_EQ(places[regedit - 1], (nlohmann::json{{"step", 13},
                                                   {"category", "regedit"},
                                                   {"table", "kCurrentUserApplications"},
                                                   {"root", "HKCU"},
                                                   {"key", "Software\\Nimbrel\\Ignore"},
                                                   {"value", "regedit"},
                                                   {"type", "B"},
                                                   {"range", ""},
                                                   {"label", ""},
                                                   {"count", ""},
                                                   {"condition", "switch of the next 2 rows"},
                                                   {"records", ""}}));
    EXPECT_EQ(places[regedit].at("category"), "regedit");
    EXPECT_EQ(places[regedit + 1].at("category"), "regedit");
    EXPECT_EQ(places[regedit + 1].at("range"), "h each hive");
    EXPECT_EQ(places[regedit + 2].at("category"), "");

    const std::size_t openWith = find("kOpenWith", "Windows - OpenWith MRU ('<e>') - <x>");
    EXPECT_EQ(places[openWith].at("key"),
              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.<e>\\OpenWithList");
    EXPECT_EQ(places[openWith].at("range"), "e 1-168 (* to sss), x a-z");
    EXPECT_EQ(places[openWith].at("condition"), "only when the row above is found");
    EXPECT_EQ(places[openWith].at("category"), "winopenwith");

    const std::size_t excel = find("kMicrosoftOffice", "Excel 10.0 (XP) - Recent File List - {<i>} - File<n>");
    EXPECT_EQ(places[excel].at("condition"), "only when the key above exists");
    EXPECT_EQ(places[excel - 1].at("condition"), "gate of the next row");
    EXPECT_EQ(places[excel - 1].at("type"), "key");

    const std::size_t acrobat = find("kCurrentUserApplications", "Adobe Acrobat Reader 5 - Recent Files List - <n>");
    EXPECT_EQ(places[acrobat].at("records"), "key Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c<n>");
    EXPECT_EQ(places[find("kOpenSaveMruCurrentUser", "Dialog - Open/Save MRU ('') - <x>")].at("records"),
              "value of Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU");
}

}  // namespace
