// The steps of Windows Vista to 11 and Office 2007 to 365 on a fixture of
// their own: every row with every column in order, what the clean makes of
// them, and the switch each step runs under.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clean/clean_item.h"
#include "platform/system_info.h"
#include "registry/mod_registry.h"
#include "scan/explorer_history_lists.h"
#include "scan/office_mru_lists.h"
#include "scan/scan_driver.h"
#include "scan/tool_history_lists.h"
#include "tests/scan/scan_fixture.h"

namespace {

using scan::DetectedItem;

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kRecentApps = "Software\\Microsoft\\Windows\\CurrentVersion\\Search\\RecentApps\\";
const std::string kApp = "{2E9B1C4F-0A77-4C1B-9C8E-5D2F6A3B7E10}";
const std::string kAppItem = "{8C4D2A91-3B5E-4F60-A1D7-0E9C6B2F4A83}";
const std::string kSearchPlace = "{9E3995AB-1F9C-4F13-B827-48B24B6C7174}";
const std::string kUserAssist7 = "{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}";
const std::string kShell = "Software\\Microsoft\\Windows\\Shell\\";
const std::string kBob = "S-1-5-21-7";
const std::string kBobClassesShell = kBob + "_Classes\\Local Settings\\Software\\Microsoft\\Windows\\Shell\\";

DetectedItem Value(std::string label, std::string key, std::string name, std::string type, std::string root = "HKCU") {
    return {std::move(label), std::move(root), std::move(key), std::move(name), std::move(type), "Value"};
}
DetectedItem Key(std::string label, std::string parent, std::string name, std::string root = "HKCU") {
    return {std::move(label), std::move(root), std::move(parent), std::move(name), "", "Key"};
}

class NewerWindowsListsTest : public scan_testing::ScanTest {
protected:
    void SetUp() override {
        scan_testing::ImportFixture("newer_windows.reg");
        // The current user once, as HKCU, and a second user's hive.
        window.EnumList = {kBob};
    }
    std::vector<DetectedItem> Rows() const {
        std::vector<DetectedItem> rows;
        for (std::size_t row = 0; row < results.store.RowCount(); ++row) rows.push_back(results.store.Row(row));
        return rows;
    }
    void ScanAll() {
        for (scan::Scanner scanner : {scan::ScanExplorerHistory, scan::ScanUserAssistSeven, scan::ScanRemoteDesktop,
                                      scan::ScanOfficeFileMru, scan::ScanMediaAndTools, scan::ScanShellBags}) {
            scanner(ctx);
        }
    }
    static bool Exists(const std::string& root, const std::string& key, const char* value = nullptr) {
        if (value == nullptr) {
            std::string text;
            modRegistry::ReadSection(root, key, text);
            return !text.empty();
        }
        modRegistry::ValueHolder result;
        modRegistry::ReadValue(root, key, value, "BB", modRegistry::kNone, result);
        return !(result == modRegistry::ValueHolder(modRegistry::kNone));
    }
};

TEST_F(NewerWindowsListsTest, EveryStepRecordsItsListsAndKeysDeepestFirst) {
    ScanAll();
    const std::string words = kExplorer + "WordWheelQuery";
    const std::string sizes = kExplorer + "ComDlg32\\CIDSizeMRU";
    const std::string drives = kExplorer + "Map Network Drive MRU";
    const std::string docx = kExplorer + "ComDlg32\\OpenSavePidlMRU\\docx";
    const std::string app = kRecentApps + kApp + "\\";
    const std::string word = "Software\\Microsoft\\Office\\16.0\\Word\\File MRU";
    const std::string excel = "Software\\Microsoft\\Office\\16.0\\Excel\\User MRU\\ADAL_1F2E3D\\Place MRU";
    const std::string reader = "Software\\Adobe\\Acrobat Reader\\DC\\AVGeneral\\";
    EXPECT_EQ(Rows(),
              (std::vector<DetectedItem>{
                  // Explorer: the lists of fixed keys, then those found by listing.
                  Value("Windows Explorer - Typed Paths - Url1", kExplorer + "TypedPaths", "url1", "S"),
                  Value("Windows Explorer - Search Terms MRU - MAIN", words, "MRUListEx", "B"),
                  Value("Windows Explorer - Search Terms MRU - 0", words, "0", "B"),
                  Value("Dialog - Window Sizes MRU - MAIN", sizes, "MRUListEx", "B"),
                  Value("Dialog - Window Sizes MRU - 0", sizes, "0", "B"),
                  Value("Windows Explorer - Map Network Drive MRU - MAIN", drives, "MRUList", "S"),
                  Value("Windows Explorer - Map Network Drive MRU - (a)", drives, "a", "S"),
                  Value("Windows Explorer - Search Terms MRU ('" + kSearchPlace + "') - 0", words + "\\" + kSearchPlace,
                        "0", "B"),
                  Value("Dialog - Open/Save MRU ('docx') - MAIN", docx, "MRUListEx", "B"),
                  Value("Dialog - Open/Save MRU ('docx') - 0", docx, "0", "B"),
                  Value("Windows Taskbar - Feature Usage (AppLaunch) - Microsoft.Windows.Explorer",
                        kExplorer + "FeatureUsage\\AppLaunch", "Microsoft.Windows.Explorer", "B"),
                  Key("Windows Search - Recent Apps - " + kApp + "\\RecentItems\\" + kAppItem, app + "RecentItems\\",
                      kAppItem),
                  Key("Windows Search - Recent Apps - " + kApp + "\\RecentItems", app, "RecentItems"),
                  Key("Windows Search - Recent Apps - " + kApp, kRecentApps, kApp),
                  // UserAssist: Windows XP's GUID is passed over.
                  Key("Windows UserAssist MRU (Windows 7+) - " + kUserAssist7 + "\\Count",
                      kExplorer + "UserAssist\\" + kUserAssist7 + "\\", "Count"),
                  // Remote Desktop.
                  Value("Remote Desktop - Recent Computers MRU - MRU0",
                        "Software\\Microsoft\\Terminal Server Client\\Default", "MRU0", "S"),
                  Key("Remote Desktop - Servers - fileserver.example.org",
                      "Software\\Microsoft\\Terminal Server Client\\Servers\\", "fileserver.example.org"),
                  // Office: applications in the registry's order, the accounts' lists after an application's own.
                  Value("Office 16.0 - Excel - User MRU (ADAL_1F2E3D) - Place MRU - Item 1", excel, "Item 1", "S"),
                  Value("Office 16.0 - Word - File MRU - Item 1", word, "Item 1", "S"),
                  Value("Office 16.0 - Word - File MRU - Item Metadata 1", word, "Item Metadata 1", "S"),
                  Value("Office 14.0 - Word - Place MRU {0} - Item 1",
                        kBob + "\\Software\\Microsoft\\Office\\14.0\\Word\\Place MRU", "Item 1", "S", "HKU"),
                  // Media and tools: the current user, the second user's WordPad, then the listed keys.
                  Value("WMP - Recent URL List - URL0", "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList",
                        "URL0", "S"),
                  Value("7-Zip - Archive History", "Software\\7-Zip\\Compression", "ArcHistory", "B"),
                  Value("7-Zip - Copy History", "Software\\7-Zip\\FM", "CopyHistory", "B"),
                  Value("MS Wordpad - Recent File List {0} - File1",
                        kBob + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List",
                        "File1", "S", "HKU"),
                  Value("Microsoft RegEdit - Favorites - Run",
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\Favorites", "Run", "B"),
                  Key("Adobe - Acrobat Reader DC - Recent Files List - c1", reader + "cRecentFiles\\", "c1"),
                  Key("Adobe - Acrobat Reader DC - Recent Folders List - c1", reader + "cRecentFolders\\", "c1"),
                  // Shell bags of the user's hive, then of the second user's classes.
                  Key("Windows Shell Bags - BagMRU\\0\\0", kShell + "BagMRU\\0\\", "0"),
                  Key("Windows Shell Bags - BagMRU\\0", kShell + "BagMRU\\", "0"),
                  Key("Windows Shell Bags - BagMRU", kShell, "BagMRU"),
                  Key("Windows Shell Bags - Bags\\1\\Shell", kShell + "Bags\\1\\", "Shell"),
                  Key("Windows Shell Bags - Bags\\1", kShell + "Bags\\", "1"),
                  Key("Windows Shell Bags - Bags", kShell, "Bags"),
                  Key("Windows Shell Bags (Local Settings) {0} - BagMRU\\0", kBobClassesShell + "BagMRU\\", "0", "HKU"),
                  Key("Windows Shell Bags (Local Settings) {0} - BagMRU", kBobClassesShell, "BagMRU", "HKU"),
              }));
    // The order records and the UserAssist counter are lists, the rest items.
    EXPECT_EQ(window.listsdetected.caption, "5");
    EXPECT_EQ(window.itemsdetected.caption, "31");
}

TEST_F(NewerWindowsListsTest, TheCleanDeletesEveryRowInTurnAndLeavesWhatTheStepsLeave) {
    ScanAll();
    ASSERT_GT(results.store.RowCount(), 0u);
    const std::string windows = platform::WindowsDirectory();
    for (std::size_t row = 0; row < results.store.RowCount(); ++row) {
        EXPECT_EQ(clean::CleanItem(results.store.Row(row), windows, results.store.Snapshot(row)).result,
                  clean::RowResult::kDeleted)
            << results.store.Row(row).label;
    }
    results.store.Clear();
    ScanAll();
    EXPECT_EQ(results.store.RowCount(), 0u);

    EXPECT_TRUE(Exists("HKCU", kExplorer + "UserAssist\\" + kUserAssist7, "Version"));
    EXPECT_TRUE(Exists("HKCU", kExplorer + "UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count"));
    EXPECT_TRUE(Exists("HKCU", "Software\\Microsoft\\Office\\16.0\\Word\\File MRU", "Max Display"));
    EXPECT_TRUE(Exists("HKCU", "Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c4"));
    EXPECT_TRUE(Exists("HKCU", "Software\\7-Zip\\Compression", "Level"));
    EXPECT_TRUE(Exists("HKCU", "Software\\7-Zip\\FM", "FolderHistory"));
    EXPECT_TRUE(Exists("HKCU", kRecentApps));
    EXPECT_TRUE(Exists("HKCU", kShell));
}

// Through the whole scan: each step under its own switch, the shell bags
// only when switched on.
struct NewerStep {
    const char* id;
    const char* labelPrefix;
};

class NewerStepSwitchTest : public NewerWindowsListsTest, public ::testing::WithParamInterface<NewerStep> {
protected:
    bool AnyLabelStartsWith(const std::string& prefix) const {
        for (const std::string& label : Labels()) {
            if (label.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }
    void ScanWith(const char* id, bool on) {
        results.store.Clear();
        window.notice.visible = false;
        ASSERT_EQ(modRegistry::WriteValue("HKCU", "Software\\Nimbrel\\Ignore", id, "B",
                                          modRegistry::ValueHolder::Boolean(on)),
                  0);
        scan::Scan(ctx);
    }
};

TEST_P(NewerStepSwitchTest, TheStepRunsOnlyWhenItsSwitchIsOn) {
    ScanWith(GetParam().id, true);
    EXPECT_TRUE(AnyLabelStartsWith(GetParam().labelPrefix));
    ScanWith(GetParam().id, false);
    EXPECT_FALSE(AnyLabelStartsWith(GetParam().labelPrefix));
    EXPECT_TRUE(window.notice.visible);
}

INSTANTIATE_TEST_SUITE_P(Steps, NewerStepSwitchTest,
                         ::testing::Values(NewerStep{"WinExplorer", "Windows Explorer - Typed Paths"},
                                           NewerStep{"userassist7", "Windows UserAssist MRU (Windows 7+)"},
                                           NewerStep{"remotedesktop", "Remote Desktop - "},
                                           NewerStep{"MSOffice2007", "Office 16.0 - "},
                                           NewerStep{"mediatools", "7-Zip - Archive History"},
                                           NewerStep{"shellbags", "Windows Shell Bags"}),
                         [](const auto& info) { return std::string(info.param.id); });

TEST_F(NewerWindowsListsTest, ShellBagsAreLeftUnlessSwitchedOn) {
    scan::Scan(ctx);
    for (const std::string& label : Labels()) EXPECT_EQ(label.find("Shell Bags"), std::string::npos) << label;
    EXPECT_TRUE(window.notice.visible);
}

}  // namespace
