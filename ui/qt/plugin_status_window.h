// The plug-in status window (pluginstatus): renders the status model that
// both plug-ins fill during a run, on top of the other windows, and runs
// its 1000 ms timer while the model wants it.
#pragma once

#include <QTimer>

#include "plugins/plugin_status_model.h"
#include "ui/qt/model_window.h"

class QGroupBox;
class QLabel;

namespace ui::qt {

class CoolProgress;

class PluginStatusWindow : public ModelWindow {
    Q_OBJECT
public:
    PluginStatusWindow(QtHost& host, plugins::PluginStatusModel& model);

    const QTimer& Timer1() const { return Timer1_; }
    void Render() override;

protected:
    // The run that shows the window takes it away when it ends.
    void OnCloseRequest() override {}

private:
    plugins::PluginStatusModel& model_;
    QTimer Timer1_;
    QGroupBox* Frame1_;
    QLabel* Status_;
    QLabel* Status2_;
    CoolProgress* Progress_;
};

}  // namespace ui::qt
