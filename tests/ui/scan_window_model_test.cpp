// The scan window's presentation model: the start timer, the silent tail,
// and the ways out of the window.
#include "ui/scan_window_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/scan/scan_fixture.h"

namespace {

using Calls = std::vector<std::string>;

class ScanWindowModelTest : public ::testing::Test {
protected:
    ScanWindowModelTest() { scan_testing::ImportFixture("run_mru.reg"); }

    testing_support::ScratchPrefix prefix;
    scan_testing::FakeHost host;
    scan::ResultsModel results;
};

TEST_F(ScanWindowModelTest, OpensWithItsInitialControls) {
    ui::ScanWindowModel model(host, results, false);
    const scan::ScanWindowState& state = model.State();
    EXPECT_EQ(state.Label4.caption, "Scanning...");
    EXPECT_EQ(state.listsdetected.caption, "0");
    EXPECT_EQ(state.itemsdetected.caption, "0");
    EXPECT_EQ(state.totaldetected.caption, "");
    EXPECT_EQ(state.chameleonButton2.caption, "Abort");
    EXPECT_TRUE(state.chameleonButton2.enabled);
    EXPECT_FALSE(state.resultsbutton.enabled);
    EXPECT_FALSE(state.cleanbutton1.enabled);
    EXPECT_FALSE(state.notice.visible);
    EXPECT_EQ(state.CoolProgress1.Percent, 0);
}

TEST_F(ScanWindowModelTest, TimerStartsTheScanOnce) {
    ui::ScanWindowModel model(host, results, false);
    EXPECT_FALSE(model.Timer1Enabled());
    model.Load();
    EXPECT_TRUE(model.Timer1Enabled());
    model.OnStartTimer();
    EXPECT_FALSE(model.Timer1Enabled());
    EXPECT_EQ(model.State().chameleonButton2.caption, "Main Menu");
    const std::size_t rows = results.store.RowCount();
    EXPECT_EQ(rows, 4u);
    model.OnStartTimer();
    EXPECT_EQ(results.store.RowCount(), rows);
}

TEST_F(ScanWindowModelTest, SilentScanRunsWithoutTimerAndHandsItsTotalOn) {
    std::optional<long> handedOn;
    ui::ScanWindowModel model(host, results, true, [&](long total) { handedOn = total; });
    model.Load();
    EXPECT_FALSE(model.Timer1Enabled());
    model.Scan();
    EXPECT_EQ(handedOn, 4);
}

TEST_F(ScanWindowModelTest, InteractiveScanHasNoSilentTail) {
    bool called = false;
    ui::ScanWindowModel model(host, results, false, [&](long) { called = true; });
    model.Load();
    model.OnStartTimer();
    EXPECT_FALSE(called);
}

TEST_F(ScanWindowModelTest, AbortStopsTheScanAndLeavesNoRowsBehind) {
    bool tailCalled = false;
    ui::ScanWindowModel model(host, results, true, [&](long) { tailCalled = true; });
    host.onYield = [&](int) {
        if (model.State().CoolProgress1.Percent == 45 && model.State().chameleonButton2.caption == "Abort" &&
            !model.State().abortRequested) {
            model.OnAbortOrMainMenuClick();
        }
    };
    model.Scan();
    EXPECT_EQ(host.calls, (Calls{"show main", "unload scan"}));
    EXPECT_EQ(model.State().Label4.caption, "Scanning...");
    EXPECT_EQ(results.store.RowCount(), 0u);
    EXPECT_FALSE(tailCalled);
}

TEST_F(ScanWindowModelTest, MainMenuEmptiesTheResultsAndGoesBack) {
    ui::ScanWindowModel model(host, results, false);
    model.Scan();
    ASSERT_GT(results.store.RowCount(), 0u);
    model.OnAbortOrMainMenuClick();
    EXPECT_EQ(host.calls, (Calls{"show main", "restore main", "unload scan"}));
    EXPECT_EQ(results.store.RowCount(), 0u);
}

TEST_F(ScanWindowModelTest, ShowResultsKeepsTheRowsForTheResultsWindow) {
    ui::ScanWindowModel model(host, results, false);
    model.Scan();
    model.OnResultsButtonClick();
    EXPECT_EQ(host.calls, (Calls{"show results", "unload scan"}));
    EXPECT_EQ(results.store.RowCount(), 4u);
    EXPECT_EQ(results.total, 4);
}

TEST_F(ScanWindowModelTest, ShowResultsDoesNothingWhileDisabled) {
    ui::ScanWindowModel model(host, results, false);
    model.OnResultsButtonClick();
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(ScanWindowModelTest, CloseBoxEndsTheProgram) {
    ui::ScanWindowModel model(host, results, false);
    model.OnCloseRequest();
    EXPECT_EQ(host.calls, (Calls{"end"}));
}

TEST_F(ScanWindowModelTest, CloseBoxDuringTheScanStopsItAtTheNextYield) {
    ui::ScanWindowModel model(host, results, false);
    int closedAt = 0;
    host.onYield = [&](int n) {
        if (model.State().CoolProgress1.Percent == 45 && closedAt == 0) {
            closedAt = n;
            model.OnCloseRequest();
        }
    };
    model.Load();
    model.OnStartTimer();
    EXPECT_EQ(host.calls, (Calls{"end"}));
    EXPECT_EQ(host.yields, closedAt);
    EXPECT_EQ(model.State().Label4.caption, "Scanning...");
}

}  // namespace
