// The settings window (Form5, "Program Settings"): renders the category
// boxes of the settings model and forwards the boxes, the "?" buttons and
// the four buttons.
#pragma once

#include <array>

#include "settings/settings_window_model.h"
#include "ui/qt/model_window.h"

class QCheckBox;
class QGridLayout;

namespace ui::qt {

class SettingsWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit SettingsWindow(QtHost& host);

    settings::SettingsWindowModel& Model() { return model_; }
    void Render() override;

private:
    // Lays out a column of category boxes, each with its "?" button if it
    // has one, in column `column` of grid.
    template <std::size_t N>
    void AddColumn(const std::array<const char*, N>& ids, int column, QWidget* frame, QGridLayout* grid);

    settings::SettingsWindowModel model_;
    // By index in the table of categories.
    std::array<QCheckBox*, settings::kCategoryCount> boxes_{};
};

}  // namespace ui::qt
