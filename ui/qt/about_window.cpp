#include "ui/qt/about_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"
#include "ui/qt/splitter_bar.h"

namespace ui::qt {

AboutWindow::AboutWindow(QtHost& host) : ModelWindow(host, host::Window::kAbout, "frmAbout"), model_(host) {
    using M = AboutWindowModel;
    setWindowTitle(M::kCaption);

    auto* lblTitle = FixedLabel("lblTitle", M::klblTitle, this);
    lblTitle->setFont(MakeFont(kTitleFont));
    auto* lblVersion = FixedLabel("lblVersion", M::klblVersion, this);
    auto* lblDescription = FixedLabel("lblDescription", M::klblDescription, this, true);
    auto* Label3 = FixedLabel("Label3", M::kLabel3, this);
    auto* Label1 = FixedLabel("Label1", M::kLabel1, this);
    auto* Label2 = FixedLabel("Label2", M::kLabel2, this);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* lblDisclaimer = FixedLabel("lblDisclaimer", M::klblDisclaimer, this, true);

    auto* cmdOK = NamedButton("cmdOK", M::kcmdOK, this);
    auto* cmdSysInfo = NamedButton("cmdSysInfo", M::kcmdSysInfo, this);
    auto* FAQbutton1 = NamedButton("FAQbutton1", M::kFAQbutton1, this);
    auto* upperLine = new SplitterBar(this);
    upperLine->setObjectName("Line1");
    auto* lowerLine = new SplitterBar(this);
    lowerLine->setObjectName("Line1");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(FAQbutton1);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(lblDescription);
    layout->addWidget(upperLine);
    layout->addWidget(Label3);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(lowerLine);
    layout->addLayout(bottom);
    setFixedWidth(440);

    connect(cmdOK, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnOkClick(); }); });
    connect(cmdSysInfo, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnSystemInfoClick(); }); });
    connect(FAQbutton1, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnFaqClick(); }); });
}

FaqWindow::FaqWindow(QtHost& host) : ModelWindow(host, host::Window::kFaq, "FAQfrm"), model_(host) {
    using M = FaqWindowModel;
    setWindowTitle(M::kCaption);

    // Answers of a fixed width, so that the window grows to their height.
    const auto answer = [](const char* name, const char* text, QWidget* frame) {
        QLabel* label = FixedLabel(name, text, frame, true);
        label->setFixedWidth(380);
        (new QVBoxLayout(frame))->addWidget(label);
    };
    auto* Frame1 = new QGroupBox(M::kFrame1, this);
    Frame1->setObjectName("Frame1");
    answer("Label1", M::kAnswer1, Frame1);
    auto* Frame2 = new QGroupBox(M::kFrame2, this);
    Frame2->setObjectName("Frame2");
    answer("Label2", M::kAnswer2, Frame2);
    auto* close = NamedButton("chameleonButton98", M::kchameleonButton98, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(close, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnCloseClick(); }); });
}

}  // namespace ui::qt
