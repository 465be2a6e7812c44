#include "ui/win32/about_window.h"

#include "ui/win32/text.h"
#include "ui/win32/win32_host.h"

namespace ui::win32 {

AboutWindow::AboutWindow(Win32Host& host) : ModelWindow(host, host::Window::kAbout, "frmAbout"), model_(host) {
    using M = AboutWindowModel;
    namespace at = layout::about_window;
    Create(M::kCaption, at::kClient);

    AddLabel("lblTitle", at::lblTitle, M::klblTitle, FontRole::kTitle);
    AddLabel("lblVersion", at::lblVersion, M::klblVersion);
    AddLabel("lblDescription", at::lblDescription, M::klblDescription);
    AddSplitter("Line1", at::UpperLine1);
    AddLabel("Label3", at::Label3, M::kLabel3);
    AddLabel("Label1", at::Label1, M::kLabel1);
    // The forum's address is plain text the user can select and copy, as
    // on the Qt view: a read-only edit without a border.
    HWND Label2 = AddControl("Label2", L"EDIT", ES_READONLY | ES_AUTOHSCROLL, 0, at::Label2, FontRole::kNormal,
                             Wide(M::kLabel2).c_str());
    // Without the edit's margins the address lines up with the labels.
    SendMessageW(Label2, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    AddSplitter("Line1", at::LowerLine1);
    AddLabel("lblDisclaimer", at::lblDisclaimer, M::klblDisclaimer);

    AddButton("cmdOK", at::cmdOK, M::kcmdOK, [this] { model_.OnOkClick(); });
    AddButton("cmdSysInfo", at::cmdSysInfo, M::kcmdSysInfo, [this] { model_.OnSystemInfoClick(); });
    AddButton("FAQbutton1", at::FAQbutton1, M::kFAQbutton1, [this] { model_.OnFaqClick(); });
}

FaqWindow::FaqWindow(Win32Host& host) : ModelWindow(host, host::Window::kFaq, "FAQfrm"), model_(host) {
    using M = FaqWindowModel;
    namespace at = layout::faq_window;
    Create(M::kCaption, at::kClient);

    AddGroup("Frame1", at::Frame1, M::kFrame1);
    AddLabel("Label1", at::Label1, M::kAnswer1);
    AddGroup("Frame2", at::Frame2, M::kFrame2);
    AddLabel("Label2", at::Label2, M::kAnswer2);
    AddButton("chameleonButton98", at::chameleonButton98, M::kchameleonButton98, [this] { model_.OnCloseClick(); });
}

}  // namespace ui::win32
