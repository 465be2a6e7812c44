// The main window: the command line that selects silent mode, the load
// step, the buttons and the window utility.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/recording_host.h"
#include "ui/command_line.h"
#include "ui/main_window_model.h"
#include "ui/stay_on_top.h"

namespace {

struct CommandLineRow {
    const char* name;
    const char* commandLine;
    bool silent;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineRow> {};

TEST_P(CommandLineTest, SelectsSilentMode) {
    EXPECT_EQ(ui::IsSilentCommandLine(GetParam().commandLine), GetParam().silent);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(CommandLineRow{"Exact", "-SILENT", true}, CommandLineRow{"LowerCase", "-silent", true},
                      CommandLineRow{"MixedCase", "-Silent", true},
                      CommandLineRow{"SpacesAround", "   -SILENT  ", true}, CommandLineRow{"Empty", "", false},
                      CommandLineRow{"FurtherWord", "-SILENT now", false}, CommandLineRow{"Slash", "/SILENT", false},
                      CommandLineRow{"NoHyphen", "SILENT", false}, CommandLineRow{"TabIsNoSpace", "-SILENT\t", false},
                      CommandLineRow{"Quoted", "\"-SILENT\"", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTextTest, JoinsTheArgumentsAfterTheProgramWithSpaces) {
    const char* argv[] = {"nimbrel", "-SILENT", "now"};
    EXPECT_EQ(ui::CommandLineText(3, argv), "-SILENT now");
    EXPECT_FALSE(ui::IsSilentCommandLine(ui::CommandLineText(3, argv)));
    EXPECT_EQ(ui::CommandLineText(1, argv), "");
}

class MainWindowTest : public ::testing::Test {
protected:
    testing_support::RecordingHost host;
    ui::MainWindowModel window{host};
};

TEST_F(MainWindowTest, SilentLoadRunsTheScanThenUnloadsTheMainWindow) {
    int scans = 0;
    window.Load(" -silent ", [&] {
        ++scans;
        host.calls.push_back("silent scan");
    });
    EXPECT_TRUE(window.Silent());
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"silent scan", "unload main"}));
}

TEST_F(MainWindowTest, AnyOtherLoadWaitsForTheUser) {
    bool scanned = false;
    window.Load("-SILENT extra", [&] { scanned = true; });
    EXPECT_FALSE(window.Silent());
    EXPECT_FALSE(scanned);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MainWindowTest, ButtonsOpenTheirWindows) {
    window.OnScanClick();
    window.OnSettingsClick();
    window.OnAboutClick();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show scan", "hide main", "show settings", "show about"}));
}

TEST_F(MainWindowTest, ExitUnloadsAboutAndFaqEvenIfNeverOpenedAndEnds) {
    window.OnExitClick();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"unload about", "unload faq", "end"}));
}

TEST_F(MainWindowTest, CloseBoxEnds) {
    window.OnCloseRequest();
    EXPECT_EQ(host.calls, std::vector<std::string>{"end"});
}

TEST_F(MainWindowTest, QuestionButtonAndLink) {
    window.OnDatabaseInfoClick();
    window.OnWebAddressClick();
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"message About Database: The Nimbrel database has approx. 30,345 items in it, "
                                        "however it is HIGHLY unlikely that you will have all of those items present "
                                        "on your system.",
                                        std::string("open ") + ui::MainWindowModel::kLabel6}));
}

TEST(StayOnTopTest, ShowTopMostShowsNormallyThenMakesTopmost) {
    testing_support::RecordingHost host;
    ui::ShowTopMost(host, host::Window::kPluginStatus);
    ui::SetTopMost(host, host::Window::kPluginStatus, false);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show plugin status", "restore plugin status",
                                                    "topmost plugin status", "not topmost plugin status"}));
}

}  // namespace
