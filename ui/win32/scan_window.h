// The scan window (Form2): renders the scan window model
// (ui/scan_window_model.h) and forwards its start timer (Timer1, a
// SetTimer of the model's interval), its three buttons and its close box,
// as ui/qt/scan_window.cpp does.
#pragma once

#include <functional>

#include "ui/scan_window_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class ScanWindow : public ModelWindow {
public:
    // cleanAll is the clean-all operation that "Clean Now" runs.
    ScanWindow(Win32Host& host, scan::ResultsModel& results, std::function<void(ScanWindowModel&)> cleanAll);

    ScanWindowModel& Model() { return model_; }
    void Render() override;
    void OnUnload() override;

    // Timer1's id for SetTimer on the window.
    static constexpr UINT_PTR kTimer1 = 1;

protected:
    void OnCloseRequest() override { model_.OnCloseRequest(); }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ScanWindowModel model_;
    std::function<void(ScanWindowModel&)> cleanAll_;
    HWND Label4_ = nullptr;
    HWND CoolProgress1_ = nullptr;
    HWND listsdetected_ = nullptr;
    HWND itemsdetected_ = nullptr;
    HWND totaldetected_ = nullptr;
    HWND notice_ = nullptr;
    HWND chameleonButton2_ = nullptr;
    HWND resultsbutton_ = nullptr;
    HWND cleanbutton1_ = nullptr;
};

}  // namespace ui::win32
