// The windows with the keyboard alone, off screen: a scan, its results and
// a clean reached with keys, Tab following the layouts, and an access key
// on every button with a letter, unique in its window, from a table that
// names only real buttons.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <map>

#include "tests/qt/offscreen_app.h"
#include "tests/scan/scan_fixture.h"
#include "tests/support/scratch_prefix.h"
#include "ui/keyboard_access.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/model_window.h"
#include "ui/qt/windows_app.h"

namespace {

using host::Window;
using ui::qt::ChameleonButton;
using ui::qt::ModelWindow;

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() {
        qt_testing::App();
        windows.Host().SetMessageBoxShower([](const std::string&, const std::string&, host::MessageIcon) {});
    }

    // The window once it is shown and has the keyboard, or null.
    ModelWindow* Active(Window id) {
        ModelWindow* window = nullptr;
        qt_testing::WaitFor([&] {
            window = windows.Host().Loaded(id);
            return window && window->isVisible();
        });
        if (!window || !window->isVisible()) return nullptr;
        window->activateWindow();
        return QTest::qWaitForWindowActive(window) ? window : nullptr;
    }

    // A key as the user types it: to the control that has the focus.
    static void Press(ModelWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, key, modifiers);
    }

    static std::string Focused(ModelWindow* window) {
        return window->focusWidget() ? window->focusWidget()->objectName().toStdString() : std::string();
    }

    testing_support::ScratchPrefix prefix;
    ui::qt::WindowsApp windows;
};

TEST_F(KeyboardTest, ScanShowResultsAndCleanNowWithKeysAlone) {
    scan_testing::ImportFixture("run_mru.reg");
    windows.Host().ShowWindow(Window::kMain);
    ModelWindow* main = Active(Window::kMain);
    ASSERT_NE(main, nullptr);
    Press(main, Qt::Key_S, Qt::AltModifier);  // "&Scan"

    ModelWindow* scan = Active(Window::kScan);
    ASSERT_NE(scan, nullptr);
    auto* back = scan->findChild<ChameleonButton*>("chameleonButton2");
    ASSERT_TRUE(qt_testing::WaitFor([&] { return back->Caption() == "Main Menu"; }));
    EXPECT_EQ(back->text(), "&Main Menu");
    // Enter means "Show Results" even with the focus on "Main Menu".
    back->setFocus();
    Press(scan, Qt::Key_Return);

    ModelWindow* results = Active(Window::kResults);
    ASSERT_NE(results, nullptr);
    Press(results, Qt::Key_C, Qt::AltModifier);  // "&Clean Now"

    ModelWindow* completion = Active(Window::kCompletion);
    ASSERT_NE(completion, nullptr);
    EXPECT_EQ(completion->findChild<QLabel*>("totaldetected")->text(), "4");
    EXPECT_EQ(completion->findChild<QLabel*>("totalcleaned")->text(), "4");
    EXPECT_EQ(completion->findChild<QLabel*>("sysstatus")->text(), "Good");
    Press(completion, Qt::Key_Escape);  // "Main Menu"
    EXPECT_NE(Active(Window::kMain), nullptr);
    EXPECT_FALSE(windows.Host().Ended());
}

TEST_F(KeyboardTest, TabFollowsTheLayoutFromTheFirstControl) {
    const std::map<Window, std::vector<const char*>> firstStops = {
        {Window::kMain,
         {"ScanButton1", "SettingsButton1", "AboutButton1", "ExitButton1", "QuestionButtonNumber", "ScanButton1"}},
        // Two columns of boxes, row by row, each "?" beside its box.
        {Window::kSettings, {"IETypedURL", "MSOffice", "WinRun", "WinStream", "chameleonButton277", "googletoolbar"}},
        {Window::kPluginPanel, {"chameleonButton1", "chameleonButton3", "chameleonButton2"}},
        {Window::kCookiePlugin,
         {"File1", "movecookietoignore", "movealltoignore", "CookieIgnoreList", "deletefromignore", "saveignorelist",
          // "Configuration" is off while secure deletion is.
          "questionignorelist", "Text1", "CheckSecureDelete", "Button699", "CheckAutomaticClean", "saveallsettings",
          "chameleonButton3", "chameleonButton4", "chameleonButton1"}},
    };
    for (const auto& [id, stops] : firstStops) {
        windows.Host().ShowWindow(id);
        ModelWindow* window = Active(id);
        ASSERT_NE(window, nullptr) << static_cast<int>(id);
        std::vector<std::string> seen{Focused(window)};
        for (std::size_t i = 1; i < stops.size(); ++i) {
            Press(window, Qt::Key_Tab);
            seen.push_back(Focused(window));
        }
        EXPECT_EQ(seen, std::vector<std::string>(stops.begin(), stops.end())) << window->objectName().toStdString();
        windows.Host().HideWindow(id);
    }
}

TEST_F(KeyboardTest, EveryButtonHasAnAccessKeyOfItsOwnAndTheTableNamesRealButtons) {
    using W = Window;
    for (Window id : {W::kMain, W::kScan, W::kResults, W::kCompletion, W::kSettings, W::kPluginPanel, W::kAbout,
                      W::kFaq, W::kCookiePlugin, W::kCookieSecureDeletion, W::kIeTempFilesPlugin, W::kPluginStatus}) {
        ModelWindow* window = windows.Host().Load(id);
        ASSERT_NE(window, nullptr);
        const std::string where = window->objectName().toStdString() + " ";
        std::map<QKeySequence, QString> taken;
        for (ChameleonButton* button : window->findChildren<ChameleonButton*>()) {
            const std::string name = where + button->objectName().toStdString();
            if (!button->Caption().contains(QRegularExpression("[A-Za-z]"))) continue;  // the "?" buttons
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            EXPECT_FALSE(key.isEmpty()) << name << " \"" << button->Caption().toStdString() << "\"";
            if (key.isEmpty()) continue;
            const auto [other, fresh] = taken.emplace(key, button->objectName());
            EXPECT_TRUE(fresh) << name << " has the key of " << other->second.toStdString();
        }
        for (const char* control : {ui::DefaultButton(id), ui::CancelButton(id)}) {
            if (control) {
                EXPECT_NE(window->findChild<ChameleonButton*>(control), nullptr) << where << control;
            }
        }
    }
    // Rows for captions a button shows later, such as "Main Menu".
    for (const ui::AccessKey& row : ui::AccessKeys()) {
        ModelWindow* window = windows.Host().Load(row.window);
        EXPECT_NE(window->findChild<ChameleonButton*>(row.control), nullptr) << row.control;
        EXPECT_NE(ui::WithAccessKey(row.window, row.control, row.caption), row.caption) << row.control;
        for (const ui::AccessKey& other : ui::AccessKeys()) {
            EXPECT_FALSE(other.window == row.window && std::string_view(other.control) != row.control &&
                         other.letter == row.letter)
                << row.control << " and " << other.control;
        }
    }
}

}  // namespace
