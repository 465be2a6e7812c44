#include "ui/qt/settings_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "settings/settings_help.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

SettingsWindow::SettingsWindow(QtHost& host) : ModelWindow(host, host::Window::kSettings, "Form5"), model_(host) {
    using M = settings::SettingsWindowModel;
    setWindowTitle(M::kCaption);

    auto* Frame1 = new QGroupBox(M::kFrame1, this);
    Frame1->setObjectName("Frame1");
    auto* boxes = new QGridLayout;
    AddColumn(M::kLeftColumn, 0, Frame1, boxes);
    AddColumn(M::kRightColumn, 1, Frame1, boxes);
    boxes->setColumnStretch(0, 1);
    boxes->setColumnStretch(2, 1);

    auto* Frame3 = new QGroupBox(M::kFrame3, Frame1);
    Frame3->setObjectName("Frame3");
    auto* newerBoxes = new QGridLayout(Frame3);
    AddColumn(M::kNewerLeftColumn, 0, Frame3, newerBoxes);
    AddColumn(M::kNewerRightColumn, 1, Frame3, newerBoxes);
    newerBoxes->setColumnStretch(0, 1);
    newerBoxes->setColumnStretch(2, 1);

    auto* frame1Layout = new QVBoxLayout(Frame1);
    frame1Layout->addWidget(FixedLabel("Label1", M::kIntroLabel, Frame1, true));
    frame1Layout->addWidget(FixedLabel("Label2", M::kUncheckLabel, Frame1, true));
    frame1Layout->addLayout(boxes);
    frame1Layout->addWidget(Frame3);
    frame1Layout->addWidget(FixedLabel("Label3", M::kBottomLabel, Frame1, true));

    auto* Frame2 = new QGroupBox(M::kFrame2, this);
    Frame2->setObjectName("Frame2");
    auto* goToPlugins = NamedButton("chameleonButton1", M::kGoToPlugins, Frame2);
    auto* frame2Layout = new QHBoxLayout(Frame2);
    frame2Layout->addWidget(FixedLabel("Label4", M::kPluginsLabel, Frame2, true), 1);
    frame2Layout->addWidget(goToPlugins);

    auto* save = NamedButton("SaveSettingsButton1", M::kSaveSettings, this);
    auto* remove = NamedButton("DeleteSettingsButton1", M::kDeleteSettings, this);
    auto* close = NamedButton("SettingsClose1", M::kClose, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(remove);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(buttons);
    setFixedWidth(620);

    connect(goToPlugins, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnGoToPluginsClick(); }); });
    connect(save, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnSaveSettingsClick(); }); });
    connect(remove, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnDeleteSettingsClick(); }); });
    connect(close, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { model_.OnCloseClick(); }); });

    model_.Load();
}

template <std::size_t N>
void SettingsWindow::AddColumn(const std::array<const char*, N>& ids, int column, QWidget* frame, QGridLayout* grid) {
    int row = 0;
    for (const char* id : ids) {
        const std::size_t index = settings::CategoryIndex(id);
        const settings::ScanCategory& category = settings::kScanCategories[index];
        auto* box = new QCheckBox(Text(category.caption), frame);
        box->setObjectName(category.checkBox);
        boxes_[index] = box;
        grid->addWidget(box, row, column * 2);
        if (const std::size_t help = settings::HelpIndex(category.id); help < settings::kHelpCount) {
            auto* button = NamedButton(settings::kCategoryHelp[help].button, "?", frame);
            button->setFixedSize(22, 20);
            grid->addWidget(button, row, column * 2 + 1);
            connect(button, &ChameleonButton::clicked, this,
                    [this, help] { host_.Handle([this, help] { model_.OnHelpButtonClick(help); }); });
        }
        connect(box, &QCheckBox::toggled, this,
                [this, index](bool on) { host_.Handle([this, index, on] { model_.SetChecked(index, on); }); });
        ++row;
    }
}

void SettingsWindow::Render() {
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const QSignalBlocker quiet(boxes_[index]);
        boxes_[index]->setChecked(model_.Checked(index));
    }
}

}  // namespace ui::qt
