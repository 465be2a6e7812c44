// The plug-in status window: loaded by the first caption, topmost, its
// timer keeping the window that was active in front, and nothing at all
// brought forward while it is hidden.
#include "plugins/plugin_status_model.h"

#include <gtest/gtest.h>

#include "tests/support/recording_host.h"

namespace {

using plugins::PluginStatusModel;
using Lines = std::vector<std::string>;

class ActiveWindowHost : public testing_support::RecordingHost {
public:
    std::optional<host::Window> ActiveWindow() override { return active; }
    std::optional<host::Window> active;
};

class PluginStatusTest : public testing::Test {
protected:
    ActiveWindowHost host;
    PluginStatusModel status{host};
};

TEST_F(PluginStatusTest, TheFirstCaptionLoadsItTopmostAndKeepsTheActiveWindow) {
    host.active = host::Window::kCookiePlugin;
    status.SetFrameCaption("Crumbex");
    status.SetStatus("Cleaning cookie files (normal delete method)");
    status.SetStatus2("Please be patient...");
    EXPECT_TRUE(status.Loaded());
    EXPECT_FALSE(status.Visible());
    EXPECT_EQ(host.calls, Lines{"topmost plugin status"});
    EXPECT_EQ(status.Frame1().caption, "Crumbex");
    EXPECT_EQ(status.Status().caption, "Cleaning cookie files (normal delete method)");
    EXPECT_EQ(status.Status2().caption, "Please be patient...");
}

TEST_F(PluginStatusTest, ShownItsTimerKeepsItOnTopAndBringsTheKeptWindowBack) {
    host.active = host::Window::kCookiePlugin;
    status.SetFrameCaption("Crumbex");
    status.Show();
    EXPECT_TRUE(status.Timer1Enabled());
    host.calls.clear();

    status.OnKeepOnTopTimer();
    EXPECT_EQ(host.calls, Lines{"topmost plugin status"});

    host.calls.clear();
    host.active = host::Window::kMain;
    status.OnKeepOnTopTimer();
    EXPECT_EQ(host.calls, (Lines{"topmost plugin status", "restore cookie plugin", "topmost plugin status"}));
}

TEST_F(PluginStatusTest, WithoutAKeptWindowTheTimerOnlyKeepsItOnTop) {
    status.SetFrameCaption("IE Temporary Internet Files Cleaner");
    status.Show();
    host.calls.clear();
    host.active = host::Window::kMain;
    status.OnKeepOnTopTimer();
    EXPECT_EQ(host.calls, (Lines{"topmost plugin status", "topmost plugin status"}));
}

TEST_F(PluginStatusTest, HiddenInASilentRunItsTimerDoesNothing) {
    host.active = host::Window::kMain;
    status.SetFrameCaption("Crumbex");
    host.calls.clear();
    host.active = host::Window::kResults;
    EXPECT_FALSE(status.Timer1Enabled());
    status.OnKeepOnTopTimer();
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(PluginStatusTest, HideAndUnloadLeavesAFreshWindowForTheNextRun) {
    status.SetFrameCaption("Crumbex");
    status.Show();
    status.SetProgress(40);
    host.calls.clear();
    status.HideAndUnload();
    EXPECT_EQ(host.calls, (Lines{"hide plugin status", "unload plugin status"}));
    EXPECT_FALSE(status.Loaded());
    EXPECT_FALSE(status.Timer1Enabled());
    EXPECT_EQ(status.Progress().Percent, 0);
    EXPECT_EQ(status.Frame1().caption, "");
}

TEST_F(PluginStatusTest, ProgressStaysWithinTheBar) {
    status.SetProgress(140);
    EXPECT_EQ(status.Progress().Percent, 100);
    status.SetProgress(-5);
    EXPECT_EQ(status.Progress().Percent, 0);
}

}  // namespace
