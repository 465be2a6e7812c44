#include "tools/nimbrel-cli/category_selection.h"

#include <map>

#include "platform/ansi_case.h"
#include "scan/category_switch.h"
#include "settings/scan_categories.h"

namespace cli {

namespace {

// The category's id as the settings keep it; empty when there is none.
std::string CategoryId(const std::string& name) {
    for (const settings::ScanCategory& category : settings::kScanCategories) {
        if (platform::EqualsIgnoringCase(category.id, name)) return category.id;
    }
    return {};
}

std::string ValidCategories() {
    std::string names;
    for (const settings::ScanCategory& category : settings::kScanCategories) {
        names += (names.empty() ? "" : ", ") + std::string(category.id);
    }
    return names;
}

}  // namespace

void CategorySelection::AddOptions(CLI::App& command) {
    command.add_option("--only", only, "Scan only these categories (names as \"list\" shows them), this run alone")
        ->delimiter(',');
    command.add_option("--skip", skip, "Leave these categories out of this run")->delimiter(',');
}

std::string CategorySelection::Apply() const {
    std::map<std::string, bool> forced;
    if (!only.empty()) {
        for (const settings::ScanCategory& category : settings::kScanCategories) forced[category.id] = false;
    }
    for (const auto& [names, on] : {std::pair{&only, true}, std::pair{&skip, false}}) {
        for (const std::string& name : *names) {
            const std::string id = CategoryId(name);
            if (id.empty()) return "no category '" + name + "'; the categories are: " + ValidCategories();
            forced[id] = on;  // a category both named and skipped is skipped
        }
    }
    scan::OverrideCategories(std::move(forced));
    return "";
}

}  // namespace cli
