// From a plug-in run to the next logon: the automatic cookie and cache runs
// schedule "-CC"; the run-once list, run as the logon runs it
// (nimbrel-cli runonce), starts ixwipe beside nimbrel-cli, which shreds both
// INDEX.DAT files, and the run-once value is gone. On the emulated machine
// and, the same, under Wine with Wine's registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "clean/automatic_plugins.h"
#include "platform/run_once.h"
#include "plugins/plugin_settings.h"
#include "plugins/plugin_windows.h"
#include "registry/mod_registry.h"
#include "tests/support/plugin_host.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::optional<std::string> Read(const std::string& root, const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(root, key, name, "S", modRegistry::ValueHolder(modRegistry::kNone), value);
    if (!value.IsText() || value.Text() == modRegistry::kNone) return std::nullopt;
    return value.Text();
}

void Restore(const std::string& root, const std::string& key, const std::string& name,
             const std::optional<std::string>& value) {
    if (value) {
        modRegistry::WriteValue(root, key, name, "S", *value);
    } else {
        modRegistry::RemoveValue(root, key, name);
    }
}

// nimbrel-cli's folder as a Windows path: a host path such as Wine's
// "/work/build/tools/nimbrel-cli.exe" is on drive Z:.
std::string CliFolder() {
    std::string folder = fs::path(NIMBREL_CLI).parent_path().string();
    for (char& c : folder)
        if (c == '/') c = '\\';
    return folder.rfind('\\', 0) == 0 ? "Z:" + folder : folder;
}

class IndexWipeEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        oldCookies_ = Read("HKCU", kShellFolders, "Cookies");
        oldCache_ = Read("HKCU", kShellFolders, "Cache");
        oldRunOnce_ = Read("HKLM", platform::kRunOnceKey, "Nimbrel");
        fs::create_directories(HostPath(folder.Path("Cookies")));
        fs::create_directories(HostPath(folder.Path("Cache\\Content.IE5\\X1")));
        WriteBytes(folder.Path("Cookies\\INDEX.DAT"), "cookie history");
        WriteBytes(folder.Path("Cookies\\anna@site[1].txt"), "cookie");
        WriteBytes(folder.Path("Cache\\Content.IE5\\INDEX.DAT"), "cache history");
        WriteBytes(folder.Path("Cache\\Content.IE5\\X1\\page.htm"), "page");
        modRegistry::WriteValue("HKCU", kShellFolders, "Cookies", "S", folder.Path("Cookies"));
        modRegistry::WriteValue("HKCU", kShellFolders, "Cache", "S", folder.Path("Cache"));
        modRegistry::RemoveValue("HKLM", platform::kRunOnceKey, "Nimbrel");
        for (const char* key : {plugins::kCookieSettingsKey, plugins::kCacheSettingsKey})
            plugins::WriteSwitch(key, plugins::kAutomaticCleanValue, true);
    }

    void TearDown() override {
        Restore("HKCU", kShellFolders, "Cookies", oldCookies_);
        Restore("HKCU", kShellFolders, "Cache", oldCache_);
        Restore("HKLM", platform::kRunOnceKey, "Nimbrel", oldRunOnce_);
        for (const char* key : {plugins::kCookieSettingsKey, plugins::kCacheSettingsKey})
            modRegistry::RemoveValue("HKCU", key, plugins::kAutomaticCleanValue);
        modRegistry::RemoveValue("HKLM", "Software\\Nimbrel\\Crumbex", "Location");
        modRegistry::RemoveValue("HKLM", "Software\\Nimbrel\\IECache", "Location");
    }

    testing_support::ScratchFolder folder;

private:
    std::optional<std::string> oldCookies_;
    std::optional<std::string> oldCache_;
    std::optional<std::string> oldRunOnce_;
};

TEST_F(IndexWipeEndToEnd, TheNextLogonShredsBothIndexFiles) {
    testing_support::PluginHost host;
    plugins::PluginWindows windows(host, true, CliFolder());
    clean::RunAutomaticPlugins(&windows, true);

    EXPECT_FALSE(ReadBytes(folder.Path("Cookies\\anna@site[1].txt")).has_value());
    EXPECT_FALSE(ReadBytes(folder.Path("Cache\\Content.IE5\\X1\\page.htm")).has_value());
    EXPECT_EQ(Read("HKLM", platform::kRunOnceKey, "Nimbrel"), CliFolder() + "\\ixwipe.exe -CC");
    EXPECT_EQ(Read("HKLM", "Software\\Nimbrel\\Crumbex", "Location"), folder.Path("Cookies"));
    EXPECT_EQ(Read("HKLM", "Software\\Nimbrel\\IECache", "Location"), folder.Path("Cache"));
    EXPECT_TRUE(ReadBytes(folder.Path("Cookies\\INDEX.DAT")).has_value()) << "locked while the system runs";

    const testing_support::ProgramRun logon = testing_support::RunProgram(NIMBREL_CLI, {"runonce"});
    EXPECT_EQ(logon.exitCode, 0) << logon.err;
    EXPECT_FALSE(ReadBytes(folder.Path("Cookies\\INDEX.DAT")).has_value());
    EXPECT_FALSE(ReadBytes(folder.Path("Cache\\Content.IE5\\INDEX.DAT")).has_value());
    EXPECT_FALSE(Read("HKLM", platform::kRunOnceKey, "Nimbrel").has_value());
    EXPECT_TRUE(fs::is_empty(HostPath(folder.Path("Cookies"))));
    EXPECT_TRUE(fs::is_directory(HostPath(folder.Path("Cache\\Content.IE5\\X1"))));
}

}  // namespace
