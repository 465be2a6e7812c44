// The about window (frmAbout) and the quick FAQ window (FAQfrm): fixed
// texts and buttons forwarded to their models.
#pragma once

#include "ui/about_window_model.h"
#include "ui/faq_window_model.h"
#include "ui/qt/model_window.h"

namespace ui::qt {

class AboutWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit AboutWindow(QtHost& host);
    void Render() override {}

private:
    AboutWindowModel model_;
};

class FaqWindow : public ModelWindow {
    Q_OBJECT
public:
    explicit FaqWindow(QtHost& host);
    void Render() override {}

private:
    FaqWindowModel model_;
};

}  // namespace ui::qt
