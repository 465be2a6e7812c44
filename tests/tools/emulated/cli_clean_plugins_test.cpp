// nimbrel-cli clean runs the plug-ins whose "AutomaticClean" is on after
// the clean, as a silent run does, and none with --no-plugins. The cookie
// plug-in keeps its ignore list in the machine's C:\Program Files\Nimbrel,
// and the ixwipe it schedules there runs at the next logon.
#include <gtest/gtest.h>

#include "platform/run_once.h"
#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"
#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

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
    std::string escaped;  // TSV doubles a backslash
    for (char c : cookie) escaped += c == '\\' ? std::string(2, c) : std::string(1, c);
    EXPECT_NE(run.out.find("\ndeleted\tfile\t" + escaped + "\t\t\tcookies\n"), std::string::npos) << run.out;
    EXPECT_FALSE(testing_support::ReadBytes(cookie).has_value());
    EXPECT_NE(Read("HKLM", platform::kRunOnceKey, "Nimbrel").find("\\ixwipe.exe -COOKIES"), std::string::npos);
}

TEST_F(CliCleanPlugins, NoPluginsLeavesTheCookies) {
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean", "--no-plugins"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(testing_support::ReadBytes(cookie), "cookie");
    EXPECT_EQ(Read("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
}

}  // namespace
