// nimbrel-cli clean runs the plug-ins whose "AutomaticClean" is on after
// the clean, as a silent run does, and none with --no-plugins. The cookie
// plug-in keeps its ignore list in the machine's C:\Program Files\Nimbrel,
// and the ixwipe it schedules there runs at the next logon. Shell folders
// that name a folder of the host are left alone, each said once and
// counted as not cleaned.
#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/run_once.h"
#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"
#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "tests/support/decoy_folder.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"
#include "tests/support/tsv_fields.h"

namespace {

std::string Read(const std::string& root, const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(root, key, name, "S", modRegistry::ValueHolder("<none>"), value);
    return value.Text();
}

class CliCleanPlugins : public testing::Test {
protected:
    void SetUp() override {
        cookie = Read("HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Cookies") +
                 "\\anna@site[1].txt";
        testing_support::WriteBytes(cookie, "cookie");
        plugins::WriteSwitch(plugins::kCookieSettingsKey, plugins::kAutomaticCleanValue, true);
    }
    testing_support::ScratchPrefix prefix;
    std::string cookie;
};

TEST_F(CliCleanPlugins, TheMachinesProgramFolderHoldsTheIgnoreListAndIxwipe) {
    const std::string kept = cookie.substr(0, cookie.rfind('\\')) + "\\kept@site[1].txt";
    testing_support::WriteBytes(kept, "cookie");
    plugins::clsDES des;
    ASSERT_EQ(plugins::SaveIgnoreList("C:\\Program Files\\Nimbrel\\cookieignore.ini", {"kept@site[1].txt"}, des), "");

    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(testing_support::ReadBytes(cookie).has_value());
    EXPECT_EQ(testing_support::ReadBytes(kept), "cookie");
    EXPECT_EQ(Read("HKLM", platform::kRunOnceKey, "Nimbrel"), "C:\\Program Files\\Nimbrel\\ixwipe.exe -COOKIES");

    const testing_support::ProgramRun logon = testing_support::RunProgram(NIMBREL_CLI, {"runonce"});
    EXPECT_EQ(logon.exitCode, 0) << logon.err;
    EXPECT_EQ(Read("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
}

TEST_F(CliCleanPlugins, TheCookiePluginRunsAfterTheCleanAndItsFilesAreListed) {
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean", "--format", "tsv"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto records = testing_support::TsvRecords(run.out);
    const std::vector<std::string> listed{"deleted", "file", cookie, "", "", "cookies"};
    EXPECT_NE(std::find(records.begin(), records.end(), listed), records.end()) << run.out;
    EXPECT_FALSE(testing_support::ReadBytes(cookie).has_value());
    EXPECT_NE(Read("HKLM", platform::kRunOnceKey, "Nimbrel").find("\\ixwipe.exe -COOKIES"), std::string::npos);
}

TEST_F(CliCleanPlugins, NoPluginsLeavesTheCookies) {
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean", "--no-plugins"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(testing_support::ReadBytes(cookie), "cookie");
    EXPECT_EQ(Read("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class CliCleanHostFolders : public CliCleanPlugins, public testing::WithParamInterface<bool> {};

TEST_P(CliCleanHostFolders, AreLeftAloneEachSaidOnceAndCountedAsNotCleaned) {
    testing_support::DecoyFolder decoy;
    decoy.Write("Recent/passwd", "root:x:0:0");
    decoy.Write("Cookies/anna@site[1].txt", "the host's");
    decoy.Write("Cache/Content.IE5/X1/page.htm", "the host's");
    decoy.Write("Cache/Content.IE5/INDEX.DAT", "the host's");
    const auto before = decoy.Contents();
    const bool zDrive = GetParam();
    const auto folder = [&](const std::string& name) {
        return zDrive ? decoy.WindowsPath() + "\\" + name : (decoy.Host() / name).string();
    };
    const char* shellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    for (const char* name : {"Recent", "Cookies", "Cache"})
        modRegistry::WriteValue("HKCU", shellFolders, name, "S", folder(name));
    plugins::WriteSwitch(plugins::kCacheSettingsKey, plugins::kAutomaticCleanValue, true);

    const testing_support::ProgramRun dryRun = testing_support::RunProgram(NIMBREL_CLI, {"clean", "--dry-run"});
    EXPECT_EQ(dryRun.out.find("passwd"), std::string::npos) << dryRun.out;
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean", "--format", "json"});
    EXPECT_EQ(decoy.Contents(), before);

    const nlohmann::json report = nlohmann::json::parse(run.out);
    std::map<std::string, nlohmann::json> pluginRows;
    for (const nlohmann::json& row : report.at("rows")) {
        EXPECT_EQ(row.dump().find("passwd"), std::string::npos) << row.dump();
        const std::string label = row.at("label");
        if (label == "cookies" || label == "cache") {
            EXPECT_TRUE(pluginRows.emplace(label, row).second) << row.dump();
        }
    }
    const auto refused = [](const std::string& place, const std::string& label) {
        return nlohmann::json{{"kind", "file"},
                              {"place", place},
                              {"result", "failed"},
                              {"reason", "error 5 (access denied)"},
                              {"label", label}};
    };
    EXPECT_EQ(pluginRows["cookies"], refused(folder("Cookies"), "cookies"));
    EXPECT_EQ(Occurrences(run.err, "leaves this cookies folder alone: " + folder("Cookies") + "\n"), 1u) << run.err;
    // A host path joined with "\Content.IE5" names nothing on the host: the
    // cache plug-in then finds no folder to clean, and says nothing.
    if (zDrive) {
        EXPECT_EQ(pluginRows["cache"], refused(folder("Cache") + "\\Content.IE5", "cache"));
        EXPECT_EQ(Occurrences(run.err, "leaves this cache folder alone: " + folder("Cache") + "\\Content.IE5\n"), 1u)
            << run.err;
    }
    EXPECT_EQ(report.at("totals").at("plugin_files_not_deleted"), pluginRows.size());
    EXPECT_EQ(Read("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
    EXPECT_EQ(Read("HKLM", "Software\\Nimbrel\\Crumbex", "Location"), "<none>");
    EXPECT_EQ(Read("HKLM", "Software\\Nimbrel\\IECache", "Location"), "<none>");
}

INSTANTIATE_TEST_SUITE_P(Spellings, CliCleanHostFolders, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "DriveZ" : "HostPath"; });

}  // namespace
