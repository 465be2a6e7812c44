// The silent run in process, on a scratch machine: no window, the clean of
// everything found, the plug-ins' turn and the end of the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "clean/automatic_plugins.h"
#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "platform/registry_api.h"
#include "registry/mod_registry.h"
#include "tests/scan/scan_fixture.h"
#include "ui/silent_run.h"

namespace {

// Notes each load and delete in the host's log.
class NotingPlugins : public clean::PluginLoader, public clean::AutomaticPlugin {
public:
    explicit NotingPlugins(std::vector<std::string>& log) : log_(log) {}
    clean::AutomaticPlugin& Load(clean::Plugin plugin) override {
        log_.push_back(plugin == clean::Plugin::kCookiePlugin ? "load cookies" : "load cache");
        return *this;
    }
    void NormalDelete(bool silent) override { log_.push_back(silent ? "normal silent" : "normal shown"); }
    void SecureDelete(bool silent) override { log_.push_back(silent ? "secure silent" : "secure shown"); }

private:
    std::vector<std::string>& log_;
};

class SilentRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::Start(), "");
        platform::HKey key = 0;
        ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, "Software\\Nimbrel\\Plugins\\Crumbex",
                                         platform::kKeyAllAccess, &key),
                  0);
        const std::uint8_t on[] = {0xFF, 0xFF};
        ASSERT_EQ(platform::RegSetValue(key, "AutomaticClean", platform::kRegBinary, on, 2), 0);
        platform::RegCloseKey(key);
    }
    static bool ValueThere(const std::string& key, const std::string& name) {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue("HKCU", key, name, "S", modRegistry::kNone, result);
        return result.Text() != modRegistry::kNone;
    }

    testing_support::ScratchPrefix prefix;
    testing_support::RecordingHost host;
    NotingPlugins plugins{host.calls};
};

TEST_F(SilentRunTest, FindingsAreCleanedThenThePluginsRunThenTheProgramEnds) {
    scan_testing::ImportFixture("typed_urls.reg");
    scan_testing::ImportFixture("unread_mail.reg");
    ui::RunSilentScan(host, &plugins);
    EXPECT_FALSE(ValueThere("Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1"));
    EXPECT_TRUE(ValueThere("Software\\Microsoft\\Internet Explorer\\TypedURLs", "url100"));
    EXPECT_FALSE(
        ValueThere("Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail\\anna@example.org", "Application"));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"load cookies", "normal silent", "end"}));
}

TEST_F(SilentRunTest, NothingFoundStillRunsThePluginsAndEnds) {
    ui::RunSilentScan(host, &plugins);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"load cookies", "normal silent", "end"}));
}

TEST_F(SilentRunTest, WithoutPluginsItCleansAndEnds) {
    scan_testing::ImportFixture("typed_urls.reg");
    ui::RunSilentScan(host, nullptr);
    EXPECT_FALSE(ValueThere("Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1"));
    EXPECT_EQ(host.calls, std::vector<std::string>{"end"});
}

}  // namespace
