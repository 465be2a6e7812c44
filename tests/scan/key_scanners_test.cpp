// The key-enumerating scanners, each on a fixture of its own: the rows in
// order with every column, and the counter each raises.
#include "scan/key_scanners.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clean/clean_item.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "scan/record.h"
#include "scan/scan_driver.h"
#include "scan/subkey_list.h"
#include "settings/scan_categories.h"
#include "tests/scan/scan_fixture.h"

namespace {

using scan::DetectedItem;

constexpr const char* kUserAssist = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\";
constexpr const char* kGuid1 = "{5E6AB780-7743-11CF-A12B-00AA004AE837}";
constexpr const char* kGuid2 = "{75048700-EF1F-11D0-9888-006097DEACF9}";
constexpr const char* kUnreadMail = "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail\\";
constexpr const char* kTrayNotify = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";

DetectedItem KeyRow(std::string label, std::string root, std::string parent, std::string name) {
    return {std::move(label), std::move(root), std::move(parent), std::move(name), "", "Key"};
}
DetectedItem ValueRow(std::string label, std::string key, std::string name, std::string type) {
    return {std::move(label), "HKCU", std::move(key), std::move(name), std::move(type), "Value"};
}

class KeyScannersTest : public scan_testing::ScanTest {
protected:
    void Run(const char* fixture, scan::Scanner scanner) {
        scan_testing::ImportFixture(fixture);
        window.EnumList = scan::ListUserHives(window.registry);
        scanner(ctx);
    }
    std::vector<DetectedItem> Rows() const {
        std::vector<DetectedItem> rows;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) rows.push_back(results.store.Row(row));
        return rows;
    }
};

TEST_F(KeyScannersTest, UserAssistRecordsEachCountKeyEvenEmptyOnePerRoot) {
    Run("user_assist.reg", scan::ScanUserAssist);
    EXPECT_EQ(Rows(),
              (std::vector<DetectedItem>{KeyRow(std::string("Windows UserAssist MRU - ") + kGuid1, "HKCU",
                                                std::string(kUserAssist) + kGuid1 + "\\", "Count"),
                                         KeyRow(std::string("Windows UserAssist MRU (Default) - ") + kGuid2, "HKU",
                                                std::string(".Default\\") + kUserAssist + kGuid2 + "\\", "Count")}));
    EXPECT_EQ(window.listsdetected.caption, "2");
    EXPECT_EQ(window.itemsdetected.caption, "0");
}

TEST_F(KeyScannersTest, GoogleToolbarLabelsEachHiveByItsPosition) {
    Run("google_toolbar.reg", scan::ScanGoogleToolbar);
    ASSERT_EQ(window.EnumList, (std::vector<std::string>{".DEFAULT", "S-1-5-21-0-0-0-1000", "S-1-5-21-0-0-0-1002"}));
    EXPECT_EQ(Rows(), (std::vector<DetectedItem>{
                          KeyRow("Google Toolbar - History", "HKCU", "Software\\Google\\NavClient\\1.1\\", "History"),
                          KeyRow("Google Toolbar - History {1}", "HKU",
                                 "S-1-5-21-0-0-0-1000\\Software\\Google\\NavClient\\1.1\\", "History"),
                          KeyRow("Google Toolbar - History {2}", "HKU",
                                 "S-1-5-21-0-0-0-1002\\Software\\Google\\NavClient\\1.1\\", "History")}));
    EXPECT_EQ(window.listsdetected.caption, "3");
}

TEST_F(KeyScannersTest, OutlookExpressReadsEveryFileOfEachIdentityThenTheCommonList) {
    Run("outlook_express.reg", scan::ScanOutlookExpressIdentities);
    const std::string first =
        "Identities\\{11111111-1111-1111-1111-111111111111}\\Software\\Microsoft\\Outlook Express\\5.0\\";
    const std::string second =
        "Identities\\{22222222-2222-2222-2222-222222222222}\\Software\\Microsoft\\Outlook Express\\5.0\\";
    EXPECT_EQ(Rows(),
              (std::vector<DetectedItem>{
                  ValueRow("Outlook Express 5.0 - Recent Stationery List - File0", first + "Recent Stationery List",
                           "File0", "S"),
                  ValueRow("Outlook Express 5.0 - Recent Stationery List - File3", first + "Recent Stationery List",
                           "File3", "S"),
                  ValueRow("Outlook Express 5.0 - Recent Stationery Wide List - File25",
                           first + "Recent Stationery Wide List", "File25", "S"),
                  ValueRow("Outlook Express 5.0 - Save Attachment Path MRU", first, "Save Attachment Path", "S"),
                  ValueRow("Outlook Express 5.0 - Save Attachment Path MRU", second, "Save Attachment Path", "S"),
                  ValueRow("Outlook Express - Recent Stationery List - File1",
                           "Software\\Microsoft\\Outlook Express\\Recent Stationery List", "File1", "S")}));
    EXPECT_EQ(window.itemsdetected.caption, "6");
    EXPECT_EQ(window.listsdetected.caption, "0");
}

TEST_F(KeyScannersTest, OutlookExpressWithoutIdentitiesStillReadsTheCommonList) {
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Outlook Express\\Recent Stationery List]\n"
        "\"File0\"=\"Leaves.htm\"\n");
    scan::ScanOutlookExpressIdentities(ctx);
    EXPECT_EQ(Labels(), std::vector<std::string>{"Outlook Express - Recent Stationery List - File0"});
    EXPECT_TRUE(window.subkeyNames.empty());
}

TEST_F(KeyScannersTest, TrayNotifyRecordsDataOfAnyLengthButNotEmptyDataAsB) {
    Run("tray_notify.reg", scan::ScanTrayNotify);
    EXPECT_EQ(
        Rows(),
        (std::vector<DetectedItem>{ValueRow("Windows - Past Items List in Customize Notifications - PastIconsStream",
                                            kTrayNotify, "PastIconsStream", "B")}));
    EXPECT_EQ(window.itemsdetected.caption, "1");
}

TEST_F(KeyScannersTest, UnreadMailRecordsOneKeyPerAccount) {
    Run("unread_mail.reg", scan::ScanUnreadMail);
    EXPECT_EQ(
        Rows(),
        (std::vector<DetectedItem>{
            KeyRow("Windows - UnreadMail Count MRU List - anna@example.org", "HKCU", kUnreadMail, "anna@example.org"),
            KeyRow("Windows - UnreadMail Count MRU List - bob@example.net", "HKCU", kUnreadMail, "bob@example.net")}));
    EXPECT_EQ(window.itemsdetected.caption, "2");
}

TEST_F(KeyScannersTest, AnUnreadMailAccountWithSubkeysStaysAndIsReportedSo) {
    Run("unread_mail.reg", scan::ScanUnreadMail);
    const std::string windows = platform::WindowsDirectory();
    EXPECT_EQ(clean::CleanItem(results.store.Row(0), windows).result, clean::RowResult::kDeleted);
    EXPECT_EQ(clean::CleanItem(results.store.Row(1), windows).result, clean::RowResult::kFailed);
    std::string text;
    modRegistry::ReadSection("HKCU", std::string(kUnreadMail) + "anna@example.org", text);
    EXPECT_TRUE(text.empty());
    modRegistry::ReadSection("HKCU", std::string(kUnreadMail) + "bob@example.net", text);
    EXPECT_FALSE(text.empty());
}

TEST_F(KeyScannersTest, NothingThereRecordsNothing) {
    window.EnumList = scan::ListUserHives(window.registry);
    for (scan::Scanner scanner : {scan::ScanUserAssist, scan::ScanGoogleToolbar, scan::ScanOutlookExpressIdentities,
                                  scan::ScanTrayNotify, scan::ScanUnreadMail}) {
        scanner(ctx);
    }
    EXPECT_EQ(results.store.RowCount(), 0u);
}

// Through the whole scan: the switches that decide whether the scanners run.
class KeyScannerSwitchesTest : public KeyScannersTest {
protected:
    void ScanWithEverySwitch(bool on) {
        for (const settings::ScanCategory& category : settings::kScanCategories) {
            modRegistry::WriteValue("HKCU", "Software\\Nimbrel\\Ignore", category.id, "B",
                                    modRegistry::ValueHolder::Boolean(on));
        }
        scan::Scan(ctx);
    }
    bool HasLabel(const std::string& label) const {
        const auto labels = Labels();
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    }
};

TEST_F(KeyScannerSwitchesTest, OutlookExpressRunsWithEveryCategoryOff) {
    scan_testing::ImportFixture("outlook_express.reg");
    scan_testing::ImportFixture("user_assist.reg");
    ScanWithEverySwitch(false);
    EXPECT_TRUE(HasLabel("Outlook Express - Recent Stationery List - File1"));
    EXPECT_FALSE(HasLabel(std::string("Windows UserAssist MRU - ") + kGuid1));
}

TEST_F(KeyScannerSwitchesTest, TheNotificationAreaIsScannedOnlyWhenSwitchedOn) {
    scan_testing::ImportFixture("tray_notify.reg");
    scan::Scan(ctx);  // no switch stored
    EXPECT_FALSE(HasLabel("Windows - Past Items List in Customize Notifications - PastIconsStream"));
    results.store.Clear();
    ScanWithEverySwitch(true);
    EXPECT_TRUE(HasLabel("Windows - Past Items List in Customize Notifications - PastIconsStream"));
}

}  // namespace
