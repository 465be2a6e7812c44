// The main window (Form1): the program's menu. Renders the main window
// model (ui/main_window_model.h) and forwards its buttons, its link and its
// close box, as ui/qt/main_window.cpp does.
#pragma once

#include "ui/main_window_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class MainWindow : public ModelWindow {
public:
    explicit MainWindow(Win32Host& host);

    MainWindowModel& Model() { return model_; }
    void Render() override {}

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }

private:
    MainWindowModel model_;
};

}  // namespace ui::win32
