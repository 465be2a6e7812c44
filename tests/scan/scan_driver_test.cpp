// The scan driver: the hive list, the steps under their switches, the
// progress points, the abort, and the end of the scan.
#include "scan/scan_driver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "scan/subkey_list.h"
#include "tests/scan/scan_fixture.h"

namespace {

using scan_testing::ImportFixture;
using scan_testing::ImportReg;
using Texts = std::vector<std::string>;

constexpr const char* kShellFixtures[] = {
    "typed_urls.reg", "media_player.reg", "paint_wordpad.reg",     "last_visited.reg", "run_mru.reg",
    "find_mrus.reg",  "network_mrus.reg", "install_locations.reg", "stream_mru.reg",
};

// Every category id, written true.
constexpr const char* kAllSwitchesOn =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Nimbrel\\Ignore]\n"
    "\"IETypedURL\"=hex:ff,ff\n\"WinRun\"=hex:ff,ff\n\"MSOffice\"=hex:ff,ff\n\"WinStream\"=hex:ff,ff\n"
    "\"OfficeFolder\"=hex:ff,ff\n\"WinFind\"=hex:ff,ff\n\"googletoolbar\"=hex:ff,ff\n"
    "\"WinRecent\"=hex:ff,ff\n\"userassist\"=hex:ff,ff\n\"miscnotlists\"=hex:ff,ff\n"
    "\"regedit\"=hex:ff,ff\n\"windowsnetwork\"=hex:ff,ff\n\"installlocations\"=hex:ff,ff\n"
    "\"quattropro\"=hex:ff,ff\n\"wordperfect\"=hex:ff,ff\n\"corelpresentations\"=hex:ff,ff\n"
    "\"cleartraynotify\"=hex:ff,ff\n\"unreadmail\"=hex:ff,ff\n\"vs6\"=hex:ff,ff\n\"winopenwith\"=hex:ff,ff\n"
    "\"WinExplorer\"=hex:ff,ff\n\"userassist7\"=hex:ff,ff\n\"remotedesktop\"=hex:ff,ff\n\"MSOffice2007\"=hex:ff,ff\n"
    "\"mediatools\"=hex:ff,ff\n\"WinJumpLists\"=hex:ff,ff\n\"shellbags\"=hex:ff,ff\n";

void SetSwitch(const std::string& id, const std::string& data) {
    ImportReg("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Nimbrel\\Ignore]\n\"" + id +
              "\"=" + data + "\n");
}

class ScanDriverTest : public scan_testing::ScanTest {
protected:
    void ImportShellFixtures() {
        for (const char* fixture : kShellFixtures) ImportFixture(fixture);
    }
    bool AnyLabelStartsWith(const std::string& prefix) const {
        for (const std::string& label : Labels()) {
            if (label.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }
};

TEST_F(ScanDriverTest, ScanThatFindsNothingEndsWithZeroAndButtonsOff) {
    EXPECT_TRUE(scan::Scan(ctx));
    EXPECT_EQ(window.CoolProgress1.Percent, 100);
    EXPECT_EQ(window.Label4.caption, "Scanning Complete");
    EXPECT_EQ(window.listsdetected.caption, "0");
    EXPECT_EQ(window.itemsdetected.caption, "0");
    EXPECT_EQ(window.totaldetected.caption, "0");
    EXPECT_EQ(window.totaldetected.colour, host::kBlue);
    EXPECT_EQ(window.chameleonButton2.caption, "Main Menu");
    EXPECT_FALSE(window.cleanbutton1.enabled);
    EXPECT_FALSE(window.resultsbutton.enabled);
    EXPECT_EQ(results.total, 0);
    EXPECT_EQ(results.store.RowCount(), 0u);
    // "cleartraynotify" is off when absent, so the default settings skip a step.
    EXPECT_TRUE(window.notice.visible);
}

TEST_F(ScanDriverTest, WithEverySwitchOnNothingIsSkipped) {
    ImportReg(kAllSwitchesOn);
    scan::Scan(ctx);
    EXPECT_FALSE(window.notice.visible);
}

TEST_F(ScanDriverTest, FindsAreTotalledAndEnableTheButtons) {
    ImportShellFixtures();
    ASSERT_TRUE(scan::Scan(ctx));
    const long lists = std::stol(window.listsdetected.caption);
    const long items = std::stol(window.itemsdetected.caption);
    EXPECT_EQ(static_cast<long>(results.store.RowCount()), lists + items);
    EXPECT_EQ(window.totaldetected.caption, std::to_string(lists + items));
    EXPECT_EQ(window.totaldetected.colour, host::kRed);
    EXPECT_TRUE(window.cleanbutton1.enabled);
    EXPECT_TRUE(window.resultsbutton.enabled);
    EXPECT_EQ(results.total, window.counts.total);
    // Steps in driver order: typed URLs (7) before Media Player (9) before
    // StreamMRU (25), the last of the thirty steps to find anything here;
    // step 35 then finds WordPad's list again in the user's own hive.
    const Texts& labels = results.store.Labels();
    EXPECT_EQ(labels.front(), "Internet Explorer - Typed Urls List - Url1");
    EXPECT_EQ(labels[labels.size() - 2], "Windows Explorer - Stream MRU (Default) - 0");
    EXPECT_EQ(labels.back(), "MS Wordpad - Recent File List {1} - File1");
}

TEST_F(ScanDriverTest, ProgressPointsInOrder) {
    Texts seen;
    host.onYield = [&](int) {
        const std::string percent = std::to_string(window.CoolProgress1.Percent);
        if (seen.empty() || seen.back() != percent) seen.push_back(percent);
    };
    scan::Scan(ctx);
    EXPECT_EQ(seen,
              (Texts{"0", "13", "20", "24", "35", "37", "45", "50", "57", "72", "79", "83", "90", "93", "97", "100"}));
}

TEST_F(ScanDriverTest, UserHiveListLeavesOutClassesHivesInAnyCase) {
    ImportReg(
        "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\abc_classes]\n\n[HKEY_USERS\\CLASSES]\n\n"
        "[HKEY_USERS\\S-1-5-21-7_Classes]\n\n[HKEY_USERS\\S-1-5-21-7]\n");
    scan::Scan(ctx);
    EXPECT_EQ(window.EnumList, (Texts{".DEFAULT", "CLASSES", "S-1-5-21-0-0-0-1000", "S-1-5-21-7"}));
}

struct SwitchCase {
    const char* id;
    const char* labelPrefix;
};

class SwitchedStepTest : public ScanDriverTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchedStepTest, SwitchOffSkipsOnlyItsStep) {
    ImportShellFixtures();
    ImportReg(kAllSwitchesOn);
    SetSwitch(GetParam().id, "hex:00,00");
    scan::Scan(ctx);
    EXPECT_FALSE(AnyLabelStartsWith(GetParam().labelPrefix));
    EXPECT_TRUE(window.notice.visible);
    // The scan goes on: the steps without a switch still run.
    EXPECT_TRUE(AnyLabelStartsWith("WMP - "));
    EXPECT_TRUE(AnyLabelStartsWith("Windows Explorer - Last Visited MRU"));
}

TEST_P(SwitchedStepTest, OnlyAllBitsSetCountsAsOn) {
    ImportShellFixtures();
    ImportReg(kAllSwitchesOn);
    SetSwitch(GetParam().id, "hex:01,00");
    scan::Scan(ctx);
    EXPECT_FALSE(AnyLabelStartsWith(GetParam().labelPrefix));
}

INSTANTIATE_TEST_SUITE_P(ShellSteps, SwitchedStepTest,
                         ::testing::Values(SwitchCase{"IETypedURL", "Internet Explorer - Typed Urls"},
                                           SwitchCase{"WinRun", "Windows Explorer - Run Dialog MRU"},
                                           SwitchCase{"WinFind", "Find Files MRU"},
                                           SwitchCase{"windowsnetwork", "Windows Network - "},
                                           SwitchCase{"installlocations", "Install Locations MRU"},
                                           SwitchCase{"WinStream", "Windows Explorer - Stream MRU"}),
                         [](const auto& info) { return std::string(info.param.id); });

TEST_F(ScanDriverTest, AbortStopsAtTheNextYieldWithoutEndingTheScan) {
    ImportShellFixtures();
    host.onYield = [&](int) {
        if (window.CoolProgress1.Percent == 20) window.abortRequested = true;
    };
    EXPECT_FALSE(scan::Scan(ctx));
    EXPECT_TRUE(AnyLabelStartsWith("Internet Explorer - Typed Urls"));  // step 7
    EXPECT_FALSE(AnyLabelStartsWith("WMP - "));                         // step 9
    EXPECT_EQ(window.CoolProgress1.Percent, 20);
    EXPECT_EQ(window.chameleonButton2.caption, "Abort");
    EXPECT_EQ(window.totaldetected.caption, "");
    EXPECT_EQ(results.total, std::nullopt);
}

TEST_F(ScanDriverTest, AnErrorAbandonsOnlyTheStepThatRaisedIt) {
    ImportShellFixtures();
    host.onYield = [&](int) {
        if (window.CoolProgress1.Percent == 13) throw std::runtime_error("window gone");
    };
    EXPECT_TRUE(scan::Scan(ctx));
    EXPECT_TRUE(AnyLabelStartsWith("Windows Explorer - Stream MRU"));
    EXPECT_EQ(window.Label4.caption, "Scanning Complete");
}

}  // namespace
