#include "tools/nimbrel-cli/settings_command.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/ansi_case.h"
#include "plugins/pass_count.h"
#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "scan/category_switch.h"
#include "settings/scan_categories.h"

namespace cli {
namespace {

// One setting as nimbrel-cli names it, and where it lives.
struct Setting {
    std::string name;     // a category's id, or "cookies.automatic" ...
    std::string caption;  // what the windows call it
    std::string key;      // under HKCU
    std::string value;    // the value's name
    enum class Kind { kSwitch, kPasses, kFolder } kind = Kind::kSwitch;
};

std::vector<Setting> AllSettings() {
    std::vector<Setting> all;
    for (const settings::ScanCategory& category : settings::kScanCategories) {
        all.push_back({category.id, category.caption, scan::kIgnoreKey, category.id});
    }
    struct Plugin {
        const char* name;
        const char* caption;
        const char* key;
    };
    for (const Plugin& plugin : {Plugin{"cookies", "Crumbex cookie cleaner", plugins::kCookieSettingsKey},
                                 Plugin{"cache", "Temporary internet files cleaner", plugins::kCacheSettingsKey}}) {
        const std::string name = plugin.name;
        all.push_back({name + ".automatic", std::string(plugin.caption) + ": run after every clean", plugin.key,
                       plugins::kAutomaticCleanValue});
        all.push_back({name + ".secure", std::string(plugin.caption) + ": shred instead of deleting", plugin.key,
                       plugins::kSecureDeleteValue});
        all.push_back({name + ".passes", std::string(plugin.caption) + ": shredding passes (\"default\" is 3)",
                       plugin.key, plugins::kWipePassesValue, Setting::Kind::kPasses});
    }
    all.push_back({"cache.folder", "Temporary internet files cleaner: the folder it cleans (Windows' own setting)",
                   "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Cache",
                   Setting::Kind::kFolder});
    return all;
}

bool IsCategory(const Setting& setting) { return setting.key == scan::kIgnoreKey; }

// The setting as the next run takes it.
std::string Current(const Setting& setting) {
    switch (setting.kind) {
        case Setting::Kind::kSwitch:
            return (IsCategory(setting) ? scan::CategoryOn(setting.value)
                                        : plugins::ReadSwitch(setting.key, setting.value))
                       ? "on"
                       : "off";
        case Setting::Kind::kPasses: {
            const std::optional<std::string> stored = plugins::StoredCustomPasses(setting.key);
            return stored ? *stored : "default";
        }
        case Setting::Kind::kFolder:
            return ConsoleText(plugins::ShellFolder(setting.value).value_or(""));
    }
    return "";
}

std::optional<Setting> Find(const std::string& name) {
    for (const Setting& setting : AllSettings()) {
        if (platform::EqualsIgnoringCase(setting.name, name)) return setting;
    }
    return std::nullopt;
}

std::string ValidNames() {
    std::string names;
    for (const Setting& setting : AllSettings()) names += (names.empty() ? "" : ", ") + setting.name;
    return names;
}

int Usage(const std::string& message) {
    ReportFailure(message);
    return kExitUsage;
}

int RunList(const std::string& format) {
    const std::vector<Setting> all = AllSettings();
    if (format == "json") {
        nlohmann::ordered_json categories = nlohmann::ordered_json::array();
        nlohmann::ordered_json plugins = nlohmann::ordered_json::array();
        for (const Setting& setting : all) {
            if (IsCategory(setting)) {
                categories.push_back(
                    {{"name", setting.name}, {"caption", setting.caption}, {"on", Current(setting) == "on"}});
            } else if (setting.name.ends_with(".automatic")) {
                plugins.push_back({{"name", setting.name.substr(0, setting.name.find('.'))},
                                   {"caption", setting.caption.substr(0, setting.caption.find(':'))},
                                   {"automatic", Current(setting) == "on"}});
            }
        }
        std::cout << nlohmann::ordered_json{{"categories", categories}, {"plugins", plugins}}.dump(2) << '\n';
    } else {
        if (format == "tsv") std::cout << "name\tcaption\tstate\n";
        for (const Setting& setting : all) {
            const bool category = IsCategory(setting);
            if (!category && !setting.name.ends_with(".automatic")) continue;
            const std::string name = category ? setting.name : setting.name.substr(0, setting.name.find('.'));
            const std::string caption =
                category ? setting.caption : setting.caption.substr(0, setting.caption.find(':'));
            const std::string state = category ? Current(setting) : "automatic " + Current(setting);
            if (format == "tsv") {
                std::cout << TsvField(name) << '\t' << TsvField(caption) << '\t' << TsvField(state) << '\n';
            } else {
                std::cout << name << std::string(name.size() < 20 ? 20 - name.size() : 1, ' ') << state
                          << std::string(state.size() < 14 ? 14 - state.size() : 1, ' ') << caption << '\n';
            }
        }
    }
    std::cout.flush();
    return std::cout ? kExitOk : ReportFailure("cannot write the list");
}

int RunGet(const std::string& name) {
    if (name.empty()) {
        for (const Setting& setting : AllSettings()) std::cout << setting.name << '\t' << Current(setting) << '\n';
        return kExitOk;
    }
    const std::optional<Setting> setting = Find(name);
    if (!setting) return Usage("no setting '" + name + "'; the settings are: " + ValidNames());
    std::cout << Current(*setting) << '\n';
    return kExitOk;
}

int RunSet(const std::string& name, const std::string& state) {
    const std::optional<Setting> setting = Find(name);
    if (!setting) return Usage("no setting '" + name + "'; the settings are: " + ValidNames());
    switch (setting->kind) {
        case Setting::Kind::kSwitch: {
            if (state != "on" && state != "off") return Usage(setting->name + " is on or off, not '" + state + "'");
            // As the settings window and the plug-in windows save their boxes.
            const long status = modRegistry::WriteValue("HKCU", setting->key, setting->value, "B",
                                                        modRegistry::ValueHolder::Boolean(state == "on"));
            return status == 0 ? kExitOk : ReportFailure("cannot save " + setting->name);
        }
        case Setting::Kind::kPasses: {
            long status = 0;
            if (state == "default") {
                status = modRegistry::RemoveValue("HKCU", setting->key, setting->value);
            } else if (plugins::CheckCustomPasses(state) == plugins::CustomPassesCheck::kAccepted) {
                status = modRegistry::WriteValue("HKCU", setting->key, setting->value, "S", state);
            } else {
                return Usage(setting->name + " is a whole number from 1 to 200, or default");
            }
            return status == 0 ? kExitOk : ReportFailure("cannot save " + setting->name);
        }
        case Setting::Kind::kFolder:
            return Usage(setting->name + " is where Windows keeps the cache; Nimbrel only reads it");
    }
    return kExitFailure;
}

// "Delete Settings from Registry": every category back to its default.
int RunReset() {
    long failed = 0;
    for (const settings::ScanCategory& category : settings::kScanCategories) {
        const long status = modRegistry::RemoveValue("HKCU", scan::kIgnoreKey, category.id);
        if (status != 0) ++failed;
    }
    return failed == 0 ? kExitOk : ReportFailure("cannot delete the scan settings from the registry");
}

}  // namespace

void AddSettingsCommands(CLI::App& app, CommandAction& action) {
    auto format = std::make_shared<std::string>("text");
    CLI::App* list = app.add_subcommand("list", "List the scan categories, on or off, and the plug-ins");
    list->add_option("--format", *format, "Output: text (the default), json or tsv")
        ->check(CLI::IsMember({"text", "json", "tsv"}));
    list->callback([&action, format] { action = [format] { return RunList(*format); }; });

    CLI::App* settings = app.add_subcommand("settings", "Read and change the scan categories and plug-in settings");
    settings->require_subcommand(1);
    auto name = std::make_shared<std::string>();
    auto state = std::make_shared<std::string>();
    CLI::App* get = settings->add_subcommand("get", "Show one setting, or all of them");
    get->add_option("NAME", *name, "A category's name as list shows it, or cookies.automatic, cache.passes ...");
    get->callback([&action, name] { action = [name] { return RunGet(*name); }; });
    CLI::App* set = settings->add_subcommand("set", "Change a setting, where its window would save it");
    set->add_option("NAME", *name, "The setting")->required();
    set->add_option("STATE", *state, "on or off; a pass count from 1 to 200 or default")->required();
    set->callback([&action, name, state] { action = [name, state] { return RunSet(*name, *state); }; });
    CLI::App* reset = settings->add_subcommand(
        "reset", "Put every scan category back to its default, as \"Delete Settings from Registry\" does");
    reset->callback([&action] { action = [] { return RunReset(); }; });
}

}  // namespace cli
