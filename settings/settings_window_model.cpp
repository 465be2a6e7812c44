#include "settings/settings_window_model.h"

#include "registry/mod_registry.h"
#include "scan/category_switch.h"
#include "settings/settings_help.h"

namespace settings {

SettingsWindowModel::SettingsWindowModel(host::Host& host) : host_(host) { checked_.fill(true); }

void SettingsWindowModel::Load() {
    checked_.fill(true);
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        const ScanCategory& category = kScanCategories[index];
        modRegistry::ValueHolder result;
        modRegistry::ReadValue("HKCU", scan::kIgnoreKey, category.id, "B",
                               modRegistry::ValueHolder::Boolean(category.defaultOn), result);
        // Only a value that reads as false unchecks; anything else leaves
        // the box checked.
        if (result.IsBoolean() && result.Boolean() == modRegistry::kFalse) checked_[index] = false;
    }
}

void SettingsWindowModel::SaveSwitches() {
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        modRegistry::WriteValue("HKCU", scan::kIgnoreKey, kScanCategories[index].id, "B",
                                modRegistry::ValueHolder::Boolean(checked_[index]));
    }
}

void SettingsWindowModel::OnSaveSettingsClick() {
    SaveSwitches();
    host_.MessageBox(kSavedMessage, kMessageTitle);
}

void SettingsWindowModel::OnDeleteSettingsClick() {
    for (const ScanCategory& category : kScanCategories) {
        modRegistry::RemoveValue("HKCU", scan::kIgnoreKey, category.id);
    }
    host_.MessageBox(kDeletedMessage, kMessageTitle);
    host_.UnloadWindow(host::Window::kSettings);
}

void SettingsWindowModel::OnGoToPluginsClick() {
    SaveSwitches();
    host_.ShowWindow(host::Window::kPluginPanel);
    host_.UnloadWindow(host::Window::kMain);
    host_.UnloadWindow(host::Window::kSettings);
}

void SettingsWindowModel::OnCloseClick() { host_.UnloadWindow(host::Window::kSettings); }

void SettingsWindowModel::OnHelpButtonClick(std::size_t help) {
    if (help >= kHelpCount) return;
    host_.MessageBox(kCategoryHelp[help].text, kCategoryHelp[help].title);
}

}  // namespace settings
