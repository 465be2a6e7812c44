#include "plugins/cookie_options_model.h"

#include "plugins/plugin_settings.h"

namespace plugins {

void CookieOptionsModel::Load() { passes_.LoadStored(kCookieSettingsKey); }

void CookieOptionsModel::OnSaveClick() {
    if (!passes_.Save(host_, kCookieSettingsKey, kMessages, kMessageTitle)) return;
    host_.MessageBox(kSavedMessage, kMessageTitle);
    host_.UnloadWindow(host::Window::kCookieSecureDeletion);
}

void CookieOptionsModel::OnCancelClick() { host_.UnloadWindow(host::Window::kCookieSecureDeletion); }

}  // namespace plugins
