// The completion window: its status line after a clean that left rows out
// or not, and its ways out.
#include "clean/completion_window_model.h"

#include <gtest/gtest.h>

#include "tests/support/recording_host.h"

namespace {

using clean::CompletionWindowModel;

TEST(CompletionWindowModelTest, OpensWithZeroTotalsAndGoodInGreen) {
    testing_support::RecordingHost host;
    CompletionWindowModel model(host);
    EXPECT_EQ(model.totaldetected.caption, "0");
    EXPECT_EQ(model.totalcleaned.caption, "0");
    EXPECT_EQ(model.sysstatus.caption, "Good");
    EXPECT_EQ(model.sysstatus.colour, (host::Rgb{0, 128, 0}));
    EXPECT_EQ(model.cleanbutton.caption, "Main Menu");
}

TEST(CompletionWindowModelTest, StatusAfterTheClean) {
    struct Case {
        bool allCleaned;
        const char* status;
        host::Rgb colour;
    };
    for (const Case& c : {Case{true, "Good", {0, 128, 0}}, Case{false, "Some items not deleted.", {128, 128, 0}}}) {
        testing_support::RecordingHost host;
        CompletionWindowModel model(host);
        model.Load(c.allCleaned);
        EXPECT_EQ(model.sysstatus.caption, c.status);
        EXPECT_EQ(model.sysstatus.colour, c.colour);
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST(CompletionWindowModelTest, MainMenuBringsTheMainWindowBackAndUnloadsOnlyItself) {
    testing_support::RecordingHost host;
    CompletionWindowModel model(host);
    model.OnMainMenuClick();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show main", "restore main", "unload completion"}));
}

TEST(CompletionWindowModelTest, CloseBoxEndsTheProgram) {
    testing_support::RecordingHost host;
    CompletionWindowModel model(host);
    model.OnCloseRequest();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"end"}));
}

}  // namespace
