// Access keys put into captions: before the first occurrence of the letter
// in either case, after literal "&"s are doubled, and per caption shown.
#include "ui/keyboard_access.h"

#include <gtest/gtest.h>

namespace {

using host::Window;

TEST(KeyboardAccessTest, MarksTheLetterOfTheCaptionShown) {
    struct Case {
        Window window;
        const char* control;
        const char* caption;
        const char* shown;
    };
    for (const Case c : {Case{Window::kMain, "SettingsButton1", "Settings", "Se&ttings"},
                         Case{Window::kMain, "ExitButton1", "Exit", "E&xit"},
                         Case{Window::kScan, "chameleonButton2", "Abort", "&Abort"},
                         Case{Window::kScan, "chameleonButton2", "Main Menu", "&Main Menu"},
                         Case{Window::kResults, "chameleonButton2", "Abort", "Abort"},
                         Case{Window::kMain, "ScanButton1", "Scan & Clean", "Scan && Clean"},
                         Case{Window::kMain, "QuestionButtonNumber", "?", "?"}}) {
        EXPECT_EQ(ui::WithAccessKey(c.window, c.control, c.caption), c.shown) << c.control << " " << c.caption;
    }
}

}  // namespace
