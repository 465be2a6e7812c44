// The temporary-files plug-in on a machine of its own: the subfolders it
// cleans, the files it keeps, its progress, its pass options and its save.
#include "plugins/cache_plugin_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/run_once.h"
#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "tests/support/plugin_host.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using plugins::CachePluginModel;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using Names = std::vector<std::string>;

const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kProgramFolder = "C:\\Tools";

std::string ReadText(const std::string& root, const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(root, key, name, "S", modRegistry::ValueHolder("<none>"), value);
    return value.Text();
}

class CachePlugin : public testing::Test {
protected:
    void SetUp() override {
        cache = ReadText("HKCU", kShellFolders, "Cache");
        content = cache + "\\Content.IE5";
        fs::create_directories(HostPath(content));
        WriteBytes(content + "\\index.dat", "locked history");
        host.onYield = [this](int) {
            if (progress.empty() || progress.back() != status.Progress().Percent)
                progress.push_back(status.Progress().Percent);
        };
    }

    void Files(const std::string& folder, const Names& names) {
        fs::create_directories(HostPath(content + "\\" + folder));
        for (const std::string& name : names) WriteBytes(content + "\\" + folder + "\\" + name, "cached");
    }

    Names Left(const std::string& folder) const {
        Names names;
        for (const auto& entry : fs::directory_iterator(HostPath(content + "\\" + folder)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string RunOnce() const { return ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"); }

    testing_support::ScratchPrefix prefix;
    testing_support::PluginHost host;
    plugins::PluginStatusModel status{host};
    CachePluginModel plugin{host, status, kProgramFolder};
    std::string cache;
    std::string content;
    std::vector<int> progress;
};

TEST_F(CachePlugin, KeepsProgramAndSystemFilesAndDeletesTheRest) {
    Files("ABCD1234", {"setup.EXE", "lib.dll", "filter.ax", "page.htm", "pic.gif", "EXE", "x.exe.htm"});
    plugin.Load(false);
    plugin.NormalDelete(false);
    EXPECT_EQ(Left("ABCD1234"), (Names{"filter.ax", "lib.dll", "setup.EXE"}));
    EXPECT_TRUE(ReadBytes(content + "\\index.dat").has_value());
    EXPECT_EQ(ReadText("HKLM", "Software\\Nimbrel\\IECache", "Location"), cache);
    EXPECT_EQ(RunOnce(), "C:\\Tools\\ixwipe.exe -CACHE");
}

TEST_F(CachePlugin, ProgressCountsEveryFileOfEverySubfolder) {
    Files("A0", {});
    Files("B2", {"one.htm", "two.htm"});
    Files("C2", {"three.htm", "kept.dll"});
    plugin.Load(false);
    EXPECT_EQ(plugin.CacheFolders(), (Names{"A0", "B2", "C2"}));
    plugin.NormalDelete(false);
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_TRUE(Left("B2").empty());
    EXPECT_EQ(Left("C2"), Names{"kept.dll"});
    EXPECT_TRUE(fs::is_directory(HostPath(content + "\\A0"))) << "the subfolders stay";
}

TEST_F(CachePlugin, EmptySubfoldersOnlyStillEndAtOneHundredAndSchedule) {
    Files("A0", {});
    Files("B0", {});
    plugin.Load(false);
    plugin.NormalDelete(false);
    EXPECT_EQ(progress, (std::vector<int>{0, 100}));
    EXPECT_EQ(RunOnce(), "C:\\Tools\\ixwipe.exe -CACHE");
}

TEST_F(CachePlugin, ALinkToAFolderElsewhereIsNoCacheSubfolder) {
    fs::create_directories(HostPath("C:\\Elsewhere"));
    WriteBytes("C:\\Elsewhere\\precious.htm", "keep me");
    fs::create_directory_symlink(HostPath("C:\\Elsewhere"), HostPath(content + "\\LINKED"));
    Files("REAL", {"page.htm"});
    plugin.Load(false);
    EXPECT_EQ(plugin.CacheFolders(), Names{"REAL"});
    plugin.SecureDelete(true);
    EXPECT_EQ(ReadBytes("C:\\Elsewhere\\precious.htm"), "keep me");
    EXPECT_TRUE(Left("REAL").empty());
}

TEST_F(CachePlugin, WithoutContentIe5ARunDoesNothingAtAll) {
    fs::remove_all(HostPath(content));
    plugin.Load(false);
    plugin.NormalDelete(false);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(RunOnce(), "<none>");
}

TEST_F(CachePlugin, AMissingCacheValueIsSaidOnlyWhenNotSilentAndNothingRuns) {
    Files("A1", {"page.htm"});
    modRegistry::RemoveValue("HKCU", kShellFolders, "Cache");
    plugin.Load(true);
    EXPECT_TRUE(host.calls.empty());
    CachePluginModel interactive(host, status, kProgramFolder);
    interactive.Load(false);
    EXPECT_EQ(host.calls, Names{"message Nimbrel: The Plug-in can't find your Internet Explorer cache folder."});
    EXPECT_EQ(interactive.FolderText(), "");
    interactive.NormalDelete(false);
    plugin.NormalDelete(true);
    EXPECT_EQ(Left("A1"), Names{"page.htm"});
    EXPECT_EQ(RunOnce(), "<none>");
}

TEST_F(CachePlugin, ASilentSecureRunShowsNothingAndShreds) {
    Files("A1", {"page.htm", "pic.gif"});
    modRegistry::WriteValue("HKCU", plugins::kCacheSettingsKey, "WipePasses", "S", "1");
    plugin.Load(true);
    plugin.SecureDelete(true);
    for (const std::string& call : host.calls) EXPECT_EQ(call.rfind("show", 0), std::string::npos) << call;
    EXPECT_TRUE(Left("A1").empty());
}

TEST_F(CachePlugin, TheSecureDeleteBoxDrivesThePassOptions) {
    plugin.Load(false);
    EXPECT_FALSE(plugin.Passes().DefaultOption().enabled);
    EXPECT_FALSE(plugin.Passes().CustomOption().enabled);
    EXPECT_FALSE(plugin.Passes().Count().enabled);
    EXPECT_FALSE(plugin.Passes().LabelEnabled());

    modRegistry::WriteValue("HKCU", plugins::kCacheSettingsKey, "WipePasses", "S", "250");
    plugin.OnCheckSecureDeleteClick(true);
    EXPECT_TRUE(plugin.Passes().CustomOption().checked);
    EXPECT_EQ(plugin.Passes().Count().text, "200");
    EXPECT_TRUE(plugin.Passes().Count().enabled);

    plugin.SetText2("12345");
    EXPECT_EQ(plugin.Passes().Count().text, "123");
    plugin.OnCheckSecureDeleteClick(false);
    plugin.OnCheckSecureDeleteClick(true);
    EXPECT_EQ(plugin.Passes().Count().text, "200") << "each click reloads the stored count";

    plugin.OnDefaultPassesClick();
    EXPECT_TRUE(plugin.Passes().DefaultOption().checked);
    EXPECT_EQ(plugin.Passes().Count().text, "");
    EXPECT_FALSE(plugin.Passes().Count().enabled);
    EXPECT_FALSE(plugin.Passes().LabelEnabled());
}

struct SaveRow {
    const char* name;
    std::string typed;
    std::string message;  // empty: accepted
};

class CachePluginRunNow : public CachePlugin, public testing::WithParamInterface<SaveRow> {};

TEST_P(CachePluginRunNow, RefusesABadCountButKeepsTheSwitches) {
    Files("A1", {"page.htm"});
    modRegistry::WriteValue("HKCU", plugins::kCacheSettingsKey, "WipePasses", "S", "9");
    plugin.Load(false);
    plugin.SetCheckAutomaticClean(true);
    plugin.OnCheckSecureDeleteClick(true);
    plugin.SetText2(GetParam().typed);
    plugin.OnRunNowClick();

    EXPECT_TRUE(plugins::ReadSwitch(plugins::kCacheSettingsKey, "AutomaticClean"));
    EXPECT_TRUE(plugins::ReadSwitch(plugins::kCacheSettingsKey, "SecureDelete"));
    const std::string stored = ReadText("HKCU", plugins::kCacheSettingsKey, "WipePasses");
    if (GetParam().message.empty()) {
        EXPECT_EQ(stored, GetParam().typed);
        EXPECT_TRUE(Left("A1").empty());
        EXPECT_EQ(RunOnce(), "C:\\Tools\\ixwipe.exe -CACHE");
    } else {
        EXPECT_EQ(host.calls, Names{"message Nimbrel: " + GetParam().message});
        EXPECT_EQ(stored, "9");
        EXPECT_EQ(Left("A1"), Names{"page.htm"});
        EXPECT_EQ(RunOnce(), "<none>");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CachePluginRunNow,
    testing::Values(
        SaveRow{"Zero", "0", "The number of passes for secure file deletion must be greater than 0."},
        SaveRow{"TwoHundredOne", "201", "The number of passes for secure file deletion must be no more than 200."},
        SaveRow{"NotANumber", "5x", "The number of passes for secure file deletion must be a whole number."},
        SaveRow{"Empty", "", "The number of passes for secure file deletion must be a whole number."},
        SaveRow{"Negative", "-1", "The number of passes for secure file deletion must be greater than 0."},
        SaveRow{"One", "1", ""}),
    [](const testing::TestParamInfo<SaveRow>& info) { return info.param.name; });

TEST_F(CachePlugin, SaveWithTheDefaultOptionRemovesTheCountAndSaysSo) {
    modRegistry::WriteValue("HKCU", plugins::kCacheSettingsKey, "WipePasses", "S", "9");
    plugin.Load(false);
    plugin.OnCheckSecureDeleteClick(true);
    plugin.OnDefaultPassesClick();
    plugin.OnSaveAllSettingsClick();
    EXPECT_EQ(host.calls, Names{"message Settings Saved: All Plug-in Settings saved!"});
    EXPECT_EQ(ReadText("HKCU", plugins::kCacheSettingsKey, "WipePasses"), "<none>");
}

TEST_F(CachePlugin, SaveWithTheBoxClearLeavesTheCount) {
    modRegistry::WriteValue("HKCU", plugins::kCacheSettingsKey, "WipePasses", "S", "9");
    plugin.Load(false);
    plugin.OnSaveAllSettingsClick();
    EXPECT_EQ(ReadText("HKCU", plugins::kCacheSettingsKey, "WipePasses"), "9");
    EXPECT_FALSE(plugins::ReadSwitch(plugins::kCacheSettingsKey, "SecureDelete"));
}

TEST_F(CachePlugin, HelpAndMoreInformationCarryTheirIcons) {
    plugin.Load(false);
    plugin.OnHelpClick();
    plugin.OnMoreInformationClick();
    plugin.OnCloseClick();
    EXPECT_EQ(host.calls, (Names{std::string("message question Plug-in Notes/Help: ") + CachePluginModel::kHelpMessage,
                                 std::string("message information About Secure File Deletion: ") +
                                     CachePluginModel::kSecureDeletionMessage,
                                 "unload ie temp files plugin"}));
}

}  // namespace
