// The plug-ins as the clean engine runs them after a clean: loaded without
// a window, the cookies first, each with its own delete method, silent runs
// without any window or message box.
#include <gtest/gtest.h>

#include <filesystem>

#include "clean/automatic_plugins.h"
#include "platform/run_once.h"
#include "plugins/plugin_settings.h"
#include "plugins/plugin_windows.h"
#include "registry/mod_registry.h"
#include "tests/support/plugin_host.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ReadText(const std::string& root, const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(root, key, name, "S", modRegistry::ValueHolder("<none>"), value);
    return value.Text();
}

class AutomaticPluginRun : public testing::Test {
protected:
    void SetUp() override {
        cookie = ReadText("HKCU", kShellFolders, "Cookies") + "\\anna@site[1].txt";
        WriteBytes(cookie, "cookie");
        const std::string folder = ReadText("HKCU", kShellFolders, "Cache") + "\\Content.IE5\\X1";
        fs::create_directories(HostPath(folder));
        cached = folder + "\\page.htm";
        WriteBytes(cached, "page");
        for (const char* key : {plugins::kCookieSettingsKey, plugins::kCacheSettingsKey})
            plugins::WriteSwitch(key, plugins::kAutomaticCleanValue, true);
    }

    testing_support::ScratchPrefix prefix;
    testing_support::PluginHost host;
    std::string cookie;
    std::string cached;
};

TEST_F(AutomaticPluginRun, SilentRunCleansBothShowsNothingAndSchedulesBoth) {
    plugins::WriteSwitch(plugins::kCacheSettingsKey, plugins::kSecureDeleteValue, true);
    plugins::PluginWindows windows(host, true, "C:\\Nimbrel");
    clean::RunAutomaticPlugins(&windows, true);
    EXPECT_FALSE(ReadBytes(cookie).has_value());
    EXPECT_FALSE(ReadBytes(cached).has_value());
    for (const std::string& call : host.calls) {
        EXPECT_EQ(call.rfind("show", 0), std::string::npos) << call;
        EXPECT_EQ(call.rfind("message", 0), std::string::npos) << call;
    }
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), "C:\\Nimbrel\\ixwipe.exe -CC");
}

TEST_F(AutomaticPluginRun, ASilentRunWithoutTheFoldersSaysNothingAndSchedulesNothing) {
    modRegistry::RemoveValue("HKCU", kShellFolders, "Cookies");
    modRegistry::RemoveValue("HKCU", kShellFolders, "Cache");
    plugins::PluginWindows windows(host, true, "C:\\Nimbrel");
    clean::RunAutomaticPlugins(&windows, true);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
}

TEST_F(AutomaticPluginRun, AnInteractiveRunShowsTheStatusWindowForEachPlugin) {
    plugins::PluginWindows windows(host, false, "C:\\Nimbrel");
    clean::RunAutomaticPlugins(&windows, false);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "show plugin status"), 2);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "show cookie plugin"), 0);
    EXPECT_FALSE(ReadBytes(cookie).has_value());
    EXPECT_FALSE(ReadBytes(cached).has_value());
}

TEST_F(AutomaticPluginRun, APluginLoadsOnceAndKeepsItsWindowState) {
    plugins::PluginWindows windows(host, false, "C:\\Nimbrel");
    plugins::CookiePluginModel& first = windows.Cookies();
    first.OnMoveAllToIgnoreClick();
    EXPECT_EQ(&windows.Load(clean::Plugin::kCookiePlugin), static_cast<clean::AutomaticPlugin*>(&first));
    EXPECT_EQ(windows.Cookies().CookieIgnoreList().size(), 1u);
    windows.Unload(clean::Plugin::kCookiePlugin);
    EXPECT_TRUE(windows.Cookies().CookieIgnoreList().empty()) << "unsaved edits go with the window";
}

TEST_F(AutomaticPluginRun, AWindowClosedDuringItsRunKeepsItsModelUntilTheRunEnds) {
    plugins::PluginWindows windows(host, false, "C:\\Nimbrel");
    plugins::CookiePluginModel& running = windows.Cookies();
    bool sameModelDuringTheRun = false;
    host.onYield = [&](int) {
        windows.Unload(clean::Plugin::kCookiePlugin);
        sameModelDuringTheRun = &windows.Cookies() == &running && running.Running();
        windows.Unload(clean::Plugin::kCookiePlugin);
    };
    running.NormalDelete(false);
    host.onYield = nullptr;
    EXPECT_TRUE(sameModelDuringTheRun);
    EXPECT_FALSE(ReadBytes(cookie).has_value());

    WriteBytes(cookie, "cookie");
    windows.Cookies().OnMoveAllToIgnoreClick();
    ASSERT_EQ(windows.Cookies().CookieIgnoreList().size(), 1u);
    windows.Unload(clean::Plugin::kCookiePlugin);
    EXPECT_TRUE(windows.Cookies().CookieIgnoreList().empty()) << "closed after the run: loaded afresh";
}

}  // namespace
