#include "ui/win32/cache_plugin_window.h"

#include "ui/win32/win32_host.h"

namespace ui::win32 {

CachePluginWindow::CachePluginWindow(Win32Host& host, plugins::PluginWindows& plugins)
    : PluginWindow(host, host::Window::kIeTempFilesPlugin, "ietempfilesplugin"),
      plugins_(plugins),
      model_(plugins.Cache()) {
    using M = plugins::CachePluginModel;
    namespace at = layout::cache_plugin_window;
    Create(M::kCaption, at::kClient);

    AddHeading(at::Label1, M::kLabel1, at::Label2, M::kLabel2);

    AddGroup("Frame1", at::Frame1, M::kFrame1);
    AddLabel("Label3", at::Label3, M::kLabel3);
    Text1_ = AddFolderBox(at::Text1);

    AddGroup("Frame3", at::Frame3, M::kFrame3);
    CheckSecureDelete_ = AddSwitch("CheckSecureDelete", at::CheckSecureDelete, M::kCheckSecureDelete,
                                   [this](bool on) { model_.OnCheckSecureDeleteClick(on); });
    passes_ = AddPassOptions({"Option1", "Option2", "Label4", "Text2"}, at::kPasses, M::kLabel4, model_.Passes(),
                             {[this] { model_.OnDefaultPassesClick(); }, [this] { model_.OnCustomPassesClick(); },
                              [this](const std::string& text) { model_.SetText2(text); }});
    AddButton("Button669", at::Button669, M::kMoreInformationButton, [this] { model_.OnMoreInformationClick(); });

    CheckAutomaticClean_ = AddSwitch("CheckAutomaticClean", at::CheckAutomaticClean, M::kCheckAutomaticClean,
                                     [this](bool on) { model_.SetCheckAutomaticClean(on); });
    AddButtonRow(
        at::kButtons, M::kSaveAllSettings, [this] { model_.OnSaveAllSettingsClick(); }, M::kRunNow,
        [this] { model_.OnRunNowClick(); }, M::kClose, [this] { model_.OnCloseClick(); }, M::kHelp,
        [this] { model_.OnHelpClick(); });
}

void CachePluginWindow::Render() {
    SetText(Text1_, model_.FolderText());
    RenderSwitch(CheckAutomaticClean_, model_.CheckAutomaticClean());
    RenderSwitch(CheckSecureDelete_, model_.CheckSecureDelete());
    RenderPassOptions(passes_, model_.Passes());
}

void CachePluginWindow::OnUnload() { plugins_.Unload(clean::Plugin::kIeTempFilesPlugin); }

}  // namespace ui::win32
