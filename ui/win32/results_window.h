// The results window (Form3) and the completion window (Form4): render
// their models (clean/results_window_model.h,
// clean/completion_window_model.h) and forward the row check boxes, the
// buttons and the close box, as ui/qt/results_window.cpp does.
//
// The results list List1 is a virtual list view (LVS_OWNERDATA): it asks
// for the rows it shows, so 50,000 rows fill at once. Each row's check box
// is its state image (1 unchecked, 2 checked); a click on it, or Space on
// the focused row, goes to the model's OnRowCheck. Rows that the clean
// keeps for an unchecked twin are drawn greyed, with the model's note as
// their tip.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clean/completion_window_model.h"
#include "clean/results_window_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class ResultsWindow : public ModelWindow {
public:
    // cleanSelected is the clean of the checked rows that "Clean Now" runs.
    ResultsWindow(Win32Host& host, scan::ResultsModel& results, std::function<void()> cleanSelected);
    ~ResultsWindow() override;

    clean::ResultsWindowModel& Model() { return model_; }
    void Render() override;

    // The row whose check box is at that point of the list's client area,
    // or nullopt: what a click there toggles.
    std::optional<std::size_t> CheckBoxAt(POINT point) const;
    // Checks an unchecked row and unchecks a checked one, through the
    // model, as a click on its check box or Space on it does.
    void ToggleRow(std::size_t row);

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }
    // The list grows with the window; the line below it stays at the
    // bottom, the buttons at the right.
    void OnResize(int clientWidth, int clientHeight) override;

private:
    LRESULT OnListNotify(NMHDR& header);
    void MakeCheckBoxes();

    clean::ResultsWindowModel model_;
    std::function<void()> cleanSelected_;
    HWND Frame1_ = nullptr;
    HWND List1_ = nullptr;
    HWND Label1_ = nullptr;
    HWND totaldetected_ = nullptr;
    HWND cleanbutton2_ = nullptr;
    HWND chameleonButton22_ = nullptr;
    HIMAGELIST checkBoxes_ = nullptr;
    UINT checkBoxesDpi_ = 0;  // the DPI they were drawn for
    // What the list shows: its rows' check boxes and greyed rows.
    std::size_t shownRows_ = 0;
    std::vector<bool> shownChecked_;
    std::vector<bool> shownKept_;
    // The text last handed to the list (LVN_GETDISPINFOW keeps a pointer).
    std::wstring rowText_;
};

class CompletionWindow : public ModelWindow {
public:
    // Made from the clean that has just ended.
    CompletionWindow(Win32Host& host, const clean::CleanState& clean);

    clean::CompletionWindowModel& Model() { return model_; }
    void Render() override;

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }

private:
    clean::CompletionWindowModel model_;
    HWND totaldetected_ = nullptr;
    HWND totalcleaned_ = nullptr;
    HWND sysstatus_ = nullptr;
    HWND cleanbutton_ = nullptr;
};

}  // namespace ui::win32
