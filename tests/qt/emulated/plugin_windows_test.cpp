// The plug-in windows on Qt, off screen, on a scratch machine with three
// cookies (one of them on the saved ignore list) and a cache: the control
// panel and its way back, the ignore list edited through the real lists and
// buttons, closing without saving, the pass-count options, and a run whose
// status window is watched from inside its yields.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"
#include "registry/mod_registry.h"
#include "tests/qt/offscreen_app.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_prefix.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"
#include "ui/qt/model_window.h"
#include "ui/qt/plugin_status_window.h"
#include "ui/qt/windows_app.h"

namespace {

using host::MessageIcon;
using host::Window;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using ui::qt::ChameleonButton;
using ui::qt::ModelWindow;
using Names = std::vector<std::string>;

const std::string kProgramFolder = "C:\\Program Files\\Nimbrel";

std::string ReadText(const std::string& key, const std::string& name) {
    modRegistry::ValueHolder value;
    modRegistry::ReadValue("HKCU", key, name, "S", modRegistry::ValueHolder(modRegistry::kNone), value);
    return value.Text();
}

ChameleonButton* Button(QWidget* window, const char* name) { return window->findChild<ChameleonButton*>(name); }

Names Rows(QWidget* window, const char* list) {
    Names rows;
    auto* widget = window->findChild<QListWidget*>(list);
    for (int row = 0; row < widget->count(); ++row) rows.push_back(widget->item(row)->text().toStdString());
    return rows;
}

// Types into a text box as the user would: the box's own editing.
void Type(QWidget* window, const char* box, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(box);
    edit->selectAll();
    edit->insert(text);
}

class PluginWindowsTest : public ::testing::Test {
protected:
    PluginWindowsTest() {
        qt_testing::App();
        std::filesystem::create_directories(testing_support::HostPath(kProgramFolder));
        cookies = ReadText(kShellFolders, "Cookies");
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) WriteBytes(cookies + "\\" + name, "cookie");
        plugins::clsDES des;
        plugins::SaveIgnoreList(IgnoreFile(), {"b.txt"}, des);
        windows.Host().SetMessageBoxShower([this](const std::string& text, const std::string& title, MessageIcon icon) {
            const char* shown = icon == MessageIcon::kQuestion      ? "question "
                                : icon == MessageIcon::kInformation ? "information "
                                                                    : "";
            messages.push_back(shown + title + ": " + text);
        });
    }

    static std::string IgnoreFile() { return plugins::IgnoreListLocation(kProgramFolder).savePath; }
    bool CookieExists(const char* name) const { return ReadBytes(cookies + "\\" + name).has_value(); }

    ModelWindow* Shown(Window id) {
        ModelWindow* window = windows.Host().Loaded(id);
        return window && window->isVisible() ? window : nullptr;
    }
    ModelWindow* Open(Window id) {
        windows.Host().ShowWindow(id);
        return Shown(id);
    }
    bool Gone(Window id) {
        return qt_testing::WaitFor([&] { return windows.Host().Loaded(id) == nullptr; });
    }

    static constexpr const char* kShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

    testing_support::ScratchPrefix prefix;
    ui::qt::WindowsApp windows{kProgramFolder};
    std::string cookies;
    Names messages;
};

TEST_F(PluginWindowsTest, ThePanelOpensBothPluginsBesideItselfAndLeadsBackToTheMainWindow) {
    Open(Window::kMain);
    Button(Open(Window::kSettings), "chameleonButton1")->click();
    ModelWindow* panel = Shown(Window::kPluginPanel);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(Gone(Window::kMain));
    EXPECT_EQ(panel->objectName(), "Form6");
    EXPECT_EQ(panel->windowTitle(), "Nimbrel Plug-in Control Panel");
    EXPECT_EQ(panel->findChild<QLabel*>("Label3")->text(), "Plug-in v1.01");
    EXPECT_EQ(panel->findChild<QLabel*>("Label7")->text(), "Plug-in v1.1");

    Button(panel, "chameleonButton1")->click();
    Button(panel, "chameleonButton3")->click();
    ModelWindow* cookiePlugin = Shown(Window::kCookiePlugin);
    ModelWindow* cachePlugin = Shown(Window::kIeTempFilesPlugin);
    ASSERT_NE(cookiePlugin, nullptr);
    ASSERT_NE(cachePlugin, nullptr);
    EXPECT_EQ(cookiePlugin->windowTitle(), "Crumbex");
    EXPECT_EQ(cachePlugin->windowTitle(), "IE Temporary Internet Files Cleaner");
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) open += window->isVisible() ? 1 : 0;
    EXPECT_EQ(open, 3);
    EXPECT_NE(Shown(Window::kPluginPanel), nullptr);

    Button(panel, "chameleonButton2")->click();
    EXPECT_NE(Shown(Window::kMain), nullptr);
    EXPECT_TRUE(Gone(Window::kPluginPanel));
    EXPECT_NE(Shown(Window::kCookiePlugin), nullptr);
    EXPECT_FALSE(windows.Host().Ended());
}

TEST_F(PluginWindowsTest, MoveAndAddAllAppendOnlyMissingNames) {
    ModelWindow* plugin = Open(Window::kCookiePlugin);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(Rows(plugin, "File1"), (Names{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(Rows(plugin, "CookieIgnoreList"), (Names{"b.txt"}));
    EXPECT_EQ(plugin->findChild<QLineEdit*>("Text1")->text().toStdString(), cookies);

    plugin->findChild<QListWidget*>("File1")->setCurrentRow(0);
    Button(plugin, "movecookietoignore")->click();
    Button(plugin, "movecookietoignore")->click();
    EXPECT_EQ(Rows(plugin, "CookieIgnoreList"), (Names{"b.txt", "a.txt"}));
    Button(plugin, "movealltoignore")->click();
    EXPECT_EQ(Rows(plugin, "CookieIgnoreList"), (Names{"b.txt", "a.txt", "c.txt"}));

    plugin->findChild<QListWidget*>("CookieIgnoreList")->setCurrentRow(0);
    Button(plugin, "deletefromignore")->click();
    EXPECT_EQ(Rows(plugin, "CookieIgnoreList"), (Names{"a.txt", "c.txt"}));
    EXPECT_EQ(plugin->findChild<QListWidget*>("CookieIgnoreList")->currentRow(), -1);
}

TEST_F(PluginWindowsTest, CloseDropsUnsavedEditsAndLeavesTheFileAsItWas) {
    const std::optional<std::string> saved = ReadBytes(IgnoreFile());
    ASSERT_TRUE(saved.has_value());
    ModelWindow* plugin = Open(Window::kCookiePlugin);
    Button(plugin, "movealltoignore")->click();
    ASSERT_EQ(Rows(plugin, "CookieIgnoreList").size(), 3u);
    Button(plugin, "chameleonButton4")->click();
    ASSERT_TRUE(Gone(Window::kCookiePlugin));
    EXPECT_EQ(ReadBytes(IgnoreFile()), saved);

    EXPECT_EQ(Rows(Open(Window::kCookiePlugin), "CookieIgnoreList"), (Names{"b.txt"}));
    // The close box does the same.
    Button(Shown(Window::kCookiePlugin), "movealltoignore")->click();
    Shown(Window::kCookiePlugin)->close();
    ASSERT_TRUE(Gone(Window::kCookiePlugin));
    EXPECT_EQ(Rows(Open(Window::kCookiePlugin), "CookieIgnoreList"), (Names{"b.txt"}));
    EXPECT_EQ(ReadBytes(IgnoreFile()), saved);
}

TEST_F(PluginWindowsTest, TheOptionsWindowRefusesBadCountsAndStaysOpen) {
    ModelWindow* plugin = Open(Window::kCookiePlugin);
    EXPECT_FALSE(Button(plugin, "buttonsecuredeletionconfigcookie")->isEnabled());
    plugin->findChild<QCheckBox*>("CheckSecureDelete")->click();
    ASSERT_TRUE(Button(plugin, "buttonsecuredeletionconfigcookie")->isEnabled());
    Button(plugin, "buttonsecuredeletionconfigcookie")->click();
    ModelWindow* options = Shown(Window::kCookieSecureDeletion);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowTitle(), "Crumbex Secure File Deletion Options");
    EXPECT_TRUE(options->findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_FALSE(options->findChild<QLineEdit*>("Text1")->isEnabled());

    options->findChild<QRadioButton*>("Option2")->click();
    EXPECT_FALSE(options->findChild<QRadioButton*>("Option1")->isChecked());
    ASSERT_TRUE(options->findChild<QLineEdit*>("Text1")->isEnabled());
    const std::pair<const char*, const char*> refused[] = {
        {"0", "Nimbrel: The number of passes must be greater than 0."},
        {"201", "Nimbrel: The number of passes must be no more than 200."},
        {"x", "Nimbrel: The number of passes must be a whole number."}};
    for (const auto& [typed, message] : refused) {
        messages.clear();
        Type(options, "Text1", typed);
        Button(options, "savecookiesecuredeletesettings")->click();
        EXPECT_EQ(messages, (Names{message})) << typed;
        EXPECT_NE(Shown(Window::kCookieSecureDeletion), nullptr) << typed;
        EXPECT_EQ(ReadText("Software\\Nimbrel\\Plugins\\Crumbex", "WipePasses"), modRegistry::kNone);
    }

    messages.clear();
    Type(options, "Text1", "200");
    Button(options, "savecookiesecuredeletesettings")->click();
    EXPECT_EQ(messages, (Names{"Nimbrel: Crumbex Plug-in Secure File Deletion settings saved."}));
    EXPECT_TRUE(Gone(Window::kCookieSecureDeletion));
    EXPECT_EQ(ReadText("Software\\Nimbrel\\Plugins\\Crumbex", "WipePasses"), "200");
}

TEST_F(PluginWindowsTest, TheCacheWindowsOptionsEnableAndDisableThePassBox) {
    ModelWindow* plugin = Open(Window::kIeTempFilesPlugin);
    ASSERT_NE(plugin, nullptr);
    auto* option1 = plugin->findChild<QRadioButton*>("Option1");
    auto* option2 = plugin->findChild<QRadioButton*>("Option2");
    auto* text2 = plugin->findChild<QLineEdit*>("Text2");
    auto* label4 = plugin->findChild<QLabel*>("Label4");
    EXPECT_FALSE(option1->isEnabled());
    EXPECT_FALSE(option2->isEnabled());

    plugin->findChild<QCheckBox*>("CheckSecureDelete")->click();
    EXPECT_TRUE(option1->isEnabled());
    EXPECT_TRUE(option1->isChecked());
    EXPECT_FALSE(text2->isEnabled());
    option2->click();
    EXPECT_TRUE(option2->isChecked());
    EXPECT_FALSE(option1->isChecked());
    EXPECT_TRUE(text2->isEnabled());
    EXPECT_TRUE(label4->isEnabled());
    Type(plugin, "Text2", "7");
    option1->click();
    EXPECT_FALSE(text2->isEnabled());
    EXPECT_FALSE(label4->isEnabled());
    EXPECT_EQ(text2->text(), "");
    EXPECT_EQ(plugin->findChild<QLineEdit*>("Text1")->text().toStdString(), ReadText(kShellFolders, "Cache"));
}

TEST_F(PluginWindowsTest, HelpAndExplanationsShowTheirIcons) {
    ModelWindow* cookiePlugin = Open(Window::kCookiePlugin);
    for (const char* button : {"chameleonButton1", "questionignorelist", "Button699"})
        Button(cookiePlugin, button)->click();
    ModelWindow* cachePlugin = Open(Window::kIeTempFilesPlugin);
    for (const char* button : {"chameleonButton1", "Button669"}) Button(cachePlugin, button)->click();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0].rfind("question Plug-in Notes/Help: The Crumbex Plug-in provides", 0), 0u);
    EXPECT_EQ(messages[1].rfind("information What is the ignore list?: The ignore list contains", 0), 0u);
    EXPECT_EQ(messages[2].rfind("information About Secure File Deletion: Secure file deletion", 0), 0u);
    EXPECT_EQ(messages[3].rfind("question Plug-in Notes/Help: The IE Temporary Internet Files", 0), 0u);
    EXPECT_EQ(messages[4].rfind("information About Secure File Deletion: Secure file deletion", 0), 0u);

    messages.clear();
    Button(cookiePlugin, "saveallsettings")->click();
    Button(cachePlugin, "saveallsettings")->click();
    EXPECT_EQ(messages, (Names{"Settings Saved: All Crumbex Plug-in Settings saved!",
                               "Settings Saved: All Plug-in Settings saved!"}));
}

// What the status window showed at one yield of a run.
struct Seen {
    QString frame, status, status2;
    int progress;
    bool timer, onTop;
};

TEST_F(PluginWindowsTest, RunNowShowsTheStatusWindowBetweenFilesAndSparesTheIgnoredCookie) {
    ModelWindow* plugin = Open(Window::kCookiePlugin);
    std::vector<Seen> seen;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* status = static_cast<ui::qt::PluginStatusWindow*>(Shown(Window::kPluginStatus));
        if (!status) return;
        seen.push_back({status->findChild<QGroupBox*>("Frame1")->title(), status->findChild<QLabel*>("Status")->text(),
                        status->findChild<QLabel*>("Status2")->text(),
                        status->findChild<ui::qt::CoolProgress*>("Progress")->Percent(), status->Timer1().isActive(),
                        status->windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
    });
    watch.start();
    Button(plugin, "chameleonButton3")->click();
    watch.stop();

    ASSERT_EQ(seen.size(), 3u) << "one yield after each cookie";
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].frame, "Crumbex");
        EXPECT_EQ(seen[i].status, "Cleaning cookie files (normal delete method)");
        EXPECT_EQ(seen[i].status2, "Please be patient...");
        EXPECT_TRUE(seen[i].timer);
        EXPECT_TRUE(seen[i].onTop);
    }
    EXPECT_EQ(seen[0].progress, 0);
    EXPECT_EQ(seen[1].progress, 33);
    EXPECT_EQ(seen[2].progress, 67);
    EXPECT_EQ(Shown(Window::kPluginStatus), nullptr);
    EXPECT_TRUE(Gone(Window::kPluginStatus));
    EXPECT_FALSE(CookieExists("a.txt"));
    EXPECT_TRUE(CookieExists("b.txt"));
    EXPECT_FALSE(CookieExists("c.txt"));
    EXPECT_EQ(Rows(plugin, "File1"), (Names{"b.txt"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(windows.Host().Ended());
}

}  // namespace
