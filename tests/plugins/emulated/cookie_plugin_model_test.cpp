// The Crumbex plug-in on a machine of its own: what its load step lists,
// which cookies its runs remove, the ignore list's editing and saving, the
// progress and status window of a run, and its buttons.
#include "plugins/cookie_plugin_model.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/run_once.h"
#include "plugins/ignore_list_file.h"
#include "plugins/plugin_settings.h"
#include "registry/mod_registry.h"
#include "tests/support/plugin_host.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"

namespace {

namespace fs = std::filesystem;
using plugins::CookiePluginModel;
using testing_support::HostPath;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using Names = std::vector<std::string>;

const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kProgramFolder = "C:\\Program Files\\Nimbrel";

std::string ReadText(const std::string& root, const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue(root, key, name, "S", modRegistry::ValueHolder("<none>"), value);
    return value.Text();
}

// Notes the progress bar as the status window is unloaded.
class Host : public testing_support::PluginHost {
public:
    void UnloadWindow(host::Window window) override {
        if (window == host::Window::kPluginStatus && status != nullptr) finalProgress = status->Progress().Percent;
        PluginHost::UnloadWindow(window);
    }
    const plugins::PluginStatusModel* status = nullptr;
    int finalProgress = -1;
};

class CookiePlugin : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(HostPath(kProgramFolder));
        cookies = ReadText("HKCU", kShellFolders, "Cookies");
        for (const char* name : {"anna@site[1].txt", "Bob@site[2].txt", "carl@shop[1].txt", "dora@news[1].txt"})
            WriteBytes(cookies + "\\" + name, "cookie");
        WriteBytes(cookies + "\\index.dat", "locked history");
        WriteBytes(cookies + "\\.hidden.txt", "hidden");
        host.onYield = [this](int) { progress.push_back(status.Progress().Percent); };
        host.status = &status;
    }

    bool Exists(const std::string& name) const { return ReadBytes(cookies + "\\" + name).has_value(); }
    static std::string IgnoreFile() { return plugins::IgnoreListLocation(kProgramFolder).savePath; }

    void SaveIgnoreList(const Names& names) {
        plugins::clsDES des;
        EXPECT_EQ(plugins::SaveIgnoreList(IgnoreFile(), names, des), "");
    }

    testing_support::ScratchPrefix prefix;
    Host host;
    plugins::PluginStatusModel status{host};
    CookiePluginModel plugin{host, status, kProgramFolder};
    std::string cookies;
    std::vector<int> progress;
};

TEST_F(CookiePlugin, LoadListsTheOrdinaryTxtFilesAndTheFolder) {
    plugin.Load(false);
    EXPECT_EQ(plugin.FileList().Names(),
              (Names{"anna@site[1].txt", "Bob@site[2].txt", "carl@shop[1].txt", "dora@news[1].txt"}));
    EXPECT_EQ(plugin.FolderText(), cookies);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(plugin.CheckAutomaticClean());
    EXPECT_FALSE(plugin.CheckSecureDelete());
    EXPECT_FALSE(plugin.ConfigurationButton().enabled);
}

class CookiePluginWithoutFolder : public CookiePlugin, public testing::WithParamInterface<bool> {};

TEST_P(CookiePluginWithoutFolder, ListsAndCleansNothingAndSaysSoOnlyWhenNotSilent) {
    const bool valueMissing = GetParam();
    if (valueMissing) {
        modRegistry::RemoveValue("HKCU", kShellFolders, "Cookies");
    } else {
        modRegistry::WriteValue("HKCU", kShellFolders, "Cookies", "S", "C:\\No Such Folder");
    }
    plugin.Load(true);
    EXPECT_TRUE(host.calls.empty()) << "a silent load shows no message box";

    CookiePluginModel interactive(host, status, kProgramFolder);
    interactive.Load(false);
    EXPECT_EQ(host.calls,
              Names{"message Nimbrel: The Crumbex Plug-in can't find your Internet Explorer cookies folder."});
    EXPECT_TRUE(interactive.FileList().Names().empty());
    EXPECT_EQ(interactive.FolderText(), "");

    interactive.NormalDelete(false);
    plugin.NormalDelete(true);
    EXPECT_TRUE(Exists("Bob@site[2].txt"));
    EXPECT_FALSE(status.Loaded());
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
    EXPECT_EQ(ReadText("HKLM", "Software\\Nimbrel\\Crumbex", "Location"), "<none>");
}

INSTANTIATE_TEST_SUITE_P(Cases, CookiePluginWithoutFolder, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "ValueMissing" : "FolderMissing";
                         });

TEST_F(CookiePlugin, NormalDeleteSparesExactNamesOnlyAndSchedulesTheIndex) {
    SaveIgnoreList({"anna@site[1].txt", "bob@site[2].txt"});
    plugin.Load(false);
    plugin.NormalDelete(false);
    EXPECT_TRUE(Exists("anna@site[1].txt"));
    EXPECT_FALSE(Exists("Bob@site[2].txt")) << "the ignore list compares letter case";
    EXPECT_FALSE(Exists("carl@shop[1].txt"));
    EXPECT_FALSE(Exists("dora@news[1].txt"));
    EXPECT_TRUE(Exists("index.dat"));
    EXPECT_TRUE(Exists(".hidden.txt"));
    EXPECT_EQ(plugin.FileList().Names(), Names{"anna@site[1].txt"});
    EXPECT_EQ(ReadText("HKLM", "Software\\Nimbrel\\Crumbex", "Location"), cookies);
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), kProgramFolder + "\\ixwipe.exe -COOKIES");
}

TEST_F(CookiePlugin, ACookieWithALongNameOnTheListIsKept) {
    const std::string longName = "anna@" + std::string(188, 'l') + "[1].txt";
    ASSERT_EQ(longName.size(), 200u);
    WriteBytes(cookies + "\\" + longName, "cookie");
    SaveIgnoreList({"carl@shop[1].txt", longName});
    plugin.Load(true);
    plugin.NormalDelete(true);
    EXPECT_EQ(plugin.FileList().Names(), (Names{longName, "carl@shop[1].txt"}));
}

TEST_F(CookiePlugin, ARunShowsItsStatusAndProgressAfterEachFile) {
    plugin.Load(false);
    plugin.NormalDelete(false);
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75}));
    EXPECT_EQ(host.finalProgress, 100);
    EXPECT_EQ(host.calls,
              (Names{"topmost plugin status", "show plugin status", "hide plugin status", "unload plugin status"}));
    EXPECT_FALSE(status.Loaded());
}

TEST_F(CookiePlugin, ASilentRunShowsNoWindowButStillDeletesAndSchedules) {
    plugin.Load(true);
    plugin.NormalDelete(true);
    for (const std::string& call : host.calls) EXPECT_EQ(call.rfind("show", 0), std::string::npos) << call;
    EXPECT_FALSE(Exists("anna@site[1].txt"));
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), kProgramFolder + "\\ixwipe.exe -COOKIES");
}

TEST_F(CookiePlugin, AnEmptyFolderStillEndsAtOneHundredAndSchedules) {
    for (const std::string& name : Names{"anna@site[1].txt", "Bob@site[2].txt", "carl@shop[1].txt", "dora@news[1].txt"})
        fs::remove(HostPath(cookies + "\\" + name));
    plugin.Load(false);
    plugin.SecureDelete(false);
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(host.finalProgress, 100);
    EXPECT_EQ(host.calls.back(), "unload plugin status");
    EXPECT_TRUE(Exists("index.dat"));
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), kProgramFolder + "\\ixwipe.exe -COOKIES");
}

TEST_F(CookiePlugin, SecureDeleteShredsWhatIsNotKeptAndLeavesNoTemporaryName) {
    SaveIgnoreList({"carl@shop[1].txt"});
    modRegistry::WriteValue("HKCU", plugins::kCookieSettingsKey, "WipePasses", "S", "1");
    plugin.Load(false);
    std::string statusLine;
    host.onYield = [&](int) { statusLine = status.Status().caption + " / " + status.Status2().caption; };
    plugin.SecureDelete(false);
    EXPECT_EQ(statusLine,
              "Cleaning cookie files (secure file shredding method) / Please be patient... (the file "
              "shredding may take a couple minutes)");
    EXPECT_EQ(plugin.FileList().Names(), Names{"carl@shop[1].txt"});
    EXPECT_FALSE(Exists("~"));
}

TEST_F(CookiePlugin, ALinkAmongTheCookiesGoesAsALinkAndItsTargetStays) {
    fs::create_directories(HostPath("C:\\Elsewhere"));
    WriteBytes("C:\\Elsewhere\\precious.txt", "keep me");
    fs::create_symlink(HostPath("C:\\Elsewhere\\precious.txt"), HostPath(cookies + "\\linked@site.txt"));
    plugin.Load(false);
    plugin.SecureDelete(true);
    EXPECT_FALSE(fs::is_symlink(HostPath(cookies + "\\linked@site.txt")));
    EXPECT_EQ(ReadBytes("C:\\Elsewhere\\precious.txt"), "keep me");
}

TEST_F(CookiePlugin, IgnoreListEditingAddsEachNameOnceAndRemovesTheSelection) {
    SaveIgnoreList({"carl@shop[1].txt"});
    plugin.Load(false);
    plugin.OnMoveCookieToIgnoreClick();  // nothing selected
    EXPECT_EQ(plugin.CookieIgnoreList(), Names{"carl@shop[1].txt"});
    plugin.SelectCookie(1);
    plugin.OnMoveCookieToIgnoreClick();
    plugin.OnMoveCookieToIgnoreClick();
    EXPECT_EQ(plugin.CookieIgnoreList(), (Names{"carl@shop[1].txt", "Bob@site[2].txt"}));
    plugin.OnMoveAllToIgnoreClick();
    EXPECT_EQ(plugin.CookieIgnoreList(),
              (Names{"carl@shop[1].txt", "Bob@site[2].txt", "anna@site[1].txt", "dora@news[1].txt"}));
    plugin.OnDeleteFromIgnoreClick();  // nothing selected
    EXPECT_EQ(plugin.CookieIgnoreList().size(), 4u);
    plugin.SelectIgnoreEntry(1);
    plugin.OnDeleteFromIgnoreClick();
    EXPECT_EQ(plugin.CookieIgnoreList(), (Names{"carl@shop[1].txt", "anna@site[1].txt", "dora@news[1].txt"}));
}

TEST_F(CookiePlugin, CloseDropsUnsavedEditsAndSaveKeepsThem) {
    SaveIgnoreList({"carl@shop[1].txt"});
    plugin.Load(false);
    plugin.OnMoveAllToIgnoreClick();
    plugin.OnCloseClick();
    EXPECT_EQ(host.calls.back(), "unload cookie plugin");

    CookiePluginModel reopened(host, status, kProgramFolder);
    reopened.Load(false);
    EXPECT_EQ(reopened.CookieIgnoreList(), Names{"carl@shop[1].txt"});
    reopened.SelectCookie(0);
    reopened.OnMoveCookieToIgnoreClick();
    reopened.OnSaveIgnoreListClick();

    CookiePluginModel third(host, status, kProgramFolder);
    third.Load(false);
    EXPECT_EQ(third.CookieIgnoreList(), (Names{"carl@shop[1].txt", "anna@site[1].txt"}));
}

TEST_F(CookiePlugin, SaveAllSettingsWritesTheSwitchesAndTheListAndSaysSo) {
    plugin.Load(false);
    plugin.SetCheckAutomaticClean(true);
    plugin.OnCheckSecureDeleteClick(true);
    EXPECT_TRUE(plugin.ConfigurationButton().enabled);
    plugin.SelectCookie(3);
    plugin.OnMoveCookieToIgnoreClick();
    plugin.OnSaveAllSettingsClick();
    EXPECT_EQ(host.calls.back(), "message Settings Saved: All Crumbex Plug-in Settings saved!");
    EXPECT_TRUE(plugins::ReadSwitch(plugins::kCookieSettingsKey, "AutomaticClean"));
    EXPECT_TRUE(plugins::ReadSwitch(plugins::kCookieSettingsKey, "SecureDelete"));
    plugins::clsDES des;
    EXPECT_EQ(plugins::LoadIgnoreList(IgnoreFile(), des).names, Names{"dora@news[1].txt"});
    EXPECT_TRUE(Exists("dora@news[1].txt"));
}

TEST_F(CookiePlugin, SaveAndRunNowRunsWithTheSavedMethodAndKeepsTheNewList) {
    plugin.Load(false);
    plugin.OnCheckSecureDeleteClick(true);
    plugin.SelectCookie(0);
    plugin.OnMoveCookieToIgnoreClick();
    std::string method;
    host.onYield = [&](int) { method = status.Status().caption; };
    plugin.OnRunNowClick();
    EXPECT_EQ(method, CookiePluginModel::kStatusSecure);
    EXPECT_EQ(plugin.FileList().Names(), Names{"anna@site[1].txt"});
    EXPECT_FALSE(plugins::ReadSwitch(plugins::kCookieSettingsKey, "AutomaticClean"));
}

TEST_F(CookiePlugin, ConfigurationOpensTheOptionsOnlyWhenSecureDeletionIsOn) {
    plugin.Load(false);
    plugin.OnConfigurationClick();
    EXPECT_TRUE(host.calls.empty());
    plugin.OnCheckSecureDeleteClick(true);
    plugin.OnConfigurationClick();
    EXPECT_EQ(host.calls, Names{"show cookie secure deletion"});
}

// What stands in the ignore list's place, and what it is called then.
struct UnreadableRow {
    const char* name;
    void (*make)(const fs::path& place);
    const char* reason;
};

class CookiePluginUnreadableList : public CookiePlugin, public testing::WithParamInterface<UnreadableRow> {};

TEST_P(CookiePluginUnreadableList, IsSaidOnceAndNoCookieIsDeleted) {
    SaveIgnoreList({"anna@site[1].txt"});
    const fs::path place = HostPath(IgnoreFile());
    fs::remove(place);
    GetParam().make(place);
    const fs::file_type type = fs::symlink_status(place).type();

    plugin.Load(true);
    EXPECT_EQ(host.calls, Names{"message Nimbrel: " + std::string(CookiePluginModel::kUnreadableListMessage) +
                                IgnoreFile() + GetParam().reason});
    EXPECT_TRUE(plugin.CookieIgnoreList().empty());
    plugin.NormalDelete(true);
    plugin.SecureDelete(true);
    plugin.OnRunNowClick();
    EXPECT_EQ(host.calls.back(), "message Nimbrel: " + std::string(CookiePluginModel::kUnsavedListMessage) +
                                     IgnoreFile() + GetParam().reason);
    EXPECT_EQ(host.calls.size(), 2u);
    EXPECT_EQ(plugin.FileList().Names().size(), 4u);
    EXPECT_EQ(ReadText("HKLM", platform::kRunOnceKey, "Nimbrel"), "<none>");
    EXPECT_EQ(fs::symlink_status(place).type(), type) << "what stands there is left alone";
}

INSTANTIATE_TEST_SUITE_P(
    Places, CookiePluginUnreadableList,
    testing::Values(UnreadableRow{"Fifo", [](const fs::path& place) { ASSERT_EQ(mkfifo(place.c_str(), 0600), 0); },
                                  " is not a regular file"},
                    UnreadableRow{"LinkToDevZero",
                                  [](const fs::path& place) { fs::create_symlink("/dev/zero", place); },
                                  " is not a regular file"},
                    UnreadableRow{"LinkToAList",
                                  [](const fs::path& place) {
                                      plugins::clsDES des;
                                      plugins::SaveIgnoreList("C:\\elsewhere.ini", {"anna@site[1].txt"}, des);
                                      fs::create_symlink(HostPath("C:\\elsewhere.ini"), place);
                                  },
                                  " is not a regular file"},
                    UnreadableRow{"OverOneMiB",
                                  [](const fs::path& place) {
                                      std::ofstream(place, std::ios::binary) << std::string(40u << 20, '\n');
                                  },
                                  " is larger than 1 MiB, more than an ignore list ever holds"}),
    [](const testing::TestParamInfo<UnreadableRow>& info) { return info.param.name; });

struct ButtonRow {
    const char* name;
    void (CookiePluginModel::*click)();
    std::string message;
};

class CookiePluginMessage : public CookiePlugin, public testing::WithParamInterface<ButtonRow> {};

TEST_P(CookiePluginMessage, ShowsItsText) {
    plugin.Load(false);
    (plugin.*GetParam().click)();
    EXPECT_EQ(host.calls, Names{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(Buttons, CookiePluginMessage,
                         testing::Values(ButtonRow{"Help", &CookiePluginModel::OnHelpClick,
                                                   std::string("message question Plug-in Notes/Help: ") +
                                                       CookiePluginModel::kHelpMessage},
                                         ButtonRow{"MoreInformation", &CookiePluginModel::OnMoreInformationClick,
                                                   std::string("message information About Secure File Deletion: ") +
                                                       CookiePluginModel::kSecureDeletionMessage},
                                         ButtonRow{"WhatIsTheIgnoreList", &CookiePluginModel::OnQuestionIgnoreListClick,
                                                   std::string("message information What is the ignore list?: ") +
                                                       CookiePluginModel::kIgnoreListMessage}),
                         [](const testing::TestParamInfo<ButtonRow>& info) { return info.param.name; });

}  // namespace
