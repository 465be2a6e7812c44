// The settings window (Form5, "Program Settings"): renders the category
// boxes of the settings model (settings/settings_window_model.h) and
// forwards the boxes, the "?" buttons and the four buttons, as
// ui/qt/settings_window.cpp does.
#pragma once

#include <array>
#include <cstddef>

#include "settings/settings_window_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class SettingsWindow : public ModelWindow {
public:
    explicit SettingsWindow(Win32Host& host);

    settings::SettingsWindowModel& Model() { return model_; }
    void Render() override;

private:
    // A column of category boxes (0 left, 1 right) in that area of boxes,
    // each with its "?" button if it has one.
    template <std::size_t N>
    void AddColumn(const std::array<const char*, N>& ids, int column, layout::Rect area);

    settings::SettingsWindowModel model_;
    // By index in the table of categories.
    std::array<HWND, settings::kCategoryCount> boxes_{};
};

}  // namespace ui::win32
