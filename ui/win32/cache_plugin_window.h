// The temporary internet files plug-in window (ietempfilesplugin) on
// Win32, as ui/qt/cache_plugin_window.h: renders the cache plug-in model
// that the program's plug-in windows own, with its pass-count options in
// the window itself.
#pragma once

#include "plugins/plugin_windows.h"
#include "ui/win32/plugin_window_parts.h"

namespace ui::win32 {

class CachePluginWindow : public PluginWindow {
public:
    // Loads the plug-in (its load step runs) unless it is loaded already.
    CachePluginWindow(Win32Host& host, plugins::PluginWindows& plugins);

    plugins::CachePluginModel& Model() { return model_; }
    void Render() override;
    // The model goes with the window: the next opening loads it afresh.
    void OnUnload() override;

protected:
    void OnCloseRequest() override { model_.OnCloseClick(); }

private:
    plugins::PluginWindows& plugins_;
    plugins::CachePluginModel& model_;
    HWND Text1_ = nullptr;
    HWND CheckAutomaticClean_ = nullptr;
    HWND CheckSecureDelete_ = nullptr;
    PassOptionsControls passes_;
};

}  // namespace ui::win32
