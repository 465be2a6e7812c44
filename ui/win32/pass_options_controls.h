// The pass-count controls on Win32, the counterpart of
// ui/qt/pass_options_controls.h: the default and custom option buttons, the
// three-character box for the custom count and its label. PluginWindow
// makes them (AddPassOptions) and renders a plugins::PassOptions on them.
#pragma once

#include <functional>
#include <string>

#include "ui/win32/windows_api.h"

namespace ui::win32 {

struct PassOptionsNames {
    const char* defaultOption;
    const char* customOption;
    const char* label;
    const char* box;
};

struct PassOptionsHandlers {
    std::function<void()> onDefault;
    std::function<void()> onCustom;
    std::function<void(const std::string&)> onType;
};

struct PassOptionsControls {
    HWND defaultOption = nullptr;
    HWND customOption = nullptr;
    HWND label = nullptr;
    HWND box = nullptr;
};

}  // namespace ui::win32
