// nimbrel -SILENT, as a scheduler runs it, runs the automatic plug-ins after
// its clean and says nothing, even when a plug-in's folder cannot be found.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/run_once.h"
#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

namespace {

const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Read(const std::string& root, const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(root, key, name, "S", modRegistry::ValueHolder("<none>"), value);
    return value.Text();
}

class SilentProgramPlugins : public testing::Test {
protected:
    void SetUp() override {
        cookie = Read("HKCU", kShellFolders, "Cookies") + "\\anna@site[1].txt";
        testing_support::WriteBytes(cookie, "cookie");
        const std::string folder = Read("HKCU", kShellFolders, "Cache") + "\\Content.IE5\\Q1";
        std::filesystem::create_directories(testing_support::HostPath(folder));
        cached = folder + "\\page.htm";
        testing_support::WriteBytes(cached, "page");
        for (const char* key : {plugins::kCookieSettingsKey, plugins::kCacheSettingsKey})
            plugins::WriteSwitch(key, plugins::kAutomaticCleanValue, true);
    }
    testing_support::ScratchPrefix prefix;
    std::string cookie;
    std::string cached;
};

TEST_F(SilentProgramPlugins, BothPluginsRunAndScheduleTheIndexWipe) {
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_PROGRAM, {"-SILENT"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_FALSE(testing_support::ReadBytes(cookie).has_value());
    EXPECT_FALSE(testing_support::ReadBytes(cached).has_value());
    EXPECT_NE(Read("HKLM", platform::kRunOnceKey, "Nimbrel").find("\\ixwipe.exe -CC"), std::string::npos);
}

TEST_F(SilentProgramPlugins, AMissingCookiesFolderIsPassedOverWithoutAWord) {
    modRegistry::RemoveValue("HKCU", kShellFolders, "Cookies");
    const testing_support::ProgramRun run = testing_support::RunProgram(NIMBREL_PROGRAM, {"-SILENT"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(testing_support::ReadBytes(cookie), "cookie");
    EXPECT_FALSE(testing_support::ReadBytes(cached).has_value());
    EXPECT_NE(Read("HKLM", platform::kRunOnceKey, "Nimbrel").find("\\ixwipe.exe -CACHE"), std::string::npos);
}

}  // namespace
