// The scan window (Form2): renders the scan window model and forwards its
// start timer, its three buttons and its close box.
#pragma once

#include <QTimer>
#include <functional>

#include "ui/qt/model_window.h"
#include "ui/scan_window_model.h"

class QLabel;

namespace ui::qt {

class ChameleonButton;
class CoolProgress;

class ScanWindow : public ModelWindow {
    Q_OBJECT
public:
    // cleanAll is the clean-all operation that "Clean Now" runs.
    ScanWindow(QtHost& host, scan::ResultsModel& results, std::function<void(ScanWindowModel&)> cleanAll);

    ScanWindowModel& Model() { return model_; }
    void Render() override;

protected:
    void OnCloseRequest() override;

private:
    ScanWindowModel model_;
    std::function<void(ScanWindowModel&)> cleanAll_;
    QTimer Timer1_;
    QLabel* Label4_;
    CoolProgress* CoolProgress1_;
    QLabel* listsdetected_;
    QLabel* itemsdetected_;
    QLabel* totaldetected_;
    QLabel* notice_;
    ChameleonButton* chameleonButton2_;
    ChameleonButton* resultsbutton_;
    ChameleonButton* cleanbutton1_;
};

}  // namespace ui::qt
