// The plug-ins' turn after a clean: which plug-in is loaded, which of its
// operations runs, in what order and with what silent flag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clean/automatic_plugins.h"
#include "clean/clean_engine.h"
#include "platform/registry_api.h"
#include "tests/support/recording_host.h"
#include "tests/support/scratch_prefix.h"

namespace {

using clean::Plugin;

class FakePlugin : public clean::AutomaticPlugin {
public:
    FakePlugin(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    void NormalDelete(bool silent) override { log_.push_back(name_ + " normal " + (silent ? "silent" : "shown")); }
    void SecureDelete(bool silent) override { log_.push_back(name_ + " secure " + (silent ? "silent" : "shown")); }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

class FakeLoader : public clean::PluginLoader {
public:
    explicit FakeLoader(std::vector<std::string>& log) : log_(log), cookies_(log, "cookies"), cache_(log, "cache") {}
    clean::AutomaticPlugin& Load(Plugin plugin) override {
        log_.push_back(plugin == Plugin::kCookiePlugin ? "load cookies" : "load cache");
        return plugin == Plugin::kCookiePlugin ? static_cast<clean::AutomaticPlugin&>(cookies_) : cache_;
    }

private:
    std::vector<std::string>& log_;
    FakePlugin cookies_;
    FakePlugin cache_;
};

// A switch value as stored: FF FF, 00 00, or something else.
void SetSwitch(Plugin plugin, const std::string& name, const std::string& bytes) {
    platform::HKey key = 0;
    ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, clean::PluginSettingsKey(plugin),
                                     platform::kKeyAllAccess, &key),
              0);
    EXPECT_EQ(
        platform::RegSetValue(key, name, platform::kRegBinary, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                              static_cast<std::uint32_t>(bytes.size())),
        0);
    platform::RegCloseKey(key);
}

const std::string kOn("\xFF\xFF", 2);
const std::string kOff("\x00\x00", 2);
const std::string kOne("\x01\x00", 2);

class AutomaticPluginsTest : public ::testing::Test {
protected:
    testing_support::ScratchPrefix prefix;
    std::vector<std::string> log;
    FakeLoader loader{log};
};

TEST_F(AutomaticPluginsTest, NoSwitchesLoadNothing) {
    clean::RunAutomaticPlugins(&loader, true);
    EXPECT_TRUE(log.empty());
}

TEST_F(AutomaticPluginsTest, OnlyAnAllBitsTrueAutomaticCleanLoadsAPlugin) {
    SetSwitch(Plugin::kCookiePlugin, "AutomaticClean", kOff);
    SetSwitch(Plugin::kIeTempFilesPlugin, "AutomaticClean", kOne);
    clean::RunAutomaticPlugins(&loader, true);
    EXPECT_TRUE(log.empty());
}

TEST_F(AutomaticPluginsTest, CookiesRunBeforeTheCacheEachWithItsOwnDeleteMethod) {
    SetSwitch(Plugin::kCookiePlugin, "AutomaticClean", kOn);
    SetSwitch(Plugin::kIeTempFilesPlugin, "AutomaticClean", kOn);
    SetSwitch(Plugin::kIeTempFilesPlugin, "SecureDelete", kOn);
    clean::RunAutomaticPlugins(&loader, false);
    EXPECT_EQ(log,
              (std::vector<std::string>{"load cookies", "cookies normal shown", "load cache", "cache secure shown"}));
}

TEST_F(AutomaticPluginsTest, SecureDeleteOtherThanTrueMeansNormalDelete) {
    SetSwitch(Plugin::kCookiePlugin, "AutomaticClean", kOn);
    SetSwitch(Plugin::kCookiePlugin, "SecureDelete", kOne);
    clean::RunAutomaticPlugins(&loader, true);
    EXPECT_EQ(log, (std::vector<std::string>{"load cookies", "cookies normal silent"}));
}

TEST_F(AutomaticPluginsTest, WithoutALoaderNothingRunsWhateverTheSwitches) {
    SetSwitch(Plugin::kCookiePlugin, "AutomaticClean", kOn);
    clean::RunAutomaticPlugins(nullptr, true);
    EXPECT_TRUE(log.empty());
}

TEST_F(AutomaticPluginsTest, TheyRunAfterTheCompletionWindowIsShownAndBeforeASilentEnd) {
    SetSwitch(Plugin::kCookiePlugin, "AutomaticClean", kOn);
    testing_support::RecordingHost host;
    scan::ResultsModel results;
    clean::CleanState state;
    clean::CleanContext shown{host, results, state, &loader, false};
    clean::CleanAll(shown, 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show completion", "unload scan"}));
    EXPECT_EQ(log, (std::vector<std::string>{"load cookies", "cookies normal shown"}));

    log.clear();
    host.calls.clear();
    FakeLoader noting(log);
    struct EndNoting : testing_support::RecordingHost {
        std::vector<std::string>* log;
        void EndProgram() override { log->push_back("end"); }
    } silentHost;
    silentHost.log = &log;
    clean::CleanContext silent{silentHost, results, state, &noting, true};
    clean::CleanAll(silent, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"load cookies", "cookies normal silent", "end"}));
}

}  // namespace
