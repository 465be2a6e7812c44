// nimbrel-cli clean runs the plug-ins whose "AutomaticClean" is on after
// the clean, as a silent run does, and none with --no-plugins.
#include <gtest/gtest.h>

#include "platform/run_once.h"
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

TEST_F(CliCleanPlugins, TheCookiePluginRunsAfterTheClean) {
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_CLI, {"clean"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
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
