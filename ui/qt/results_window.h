// The results window (Form3) and the completion window (Form4): render
// their models and forward the row check boxes, the buttons and the close
// box.
#pragma once

#include <functional>

#include "clean/completion_window_model.h"
#include "clean/results_window_model.h"
#include "ui/qt/model_window.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace ui::qt {

class ChameleonButton;

class ResultsWindow : public ModelWindow {
    Q_OBJECT
public:
    // cleanSelected is the clean of the checked rows that "Clean Now" runs.
    ResultsWindow(QtHost& host, scan::ResultsModel& results, std::function<void()> cleanSelected);

    clean::ResultsWindowModel& Model() { return model_; }
    void Render() override;

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }

private:
    void OnItemChanged(QListWidgetItem* item);

    clean::ResultsWindowModel model_;
    std::function<void()> cleanSelected_;
    QListWidget* List1_;
    QLabel* totaldetected_;
    ChameleonButton* cleanbutton2_;
    ChameleonButton* chameleonButton22_;
};

class CompletionWindow : public ModelWindow {
    Q_OBJECT
public:
    // Made from the clean that has just ended.
    CompletionWindow(QtHost& host, const clean::CleanState& clean);

    clean::CompletionWindowModel& Model() { return model_; }

    void Render() override;

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }

private:
    clean::CompletionWindowModel model_;
    QLabel* totaldetected_;
    QLabel* totalcleaned_;
    QLabel* sysstatus_;
    ChameleonButton* cleanbutton_;
};

}  // namespace ui::qt
