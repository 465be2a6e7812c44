#include "ui/qt/main_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"
#include "ui/window_layout.h"

namespace ui::qt {

MainWindow::MainWindow(QtHost& host) : ModelWindow(host, host::Window::kMain, "Form1"), model_(host) {
    using M = MainWindowModel;
    setWindowTitle(M::kCaption);

    auto* Label4 = FixedLabel("Label4", M::kLabel4, this);
    Label4->setFont(MakeFont(kTitleFont));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* rows = new QVBoxLayout(Frame1);
    const auto addRow = [&](const char* name, const char* caption,
                            std::initializer_list<std::pair<const char*, const char*>> labels,
                            void (MainWindowModel::*handler)()) {
        auto* button = new ChameleonButton(caption, Frame1);
        button->setObjectName(name);
        button->setMinimumWidth(layout::main_window::kButtonWidth);
        auto* descriptions = new QVBoxLayout;
        for (const auto& [labelName, text] : labels) {
            descriptions->addWidget(FixedLabel(labelName, text, Frame1, true));
        }
        auto* row = new QHBoxLayout;
        row->addWidget(button, 0, Qt::AlignTop);
        row->addLayout(descriptions, 1);
        rows->addLayout(row);
        connect(button, &ChameleonButton::clicked, this,
                [this, handler] { host_.Handle([this, handler] { (model_.*handler)(); }); });
    };
    addRow("ScanButton1", M::kScanButton1, {{"Label1", M::kLabel1}}, &MainWindowModel::OnScanClick);
    addRow("SettingsButton1", M::kSettingsButton1, {{"Label8", M::kLabel8}, {"Label3", M::kLabel3}},
           &MainWindowModel::OnSettingsClick);
    addRow("AboutButton1", M::kAboutButton1, {{"Label2", M::kLabel2}}, &MainWindowModel::OnAboutClick);
    addRow("ExitButton1", M::kExitButton1, {{"Label5", M::kLabel5}}, &MainWindowModel::OnExitClick);

    auto* question = new ChameleonButton(M::kQuestionButtonNumber, this);
    question->setObjectName("QuestionButtonNumber");
    question->setFixedSize(layout::main_window::kQuestionButton.width, layout::main_window::kQuestionButton.height);
    // The link label shows the address as a link; a click goes to the model.
    auto* Label6 = FixedLabel("Label6", "", this);
    Label6->setText(QString("<a href=\"%1\">%1</a>").arg(Text(M::kLabel6).toHtmlEscaped()));
    Label6->setTextFormat(Qt::RichText);
    Label6->setOpenExternalLinks(false);
    Label6->setCursor(Qt::PointingHandCursor);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(FixedLabel("Label7", M::kLabel7, this));
    bottom->addWidget(question);
    bottom->addStretch();
    bottom->addWidget(Label6);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(Frame1);
    layout->addLayout(bottom);
    setFixedWidth(layout::main_window::kClient.width);

    connect(question, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnDatabaseInfoClick(); }); });
    connect(Label6, &QLabel::linkActivated, this, [this] { host_.Handle([this] { model_.OnWebAddressClick(); }); });
}

}  // namespace ui::qt
