// nimbrel-cli list and settings: what they show is what the windows show,
// and what they set is where the windows save it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "plugins/pass_count.h"
#include "plugins/plugin_settings.h"
#include "settings/scan_categories.h"
#include "settings/settings_window_model.h"
#include "tests/support/recording_host.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_prefix.h"

namespace {

using testing_support::ProgramRun;

ProgramRun Cli(const std::vector<std::string>& arguments) {
    return testing_support::RunProgram(NIMBREL_CLI, arguments);
}

TEST(CliSettingsTest, SetIsWhereTheWindowsReadAndListShowsIt) {
    testing_support::ScratchPrefix prefix;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"settings", "set", "msoffice", "off"},
                                               {"settings", "set", "cleartraynotify", "on"},
                                               {"settings", "set", "cookies.automatic", "on"},
                                               {"settings", "set", "cache.passes", "9"}}) {
        const ProgramRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments[2] << ": " << run.err;
    }
    testing_support::RecordingHost host;
    settings::SettingsWindowModel window(host);
    window.Load();
    for (std::size_t index = 0; index < settings::kCategoryCount; ++index) {
        const std::string id = settings::kScanCategories[index].id;
        EXPECT_EQ(window.Checked(index), id != "MSOffice" && id != "shellbags") << id;
    }
    EXPECT_TRUE(plugins::ReadSwitch(plugins::kCookieSettingsKey, plugins::kAutomaticCleanValue));
    EXPECT_EQ(plugins::ReadPassCount(plugins::kCacheSettingsKey, 3), 9);

    const nlohmann::json listed = nlohmann::json::parse(Cli({"list", "--format", "json"}).out);
    ASSERT_EQ(listed.at("categories").size(), settings::kCategoryCount);
    for (const nlohmann::json& category : listed.at("categories")) {
        const std::string name = category.at("name");
        EXPECT_EQ(category.at("on"), name != "MSOffice" && name != "shellbags") << name;
    }
    EXPECT_EQ(listed.at("plugins"),
              (nlohmann::json::array(
                  {{{"name", "cookies"}, {"caption", "Crumbex cookie cleaner"}, {"automatic", true}},
                   {{"name", "cache"}, {"caption", "Temporary internet files cleaner"}, {"automatic", false}}})));
    EXPECT_EQ(Cli({"settings", "get", "MSOffice"}).out, "off\n");
    EXPECT_EQ(Cli({"settings", "get", "cache.passes"}).out, "9\n");

    EXPECT_EQ(Cli({"settings", "reset"}).exitCode, 0);
    EXPECT_EQ(Cli({"settings", "get", "MSOffice"}).out, "on\n");
    EXPECT_EQ(Cli({"settings", "get", "cleartraynotify"}).out, "off\n");
}

TEST(CliSettingsTest, WhatCannotBeSetIsRefusedWithWhatCan) {
    testing_support::ScratchPrefix prefix;
    struct Case {
        std::vector<std::string> arguments;
        std::string says;
    };
    const Case cases[] = {
        {{"settings", "set", "MSOfice", "off"}, "the settings are: IETypedURL, WinRun, MSOffice"},
        {{"settings", "set", "MSOffice", "maybe"}, "is on or off"},
        {{"settings", "set", "cookies.passes", "201"}, "from 1 to 200"},
        {{"settings", "set", "cache.folder", "C:\\x"}, "only reads it"},
        {{"settings", "get", "nothing"}, "no setting 'nothing'"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Cli(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments[2];
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_EQ(Cli({"settings", "get", "MSOffice"}).out, "on\n");
}

// --only and --skip scan as stored settings would, for one run: the rows
// are those of the same scan with the other categories switched off in the
// settings, and the stored settings stay as they were.
TEST(CliSettingsTest, OnlyAndSkipActForOneRunAsTheSettingsWould) {
    testing_support::ScratchPrefix prefix;
    ASSERT_EQ(Cli({"reg", "import", std::string(NIMBREL_SOURCE_DIR) + "/samples/demo-profile.reg"}).exitCode, 0);
    const std::string stored = Cli({"list", "--format", "tsv"}).out;
    const std::string everything = Cli({"scan", "--format", "tsv"}).out;
    const std::string only =
        Cli({"scan", "--format", "tsv", "--only", "ietypedurl,WinRun,MSOffice", "--skip", "msoffice"}).out;
    const std::string skip = Cli({"scan", "--format", "tsv", "--skip", "IETypedURL,WinRun"}).out;
    EXPECT_EQ(Cli({"list", "--format", "tsv"}).out, stored);

    for (const settings::ScanCategory& category : settings::kScanCategories) {
        const std::string id = category.id;
        if (id != "IETypedURL" && id != "WinRun") Cli({"settings", "set", id, "off"});
    }
    EXPECT_EQ(only, Cli({"scan", "--format", "tsv"}).out);
    EXPECT_NE(only, everything);
    Cli({"settings", "reset"});
    Cli({"settings", "set", "IETypedURL", "off"});
    Cli({"settings", "set", "WinRun", "off"});
    EXPECT_EQ(skip, Cli({"scan", "--format", "tsv"}).out);
    EXPECT_NE(skip, everything);

    const ProgramRun unknown = Cli({"clean", "--dry-run", "--only", "IETypedURL,Nothing"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("no category 'Nothing'; the categories are: IETypedURL, WinRun"), std::string::npos)
        << unknown.err;
}

}  // namespace
