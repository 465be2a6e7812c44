// The settings window on a scratch machine: loading the boxes from the
// ignore store, saving, deleting, the way to the plug-ins and the "?"
// buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry_api.h"
#include "registry/key_contents.h"
#include "registry/mod_registry.h"
#include "scan/category_switch.h"
#include "settings/scan_categories.h"
#include "settings/settings_help.h"
#include "settings/settings_window_model.h"
#include "tests/support/recording_host.h"
#include "tests/support/scratch_prefix.h"

namespace {

using settings::kCategoryCount;
using settings::kScanCategories;
using settings::SettingsWindowModel;

const std::string kTrueBytes("\xFF\xFF", 2);
const std::string kFalseBytes("\x00\x00", 2);

std::size_t Index(const char* id) { return settings::CategoryIndex(id); }

class SettingsWindowTest : public ::testing::Test {
protected:
    // The raw data of a value under the ignore store, if it exists.
    static std::optional<std::string> Stored(const std::string& name, const char* key = scan::kIgnoreKey) {
        platform::HKey handle = 0;
        if (platform::RegOpenKey(platform::kHkeyCurrentUser, key, platform::kKeyQueryValue, &handle) != 0)
            return std::nullopt;
        registry::ValueEntry entry;
        const long rc = registry::QueryValueEntry(handle, name, entry);
        platform::RegCloseKey(handle);
        if (rc != 0) return std::nullopt;
        return entry.data;
    }
    static void Store(const std::string& name, const std::string& bytes, const char* key = scan::kIgnoreKey) {
        platform::HKey handle = 0;
        ASSERT_EQ(platform::RegCreateKey(platform::kHkeyCurrentUser, key, platform::kKeyAllAccess, &handle), 0);
        EXPECT_EQ(platform::RegSetValue(handle, name, platform::kRegBinary,
                                        reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                        static_cast<std::uint32_t>(bytes.size())),
                  0);
        platform::RegCloseKey(handle);
    }
    static bool KeyExists(const char* key) {
        platform::HKey handle = 0;
        if (platform::RegOpenKey(platform::kHkeyCurrentUser, key, platform::kKeyQueryValue, &handle) != 0) return false;
        platform::RegCloseKey(handle);
        return true;
    }
    std::vector<bool> Boxes() const {
        std::vector<bool> boxes;
        for (std::size_t i = 0; i < kCategoryCount; ++i) boxes.push_back(window.Checked(i));
        return boxes;
    }
    // Every box checked except "Customize Notifications Past Items" and
    // the shell bags.
    static std::vector<bool> DefaultBoxes() {
        std::vector<bool> boxes(kCategoryCount, true);
        boxes[Index("cleartraynotify")] = false;
        boxes[Index("shellbags")] = false;
        return boxes;
    }

    testing_support::ScratchPrefix prefix;
    testing_support::RecordingHost host;
    SettingsWindowModel window{host};
};

TEST_F(SettingsWindowTest, AnEmptyStoreChecksEveryBoxButTheNotificationAreaAndTheShellBags) {
    window.Load();
    EXPECT_EQ(Boxes(), DefaultBoxes());
}

struct StoredRow {
    const char* name;
    const char* id;
    std::string bytes;
    bool checked;
};

class StoredValueTest : public SettingsWindowTest, public ::testing::WithParamInterface<StoredRow> {};

TEST_P(StoredValueTest, LoadsTheBox) {
    Store(GetParam().id, GetParam().bytes);
    window.Load();
    EXPECT_EQ(window.Checked(Index(GetParam().id)), GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValueTest,
    ::testing::Values(StoredRow{"FalseUnchecks", "WinRun", kFalseBytes, false},
                      StoredRow{"TrueChecks", "WinRun", kTrueBytes, true},
                      StoredRow{"TrueChecksTheNotificationArea", "cleartraynotify", kTrueBytes, true},
                      StoredRow{"FalseUnchecksTheNotificationArea", "cleartraynotify", kFalseBytes, false},
                      StoredRow{"TrueChecksTheShellBags", "shellbags", kTrueBytes, true},
                      // Neither true nor false: the box stays as it starts.
                      StoredRow{"OneZeroLeavesChecked", "vs6", std::string("\x01\x00", 2), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, IdsInAnotherCaseReadTheSameValue) {
    Store("OFFICEFOLDER", kFalseBytes);
    window.Load();
    EXPECT_FALSE(window.Checked(Index("OfficeFolder")));
}

TEST_F(SettingsWindowTest, SaveWritesEveryValueAndSaysSo) {
    window.Load();
    window.SetChecked(Index("cleartraynotify"), true);
    window.SetChecked(Index("shellbags"), true);
    window.SetChecked(Index("userassist"), false);
    window.OnSaveSettingsClick();
    for (const settings::ScanCategory& category : kScanCategories) {
        EXPECT_EQ(Stored(category.id), category.id == std::string("userassist") ? kFalseBytes : kTrueBytes)
            << category.id;
    }
    EXPECT_EQ(host.calls, std::vector<std::string>{"message Nimbrel: Scan Option Settings Saved"});
    EXPECT_TRUE(scan::CategoryOn("cleartraynotify"));
    EXPECT_FALSE(scan::CategoryOn("userassist"));
}

TEST_F(SettingsWindowTest, ClosingWithoutSavingLeavesTheStoreAsItWas) {
    window.Load();
    window.SetChecked(Index("WinRun"), false);
    window.OnCloseClick();
    EXPECT_EQ(Stored("WinRun"), std::nullopt);
    EXPECT_EQ(host.calls, std::vector<std::string>{"unload settings"});
    SettingsWindowModel reopened(host);
    reopened.Load();
    EXPECT_TRUE(reopened.Checked(Index("WinRun")));
}

TEST_F(SettingsWindowTest, DeleteRemovesEveryCategoryValueButKeepsTheKeyAndEveryOtherSetting) {
    for (const settings::ScanCategory& category : kScanCategories) Store(category.id, kFalseBytes);
    Store("SomethingElse", kFalseBytes);
    Store("AutomaticClean", kTrueBytes, "Software\\Nimbrel\\Plugins\\Crumbex");
    window.Load();
    window.OnDeleteSettingsClick();

    EXPECT_TRUE(KeyExists(scan::kIgnoreKey));
    for (const settings::ScanCategory& category : kScanCategories) EXPECT_EQ(Stored(category.id), std::nullopt);
    EXPECT_EQ(Stored("SomethingElse"), kFalseBytes);
    EXPECT_EQ(Stored("AutomaticClean", "Software\\Nimbrel\\Plugins\\Crumbex"), kTrueBytes);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{
                  "message Nimbrel: All Nimbrel Settings deleted from registry.\n\nThis means that all ignore "
                  "options are removed - Nimbrel will default to scanning all items.",
                  "unload settings"}));

    SettingsWindowModel reopened(host);
    reopened.Load();
    std::vector<bool> boxes;
    for (std::size_t i = 0; i < kCategoryCount; ++i) boxes.push_back(reopened.Checked(i));
    EXPECT_EQ(boxes, DefaultBoxes());
}

TEST_F(SettingsWindowTest, GoToPluginsSavesSilentlyAndLeavesOnlyThePluginPanel) {
    window.Load();
    window.SetChecked(Index("WinFind"), false);
    window.OnGoToPluginsClick();
    EXPECT_EQ(Stored("WinFind"), kFalseBytes);
    EXPECT_EQ(Stored("cleartraynotify"), kFalseBytes);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show plugin panel", "unload main", "unload settings"}));
}

TEST_F(SettingsWindowTest, EachQuestionButtonShowsItsTitleAndParagraphs) {
    for (std::size_t help = 0; help < settings::kHelpCount; ++help) {
        host.calls.clear();
        window.OnHelpButtonClick(help);
        const settings::CategoryHelp& entry = settings::kCategoryHelp[help];
        EXPECT_EQ(host.calls, std::vector<std::string>{std::string("message ") + entry.title + ": " + entry.text});
        EXPECT_EQ(std::string(entry.text).find('\r'), std::string::npos);
        EXPECT_EQ(std::string(entry.text).find("\n\n\n"), std::string::npos);
    }
}

TEST(ScanCategoriesTest, TheTableAgreesWithTheScanDriverAndTheWindowLayout) {
    std::set<std::string> ids;
    for (const settings::ScanCategory& category : kScanCategories) {
        ids.insert(category.id);
        EXPECT_EQ(category.defaultOn, scan::CategoryDefault(category.id)) << category.id;
    }
    EXPECT_EQ(ids.size(), kCategoryCount);

    std::multiset<std::string> laidOut(SettingsWindowModel::kLeftColumn.begin(),
                                       SettingsWindowModel::kLeftColumn.end());
    laidOut.insert(SettingsWindowModel::kRightColumn.begin(), SettingsWindowModel::kRightColumn.end());
    laidOut.insert(SettingsWindowModel::kNewerLeftColumn.begin(), SettingsWindowModel::kNewerLeftColumn.end());
    laidOut.insert(SettingsWindowModel::kNewerRightColumn.begin(), SettingsWindowModel::kNewerRightColumn.end());
    EXPECT_EQ(std::set<std::string>(laidOut.begin(), laidOut.end()), ids);
    EXPECT_EQ(laidOut.size(), kCategoryCount);

    std::set<std::string> besides;
    for (const settings::CategoryHelp& help : settings::kCategoryHelp) {
        EXPECT_EQ(ids.count(help.categoryId), 1u) << help.categoryId;
        besides.insert(help.categoryId);
    }
    EXPECT_EQ(besides.size(), settings::kHelpCount);
}

}  // namespace
