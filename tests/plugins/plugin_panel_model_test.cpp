// The plug-in control panel: each plug-in opens beside it, and the way back
// shows the main window before the panel goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/plugin_panel_model.h"
#include "tests/support/recording_host.h"

namespace {

using Calls = std::vector<std::string>;

class PluginPanelTest : public ::testing::Test {
protected:
    testing_support::RecordingHost host;
    plugins::PluginPanelModel panel{host};
};

TEST_F(PluginPanelTest, BothPluginsOpenAndThePanelStays) {
    panel.OnCookiePluginClick();
    panel.OnTempFilesPluginClick();
    EXPECT_EQ(host.calls, (Calls{"show cookie plugin", "show ie temp files plugin"}));
}

TEST_F(PluginPanelTest, BackToMainMenuShowsTheMainWindowThenUnloadsThePanel) {
    panel.OnBackToMainMenuClick();
    EXPECT_EQ(host.calls, (Calls{"show main", "unload plugin panel"}));
}

}  // namespace
