#include "ui/win32/cookie_plugin_window.h"

#include "ui/win32/win32_host.h"

namespace ui::win32 {

CookiePluginWindow::CookiePluginWindow(Win32Host& host, plugins::PluginWindows& plugins)
    : PluginWindow(host, host::Window::kCookiePlugin, "cookieplugin"), plugins_(plugins), model_(plugins.Cookies()) {
    using M = plugins::CookiePluginModel;
    namespace at = layout::cookie_plugin_window;
    Create(M::kCaption, at::kClient);

    AddHeading(at::Label1, M::kLabel1, at::Label2, M::kLabel2);

    AddGroup("Frame1", at::Frame1, M::kFrame1);
    AddLabel("Label3", at::Label3, M::kLabel3);
    File1_ = AddNameList("File1", at::File1, [this](std::optional<std::size_t> row) { model_.SelectCookie(row); });
    AddButton("movecookietoignore", at::movecookietoignore, M::kMoveCookieToIgnore,
              [this] { model_.OnMoveCookieToIgnoreClick(); });
    AddButton("movealltoignore", at::movealltoignore, M::kMoveAllToIgnore, [this] { model_.OnMoveAllToIgnoreClick(); });
    AddLabel("Label4", at::Label4, M::kLabel4);
    CookieIgnoreList_ = AddNameList("CookieIgnoreList", at::CookieIgnoreList,
                                    [this](std::optional<std::size_t> row) { model_.SelectIgnoreEntry(row); });
    AddButton("deletefromignore", at::deletefromignore, M::kDeleteFromIgnore,
              [this] { model_.OnDeleteFromIgnoreClick(); });
    AddButton("saveignorelist", at::saveignorelist, M::kSaveIgnoreList, [this] { model_.OnSaveIgnoreListClick(); });
    AddButton("questionignorelist", at::questionignorelist, M::kQuestionIgnoreList,
              [this] { model_.OnQuestionIgnoreListClick(); });
    Text1_ = AddFolderBox(at::Text1);

    AddGroup("Frame3", at::Frame3, M::kFrame3);
    CheckSecureDelete_ = AddSwitch("CheckSecureDelete", at::CheckSecureDelete, M::kCheckSecureDelete,
                                   [this](bool on) { model_.OnCheckSecureDeleteClick(on); });
    configuration_ = AddButton("buttonsecuredeletionconfigcookie", at::buttonsecuredeletionconfigcookie,
                               M::kConfiguration, [this] { model_.OnConfigurationClick(); });
    AddButton("Button699", at::Button699, M::kMoreInformationButton, [this] { model_.OnMoreInformationClick(); });

    AddGroup("Frame2", at::Frame2);
    CheckAutomaticClean_ = AddSwitch("CheckAutomaticClean", at::CheckAutomaticClean, M::kCheckAutomaticClean,
                                     [this](bool on) { model_.SetCheckAutomaticClean(on); });
    AddButtonRow(
        at::kButtons, M::kSaveAllSettings, [this] { model_.OnSaveAllSettingsClick(); }, M::kRunNow,
        [this] { model_.OnRunNowClick(); }, M::kClose, [this] { model_.OnCloseClick(); }, M::kHelp,
        [this] { model_.OnHelpClick(); });
}

void CookiePluginWindow::Render() {
    File1_.Render(model_.FileList().Names(), model_.FileList().Selected());
    CookieIgnoreList_.Render(model_.CookieIgnoreList(), model_.CookieIgnoreListSelected());
    SetText(Text1_, model_.FolderText());
    RenderSwitch(CheckAutomaticClean_, model_.CheckAutomaticClean());
    RenderSwitch(CheckSecureDelete_, model_.CheckSecureDelete());
    RenderButton(configuration_, model_.ConfigurationButton());
}

void CookiePluginWindow::OnUnload() { plugins_.Unload(clean::Plugin::kCookiePlugin); }

CookieOptionsWindow::CookieOptionsWindow(Win32Host& host)
    : PluginWindow(host, host::Window::kCookieSecureDeletion, "cookiesecuredeletion"), model_(host) {
    using M = plugins::CookieOptionsModel;
    namespace at = layout::cookie_options_window;
    Create(M::kCaption, at::kClient);
    model_.Load();

    passes_ = AddPassOptions({"Option1", "Option2", "Label1", "Text1"}, at::kPasses, M::kLabel1, model_.Passes(),
                             {[this] { model_.OnDefaultPassesClick(); }, [this] { model_.OnCustomPassesClick(); },
                              [this](const std::string& text) { model_.SetText1(text); }});
    AddLabel("Label2", at::Label2, M::kLabel2);
    AddButton("savecookiesecuredeletesettings", at::savecookiesecuredeletesettings, M::kSave,
              [this] { model_.OnSaveClick(); });
    AddButton("cookiesecuredeletecancel", at::cookiesecuredeletecancel, M::kCancel, [this] { model_.OnCancelClick(); });
}

}  // namespace ui::win32
