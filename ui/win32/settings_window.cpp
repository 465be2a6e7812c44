#include "ui/win32/settings_window.h"

#include "settings/settings_help.h"
#include "ui/win32/text.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

SettingsWindow::SettingsWindow(Win32Host& host) : ModelWindow(host, host::Window::kSettings, "Form5"), model_(host) {
    using M = settings::SettingsWindowModel;
    namespace at = layout::settings_window;
    Create(M::kCaption, at::kClient);

    AddGroup("Frame1", at::Frame1, M::kFrame1);
    AddLabel("Label1", at::Label1, M::kIntroLabel);
    AddLabel("Label2", at::Label2, M::kUncheckLabel);
    AddColumn(M::kLeftColumn, 0, at::Boxes);
    AddColumn(M::kRightColumn, 1, at::Boxes);
    AddGroup("Frame3", at::Frame3, M::kFrame3);
    AddColumn(M::kNewerLeftColumn, 0, at::NewerBoxes);
    AddColumn(M::kNewerRightColumn, 1, at::NewerBoxes);
    AddLabel("Label3", at::Label3, M::kBottomLabel);

    AddGroup("Frame2", at::Frame2, M::kFrame2);
    AddLabel("Label4", at::Label4, M::kPluginsLabel);
    AddButton("chameleonButton1", at::chameleonButton1, M::kGoToPlugins, [this] { model_.OnGoToPluginsClick(); });

    AddButton("SaveSettingsButton1", at::SaveSettingsButton1, M::kSaveSettings,
              [this] { model_.OnSaveSettingsClick(); });
    AddButton("DeleteSettingsButton1", at::DeleteSettingsButton1, M::kDeleteSettings,
              [this] { model_.OnDeleteSettingsClick(); });
    AddButton("SettingsClose1", at::SettingsClose1, M::kClose, [this] { model_.OnCloseClick(); });

    model_.Load();
    Render();
}

template <std::size_t N>
void SettingsWindow::AddColumn(const std::array<const char*, N>& ids, int column, layout::Rect area) {
    namespace at = layout::settings_window;
    int row = 0;
    for (const char* id : ids) {
        const std::size_t index = settings::CategoryIndex(id);
        const settings::ScanCategory& category = settings::kScanCategories[index];
        HWND box = AddControl(category.checkBox, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                              at::CheckBox(area, column, row), FontRole::kNormal, Wide(category.caption).c_str());
        boxes_[index] = box;
        OnCommand(box, [this, box, index](WORD code) {
            if (code != BN_CLICKED) return;
            const bool on = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            host_.Handle([this, index, on] { model_.SetChecked(index, on); });
        });
        if (const std::size_t help = settings::HelpIndex(category.id); help < settings::kHelpCount) {
            AddButton(settings::kCategoryHelp[help].button, at::HelpButton(area, column, row), "?",
                      [this, help] { model_.OnHelpButtonClick(help); });
        }
        ++row;
    }
}

void SettingsWindow::Render() {
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const WPARAM check = model_.Checked(index) ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(boxes_[index], BM_GETCHECK, 0, 0)) != check) {
            SendMessageW(boxes_[index], BM_SETCHECK, check, 0);
        }
    }
}

}  // namespace ui::win32
