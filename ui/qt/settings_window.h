// The settings window (Form5, "Program Settings"): renders the twenty
// category boxes of the settings model and forwards the boxes, the six "?"
// buttons and the four buttons.
#pragma once

#include <array>

#include "settings/settings_window_model.h"
#include "ui/qt/model_window.h"

class QCheckBox;

namespace ui::qt {

class SettingsWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit SettingsWindow(QtHost& host);

    settings::SettingsWindowModel& Model() { return model_; }
    void Render() override;

private:
    settings::SettingsWindowModel model_;
    // By index in the table of categories.
    std::array<QCheckBox*, settings::kCategoryCount> boxes_{};
};

}  // namespace ui::qt
