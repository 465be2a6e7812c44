// The main window (Form1): the program's menu. Renders the main window
// model and forwards its buttons, its link and its close box.
#pragma once

#include "ui/main_window_model.h"
#include "ui/qt/model_window.h"

namespace ui::qt {

class MainWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit MainWindow(QtHost& host);

    MainWindowModel& Model() { return model_; }
    void Render() override {}

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }

private:
    MainWindowModel model_;
};

}  // namespace ui::qt
