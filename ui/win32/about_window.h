// The about window (frmAbout) and the quick FAQ window (FAQfrm): fixed
// texts, and buttons forwarded to their models (ui/about_window_model.h,
// ui/faq_window_model.h), as ui/qt/about_window.cpp does.
#pragma once

#include "ui/about_window_model.h"
#include "ui/faq_window_model.h"
#include "ui/win32/model_window.h"

namespace ui::win32 {

class AboutWindow : public ModelWindow {
public:
    explicit AboutWindow(Win32Host& host);
    void Render() override {}

private:
    AboutWindowModel model_;
};

class FaqWindow : public ModelWindow {
public:
    explicit FaqWindow(Win32Host& host);
    void Render() override {}

private:
    FaqWindowModel model_;
};

}  // namespace ui::win32
