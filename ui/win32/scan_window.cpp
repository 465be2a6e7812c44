#include "ui/win32/scan_window.h"

#include "ui/win32/win32_host.h"

namespace ui::win32 {

ScanWindow::ScanWindow(Win32Host& host, scan::ResultsModel& results, std::function<void(ScanWindowModel&)> cleanAll)
    : ModelWindow(host, host::Window::kScan, "Form2"), model_(host, results, false), cleanAll_(std::move(cleanAll)) {
    using M = ScanWindowModel;
    namespace at = layout::scan_window;
    Create(M::kCaption, at::kClient);

    AddLabel("Label5", at::Label5, M::kLabel5, FontRole::kTitle);
    AddLabel("Label6", at::Label6, M::kLabel6, FontRole::kSubtitle);

    AddGroup("Frame2", at::Frame2);
    Label4_ = AddLabel("Label4", at::Label4, "");
    CoolProgress1_ = AddProgress("CoolProgress1", at::CoolProgress1);

    AddGroup("Frame1", at::Frame1);
    AddLabel("Label1", at::Label1, M::kLabel1);
    listsdetected_ = AddLabel("listsdetected", at::listsdetected, "");
    AddLabel("Label2", at::Label2, M::kLabel2);
    itemsdetected_ = AddLabel("itemsdetected", at::itemsdetected, "");
    AddLabel("Label3", at::Label3, M::kLabel3);
    totaldetected_ = AddLabel("totaldetected", at::totaldetected, "", FontRole::kBold);
    chameleonButton2_ =
        AddButton("chameleonButton2", at::chameleonButton2, "", [this] { model_.OnAbortOrMainMenuClick(); });
    resultsbutton_ = AddButton("resultsbutton", at::resultsbutton, "", [this] { model_.OnResultsButtonClick(); });
    cleanbutton1_ = AddButton("cleanbutton1", at::cleanbutton1, "", [this] { cleanAll_(model_); });

    notice_ = AddLabel("notice", at::notice, "", FontRole::kNormal, SS_CENTER);

    model_.Load();
    if (model_.Timer1Enabled()) SetTimer(Handle(), kTimer1, M::kTimer1IntervalMs, nullptr);
}

void ScanWindow::Render() {
    const scan::ScanWindowState& state = model_.State();
    RenderLabel(Label4_, state.Label4);
    RenderProgress(CoolProgress1_, state.CoolProgress1);
    RenderLabel(listsdetected_, state.listsdetected);
    RenderLabel(itemsdetected_, state.itemsdetected);
    RenderLabel(totaldetected_, state.totaldetected);
    RenderLabel(notice_, state.notice);
    RenderButton(chameleonButton2_, state.chameleonButton2);
    RenderButton(resultsbutton_, state.resultsbutton);
    RenderButton(cleanbutton1_, state.cleanbutton1);
}

void ScanWindow::OnUnload() { KillTimer(Handle(), kTimer1); }

std::optional<LRESULT> ScanWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_TIMER && wParam == kTimer1) {
        // A one-shot timer: it fires once and starts the scan.
        KillTimer(Handle(), kTimer1);
        host_.Handle([this] { model_.OnStartTimer(); });
        return 0;
    }
    return std::nullopt;
}

}  // namespace ui::win32
