// The windows on Qt, off screen, on a fixture machine: each window opens
// with its controls, a scan runs through the Qt host, its results can be
// reviewed and partly cleaned, and the close box ends the program even in
// the middle of a scan.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <filesystem>
#include <fstream>

#include "platform/emulated/paths.h"
#include "registry/mod_registry.h"
#include "tests/qt/offscreen_app.h"
#include "tests/scan/scan_fixture.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"
#include "ui/qt/model_window.h"
#include "ui/qt/scan_window.h"
#include "ui/qt/windows_app.h"

namespace {

using host::Window;
using ui::qt::ChameleonButton;
using ui::qt::ModelWindow;

QString LabelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QString("<no %1>").arg(name);
}

ChameleonButton* Button(QWidget* window, const char* name) { return window->findChild<ChameleonButton*>(name); }

class WindowsFlowTest : public ::testing::Test {
protected:
    explicit WindowsFlowTest(const char* fixture = "run_mru.reg") {
        qt_testing::App();
        if (fixture) scan_testing::ImportFixture(fixture);
        windows.Host().SetMessageBoxShower(
            [this](const std::string& text, const std::string& title, host::MessageIcon icon) {
                EXPECT_EQ(icon, host::MessageIcon::kNone);
                messages.push_back(title + ": " + text);
            });
    }

    ModelWindow* Shown(Window id) {
        ModelWindow* window = windows.Host().Loaded(id);
        return window && window->isVisible() ? window : nullptr;
    }

    // Opens the scan window and waits for its scan to end.
    ModelWindow* ScanToTheEnd() {
        windows.Host().ShowWindow(Window::kScan);
        ModelWindow* scan = Shown(Window::kScan);
        EXPECT_TRUE(qt_testing::WaitFor([&] { return Button(scan, "chameleonButton2")->Caption() == "Main Menu"; }));
        return scan;
    }

    static bool ValueExists(const std::string& key, const std::string& name) {
        modRegistry::ValueHolder result;
        modRegistry::ReadValue("HKCU", key, name, "S", modRegistry::ValueHolder(modRegistry::kNone), result);
        return result.Text() != modRegistry::kNone;
    }

    testing_support::ScratchPrefix prefix;
    ui::qt::WindowsApp windows;
    std::vector<std::string> messages;
};

TEST_F(WindowsFlowTest, EachWindowOpensWithItsControls) {
    struct Control {
        const char* name;
        const char* text;
    };
    struct Case {
        Window id;
        const char* objectName;
        const char* caption;
        std::vector<Control> labels;
        std::vector<Control> buttons;
    };
    const std::vector<Case> cases = {
        {Window::kScan,
         "Form2",
         "Nimbrel Scan Window",
         {{"Label5", "Nimbrel"},
          {"Label6", "Scan Window"},
          {"Label4", "Scanning..."},
          {"Label1", "MRU Lists Detected:"},
          {"listsdetected", "0"},
          {"Label2", "MRU Items Detected:"},
          {"itemsdetected", "0"},
          {"Label3", "Total Items Detected:"},
          {"totaldetected", ""}},
         {{"chameleonButton2", "Abort"}, {"resultsbutton", "Show Results"}, {"cleanbutton1", "Clean Now"}}},
        {Window::kResults,
         "Form3",
         "Nimbrel Results Window",
         {{"Label1", "Total Items Detected:"}},
         {{"cleanbutton2", "Clean Now"}, {"chameleonButton22", "Main Menu"}}},
        {Window::kCompletion,
         "Form4",
         "Nimbrel",
         {{"Label1", "Congratulations!"},
          {"Label2", "Total Items Detected:"},
          {"Label3", "Total Items Cleaned:"},
          {"Label4", "System Status:"},
          {"sysstatus", "Good"}},
         {{"cleanbutton", "Main Menu"}}},
        {Window::kAbout,
         "frmAbout",
         "About Nimbrel",
         {{"lblTitle", "Nimbrel"},
          {"lblVersion", "Version 1.5"},
          {"Label3", "Database Version: 3.28.04 - approx. 30,345 MRU items"},
          {"Label1", "The author can be contacted at the following forums:"}},
         {{"cmdOK", "OK"}, {"cmdSysInfo", "System Information"}, {"FAQbutton1", "View FAQ"}}},
        {Window::kFaq, "FAQfrm", "Quick FAQ", {}, {{"chameleonButton98", "Close"}}},
    };
    for (const Case& c : cases) {
        ModelWindow* window = windows.Host().Load(c.id);
        ASSERT_NE(window, nullptr) << c.objectName;
        EXPECT_EQ(window->objectName(), c.objectName);
        EXPECT_EQ(window->windowTitle(), c.caption);
        for (const Control& label : c.labels) {
            EXPECT_EQ(LabelText(window, label.name), label.text) << c.objectName << " " << label.name;
        }
        for (const Control& button : c.buttons) {
            ChameleonButton* found = Button(window, button.name);
            ASSERT_NE(found, nullptr) << c.objectName << " " << button.name;
            EXPECT_EQ(found->Caption(), button.text);
        }
    }
    ModelWindow* scan = windows.Host().Loaded(Window::kScan);
    EXPECT_TRUE(Button(scan, "chameleonButton2")->isEnabled());
    EXPECT_FALSE(Button(scan, "resultsbutton")->isEnabled());
    EXPECT_FALSE(Button(scan, "cleanbutton1")->isEnabled());
    EXPECT_FALSE(scan->findChild<QLabel*>("notice")->isVisibleTo(scan));
    EXPECT_EQ(scan->findChild<ui::qt::CoolProgress*>("CoolProgress1")->Percent(), 0);
    QWidget* faq = windows.Host().Loaded(Window::kFaq);
    EXPECT_EQ(faq->findChild<QGroupBox*>("Frame1")->title(), "What is a MRU list?");
    EXPECT_EQ(faq->findChild<QGroupBox*>("Frame2")->title(), "Why should I delete them?");
}

TEST_F(WindowsFlowTest, ScanThroughTheQtHostEndsWithItsCounters) {
    ModelWindow* scan = ScanToTheEnd();
    EXPECT_EQ(LabelText(scan, "Label4"), "Scanning Complete");
    EXPECT_EQ(LabelText(scan, "listsdetected"), "1");
    EXPECT_EQ(LabelText(scan, "itemsdetected"), "3");
    EXPECT_EQ(LabelText(scan, "totaldetected"), "4");
    EXPECT_EQ(scan->findChild<QLabel*>("totaldetected")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(scan->findChild<ui::qt::CoolProgress*>("CoolProgress1")->Percent(), 100);
    EXPECT_TRUE(scan->findChild<QLabel*>("notice")->isVisible());
    EXPECT_TRUE(Button(scan, "resultsbutton")->isEnabled());
    EXPECT_TRUE(Button(scan, "cleanbutton1")->isEnabled());
}

class EmptyMachineFlowTest : public WindowsFlowTest {
protected:
    EmptyMachineFlowTest() : WindowsFlowTest(nullptr) {}
};

TEST_F(EmptyMachineFlowTest, ScanThatFindsNothingLeavesOnlyMainMenu) {
    ModelWindow* scan = ScanToTheEnd();
    EXPECT_EQ(LabelText(scan, "totaldetected"), "0");
    EXPECT_EQ(scan->findChild<QLabel*>("totaldetected")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(Button(scan, "resultsbutton")->isEnabled());
    EXPECT_FALSE(Button(scan, "cleanbutton1")->isEnabled());
    // The default settings leave the notification-area items out.
    EXPECT_TRUE(scan->findChild<QLabel*>("notice")->isVisible());
    Button(scan, "resultsbutton")->click();
    Button(scan, "cleanbutton1")->click();
    EXPECT_EQ(Shown(Window::kResults), nullptr);
    EXPECT_EQ(Shown(Window::kCompletion), nullptr);
}

TEST_F(WindowsFlowTest, ResultsReviewedThenPartlyCleaned) {
    const std::string runMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    Button(ScanToTheEnd(), "resultsbutton")->click();
    ModelWindow* results = Shown(Window::kResults);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(qt_testing::WaitFor([&] { return windows.Host().Loaded(Window::kScan) == nullptr; }));

    auto* list = results->findChild<QListWidget*>("List1");
    ASSERT_EQ(list->count(), 4);
    int unchecked = -1;
    for (int row = 0; row < list->count(); ++row) {
        EXPECT_EQ(list->item(row)->checkState(), Qt::Checked) << row;
        if (windows.Results().store.Value()[row] == "b") unchecked = row;
    }
    ASSERT_GE(unchecked, 0);
    EXPECT_EQ(LabelText(results, "totaldetected"), "4");
    list->item(unchecked)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(windows.Results().store.Checked(unchecked));

    Button(results, "cleanbutton2")->click();
    ModelWindow* completion = Shown(Window::kCompletion);
    ASSERT_NE(completion, nullptr);
    EXPECT_EQ(LabelText(completion, "totaldetected"), "4");
    EXPECT_EQ(LabelText(completion, "totalcleaned"), "3");
    EXPECT_EQ(LabelText(completion, "sysstatus"), "Some items not deleted.");
    EXPECT_EQ(completion->findChild<QLabel*>("sysstatus")->palette().color(QPalette::WindowText), QColor(128, 128, 0));
    EXPECT_EQ(windows.Results().store.RowCount(), 0u);
    EXPECT_TRUE(ValueExists(runMru, "b"));
    EXPECT_FALSE(ValueExists(runMru, "a"));
    EXPECT_FALSE(windows.Host().Ended());
}

class TypedUrlsFlowTest : public WindowsFlowTest {
protected:
    TypedUrlsFlowTest() : WindowsFlowTest("typed_urls.reg") {}
};

// The current user's hive is listed twice, as HKCU and under its SID:
// unchecking one row shows its twin as kept, and the clean keeps the item.
TEST_F(TypedUrlsFlowTest, AnUncheckedRowKeepsItsTwinAndTheWindowSaysSo) {
    const std::string typed = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
    Button(ScanToTheEnd(), "resultsbutton")->click();
    ModelWindow* results = Shown(Window::kResults);
    ASSERT_NE(results, nullptr);
    auto* list = results->findChild<QListWidget*>("List1");
    const auto row = [&](const QString& label) {
        const auto found = list->findItems(label, Qt::MatchExactly);
        return found.size() == 1 ? found.front() : nullptr;
    };
    QListWidgetItem* url1 = row("Internet Explorer - Typed Urls List - Url1");
    QListWidgetItem* twin = row("Internet Explorer - Typed Urls List {1} - Url1");
    QListWidgetItem* url2Twin = row("Internet Explorer - Typed Urls List {1} - Url2");
    ASSERT_TRUE(url1 && twin && url2Twin);
    EXPECT_TRUE(twin->toolTip().isEmpty());

    url1->setCheckState(Qt::Unchecked);
    ASSERT_TRUE(qt_testing::WaitFor([&] { return !twin->toolTip().isEmpty(); }));
    EXPECT_EQ(twin->checkState(), Qt::Checked);  // the listing stays as it is
    EXPECT_NE(twin->foreground(), url2Twin->foreground());
    EXPECT_TRUE(url2Twin->toolTip().isEmpty());

    Button(results, "cleanbutton2")->click();
    ModelWindow* completion = Shown(Window::kCompletion);
    ASSERT_NE(completion, nullptr);
    EXPECT_TRUE(ValueExists(typed, "url1"));
    EXPECT_FALSE(ValueExists(typed, "url2"));
    EXPECT_EQ(LabelText(completion, "sysstatus"), "Some items not deleted.");
}

TEST_F(WindowsFlowTest, CleanNowOnTheScanWindowShowsGood) {
    Button(ScanToTheEnd(), "cleanbutton1")->click();
    ModelWindow* completion = Shown(Window::kCompletion);
    ASSERT_NE(completion, nullptr);
    EXPECT_EQ(LabelText(completion, "totaldetected"), "4");
    EXPECT_EQ(LabelText(completion, "totalcleaned"), "4");
    EXPECT_EQ(LabelText(completion, "sysstatus"), "Good");
    EXPECT_EQ(completion->findChild<QLabel*>("sysstatus")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
}

TEST_F(WindowsFlowTest, CleanRunsTheAutomaticPlugins) {
    scan_testing::ImportReg(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Nimbrel\\Plugins\\Crumbex]\n"
        "\"AutomaticClean\"=hex:ff,ff\n");
    modRegistry::ValueHolder folder;
    modRegistry::ReadValue("HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Cookies",
                           "S", modRegistry::ValueHolder(modRegistry::kNone), folder);
    ASSERT_NE(folder.Text(), modRegistry::kNone);
    const std::filesystem::path cookie = platform::emulated::ToHostPath(folder.Text() + "\\anna@example[1].txt");
    std::ofstream(cookie) << "cookie";
    ASSERT_TRUE(std::filesystem::exists(cookie));

    Button(ScanToTheEnd(), "cleanbutton1")->click();
    EXPECT_NE(Shown(Window::kCompletion), nullptr);
    EXPECT_FALSE(std::filesystem::exists(cookie));
}

TEST_F(WindowsFlowTest, CloseBoxDuringTheScanEndsTheProgramWithoutFinishingIt) {
    windows.Host().ShowWindow(Window::kScan);
    auto* scan = static_cast<ui::qt::ScanWindow*>(Shown(Window::kScan));
    ASSERT_NE(scan, nullptr);
    // A timer of no interval fires at every yield of the scan.
    QTimer watch;
    watch.setInterval(0);
    int closedAt = -1;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const int percent = scan->Model().State().CoolProgress1.Percent;
        if (percent >= 20 && closedAt < 0) {
            closedAt = percent;
            scan->close();
        }
    });
    watch.start();
    ASSERT_TRUE(qt_testing::WaitFor([&] { return windows.Host().Ended(); }));
    watch.stop();
    EXPECT_FALSE(scan->isVisible());
    EXPECT_EQ(scan->Model().State().CoolProgress1.Percent, closedAt);
    EXPECT_EQ(scan->Model().State().Label4.caption, "Scanning...");
    EXPECT_EQ(windows.Results().store.RowCount(), 0u);
}

// Takes the addresses that the shell's default action would open.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(WindowsFlowTest, MainWindowMenu) {
    windows.Host().ShowWindow(Window::kMain);
    ModelWindow* main = Shown(Window::kMain);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), "Nimbrel");
    EXPECT_EQ(LabelText(main, "Label4"), "Nimbrel");
    EXPECT_EQ(LabelText(main, "Label7"), "Database Version: 3.28.04 - approx. 30,345 MRU items");
    EXPECT_EQ(LabelText(main, "Label5"), "Exit this program.");
    for (const auto& [name, caption] : {std::pair{"ScanButton1", "Scan"},
                                        {"SettingsButton1", "Settings"},
                                        {"AboutButton1", "About/FAQ"},
                                        {"ExitButton1", "Exit"},
                                        {"QuestionButtonNumber", "?"}}) {
        ASSERT_NE(Button(main, name), nullptr) << name;
        EXPECT_EQ(Button(main, name)->Caption(), caption);
    }

    Button(main, "QuestionButtonNumber")->click();
    EXPECT_EQ(messages,
              (std::vector<std::string>{"About Database: The Nimbrel database has approx. 30,345 items in it, however "
                                        "it is HIGHLY unlikely that you will have all of those items present on your "
                                        "system."}));

    AddressCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    emit main->findChild<QLabel*>("Label6")->linkActivated("");
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.opened, (std::vector<QUrl>{QUrl("https://www.example.org/nimbrel/")}));

    Button(main, "SettingsButton1")->click();
    EXPECT_NE(Shown(Window::kSettings), nullptr);
    EXPECT_TRUE(main->isVisible());

    Button(main, "ScanButton1")->click();
    EXPECT_NE(Shown(Window::kScan), nullptr);
    EXPECT_FALSE(main->isVisible());
    ASSERT_TRUE(qt_testing::WaitFor(
        [&] { return Button(Shown(Window::kScan), "chameleonButton2")->Caption() == "Main Menu"; }));
    Button(Shown(Window::kScan), "chameleonButton2")->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(windows.Results().store.RowCount(), 0u);
    EXPECT_FALSE(windows.Host().Ended());

    // The close box ends the program although the settings window is open.
    main->close();
    EXPECT_TRUE(windows.Host().Ended());
    EXPECT_FALSE(Shown(Window::kSettings));
}

TEST_F(WindowsFlowTest, ExitEndsTheProgramWithoutAboutOrFaqEverOpened) {
    windows.Host().ShowWindow(Window::kMain);
    Button(Shown(Window::kMain), "ExitButton1")->click();
    EXPECT_TRUE(windows.Host().Ended());
}

TEST_F(WindowsFlowTest, SettingsBoxesLoadFromTheStoreAndSave) {
    windows.Host().ShowWindow(Window::kSettings);
    ModelWindow* settings = Shown(Window::kSettings);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->windowTitle(), "Program Settings");
    const QList<QCheckBox*> boxes = settings->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 27);
    for (QCheckBox* box : boxes) {
        EXPECT_EQ(box->isChecked(), box->objectName() != "cleartraynotify" && box->objectName() != "shellbags")
            << box->objectName().toStdString();
    }
    // The newer versions' switches form a group of their own.
    const QWidget* newer = settings->findChild<QWidget*>("Frame3");
    ASSERT_NE(newer, nullptr);
    EXPECT_EQ(newer->findChildren<QCheckBox*>().size(), 7);
    EXPECT_EQ(newer->findChild<QCheckBox*>("shellbags")->text(), "Windows Shell Bags (Folder Views)");
    EXPECT_EQ(settings->findChild<QCheckBox*>("WinRun")->text(), "Windows \"Run...\" Dialog MRU");
    for (const char* help : {"chameleonButton233", "chameleonButton277", "chameleonButton53", "chameleonButton54",
                             "chameleonButton299", "chameleonButton2332", "jumplistsHelp", "shellbagsHelp"}) {
        EXPECT_NE(Button(settings, help), nullptr) << help;
    }

    settings->findChild<QCheckBox*>("WinRun")->setChecked(false);
    Button(settings, "SaveSettingsButton1")->click();
    EXPECT_EQ(messages, (std::vector<std::string>{"Nimbrel: Scan Option Settings Saved"}));
    modRegistry::ValueHolder winRun;
    modRegistry::ReadValue("HKCU", "Software\\Nimbrel\\Ignore", "WinRun", "B", modRegistry::ValueHolder::Boolean(true),
                           winRun);
    EXPECT_EQ(winRun, modRegistry::ValueHolder::Boolean(false));

    Button(settings, "SettingsClose1")->click();
    EXPECT_EQ(windows.Host().Loaded(Window::kSettings), nullptr);
    windows.Host().ShowWindow(Window::kSettings);
    EXPECT_FALSE(Shown(Window::kSettings)->findChild<QCheckBox*>("WinRun")->isChecked());
}

TEST_F(WindowsFlowTest, AboutOpensTheFaqAndClosesWithoutIt) {
    windows.Host().ShowWindow(Window::kAbout);
    ModelWindow* about = Shown(Window::kAbout);
    Button(about, "FAQbutton1")->click();
    EXPECT_NE(Shown(Window::kFaq), nullptr);
    Button(about, "cmdSysInfo")->click();
    EXPECT_EQ(messages, (std::vector<std::string>{"Nimbrel: System Information Is Unavailable At This Time"}));
    Button(about, "cmdOK")->click();
    EXPECT_EQ(windows.Host().Loaded(Window::kAbout), nullptr);
    EXPECT_NE(Shown(Window::kFaq), nullptr);
    EXPECT_FALSE(windows.Host().Ended());
}

}  // namespace

#include "windows_flow_test.moc"
