// The Crumbex windows on Win32, as ui/qt/cookie_plugin_window.h: the
// plug-in window (cookieplugin), which renders the cookie plug-in model
// that the program's plug-in windows own, and its pass-count options
// window (cookiesecuredeletion).
#pragma once

#include "plugins/cookie_options_model.h"
#include "plugins/plugin_windows.h"
#include "ui/win32/plugin_window_parts.h"

namespace ui::win32 {

class CookiePluginWindow : public PluginWindow {
public:
    // Loads the plug-in (its load step runs) unless it is loaded already.
    CookiePluginWindow(Win32Host& host, plugins::PluginWindows& plugins);

    plugins::CookiePluginModel& Model() { return model_; }
    void Render() override;
    // The model goes with the window: the next opening loads it afresh.
    void OnUnload() override;

protected:
    void OnCloseRequest() override { model_.OnCloseClick(); }

private:
    plugins::PluginWindows& plugins_;
    plugins::CookiePluginModel& model_;
    NameList File1_;
    NameList CookieIgnoreList_;
    HWND Text1_ = nullptr;
    HWND CheckAutomaticClean_ = nullptr;
    HWND CheckSecureDelete_ = nullptr;
    HWND configuration_ = nullptr;
};

class CookieOptionsWindow : public PluginWindow {
public:
    explicit CookieOptionsWindow(Win32Host& host);

    plugins::CookieOptionsModel& Model() { return model_; }
    void Render() override { RenderPassOptions(passes_, model_.Passes()); }

protected:
    void OnCloseRequest() override { model_.OnCancelClick(); }

private:
    plugins::CookieOptionsModel model_;
    PassOptionsControls passes_;
};

}  // namespace ui::win32
