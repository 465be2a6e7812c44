#include "ui/qt/scan_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"
#include "ui/window_layout.h"

namespace ui::qt {

ScanWindow::ScanWindow(QtHost& host, scan::ResultsModel& results, std::function<void(ScanWindowModel&)> cleanAll)
    : ModelWindow(host, host::Window::kScan, "Form2"), model_(host, results, false), cleanAll_(std::move(cleanAll)) {
    using M = ScanWindowModel;
    setWindowTitle(M::kCaption);

    auto* Label5 = FixedLabel("Label5", M::kLabel5, this);
    Label5->setFont(MakeFont(kTitleFont));
    auto* Label6 = FixedLabel("Label6", M::kLabel6, this);
    Label6->setFont(MakeFont(kSubtitleFont));

    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    Label4_ = FixedLabel("Label4", "", Frame2);
    CoolProgress1_ = new CoolProgress(Frame2);
    CoolProgress1_->setObjectName("CoolProgress1");
    auto* frame2Layout = new QVBoxLayout(Frame2);
    frame2Layout->addWidget(Label4_);
    frame2Layout->addWidget(CoolProgress1_);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    listsdetected_ = FixedLabel("listsdetected", "", Frame1);
    itemsdetected_ = FixedLabel("itemsdetected", "", Frame1);
    totaldetected_ = FixedLabel("totaldetected", "", Frame1);
    QFont bold = totaldetected_->font();
    bold.setBold(true);
    totaldetected_->setFont(bold);
    auto* counters = new QGridLayout;
    counters->addWidget(FixedLabel("Label1", M::kLabel1, Frame1), 0, 0);
    counters->addWidget(listsdetected_, 0, 1);
    counters->addWidget(FixedLabel("Label2", M::kLabel2, Frame1), 1, 0);
    counters->addWidget(itemsdetected_, 1, 1);
    counters->addWidget(FixedLabel("Label3", M::kLabel3, Frame1), 2, 0);
    counters->addWidget(totaldetected_, 2, 1);
    counters->setColumnStretch(1, 1);

    chameleonButton2_ = new ChameleonButton("", Frame1);
    chameleonButton2_->setObjectName("chameleonButton2");
    resultsbutton_ = new ChameleonButton("", Frame1);
    resultsbutton_->setObjectName("resultsbutton");
    cleanbutton1_ = new ChameleonButton("", Frame1);
    cleanbutton1_->setObjectName("cleanbutton1");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chameleonButton2_);
    buttons->addWidget(resultsbutton_);
    buttons->addWidget(cleanbutton1_);
    auto* frame1Layout = new QVBoxLayout(Frame1);
    frame1Layout->addLayout(counters);
    frame1Layout->addLayout(buttons);

    notice_ = FixedLabel("notice", "", this, true);
    notice_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addWidget(Label6);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addWidget(notice_);
    // The window keeps its size when the note appears.
    notice_->setMinimumHeight(notice_->fontMetrics().height() * 2);
    QSizePolicy keep = notice_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    notice_->setSizePolicy(keep);
    setFixedWidth(layout::scan_window::kClient.width);

    connect(chameleonButton2_, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnAbortOrMainMenuClick(); }); });
    connect(resultsbutton_, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnResultsButtonClick(); }); });
    connect(cleanbutton1_, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { cleanAll_(model_); }); });

    model_.Load();
    Timer1_.setSingleShot(true);
    Timer1_.setInterval(M::kTimer1IntervalMs);
    connect(&Timer1_, &QTimer::timeout, this, [this] { host_.Handle([this] { model_.OnStartTimer(); }); });
    if (model_.Timer1Enabled()) Timer1_.start();
}

void ScanWindow::Render() {
    const scan::ScanWindowState& state = model_.State();
    ui::qt::Render(*Label4_, state.Label4);
    ui::qt::Render(*CoolProgress1_, state.CoolProgress1);
    ui::qt::Render(*listsdetected_, state.listsdetected);
    ui::qt::Render(*itemsdetected_, state.itemsdetected);
    ui::qt::Render(*totaldetected_, state.totaldetected);
    ui::qt::Render(*notice_, state.notice);
    ui::qt::Render(*chameleonButton2_, state.chameleonButton2);
    ui::qt::Render(*resultsbutton_, state.resultsbutton);
    ui::qt::Render(*cleanbutton1_, state.cleanbutton1);
}

void ScanWindow::OnCloseRequest() { model_.OnCloseRequest(); }

}  // namespace ui::qt
