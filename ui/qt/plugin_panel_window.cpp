#include "ui/qt/plugin_panel_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"

namespace ui::qt {

namespace {

// A plug-in's frame: its name and version over its description, and the
// button that opens it.
QGroupBox* PluginFrame(const char* frameName, std::initializer_list<std::pair<const char*, const char*>> labels,
                       ChameleonButton* button, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(frameName);
    auto* texts = new QVBoxLayout;
    bool first = true;
    for (const auto& [name, text] : labels) {
        QLabel* label = FixedLabel(name, text, frame, true);
        // A fixed width, so that the frame grows to the description's height.
        label->setFixedWidth(360);
        if (first) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            first = false;
        }
        texts->addWidget(label);
    }
    button->setParent(frame);
    button->setMinimumWidth(120);
    auto* layout = new QHBoxLayout(frame);
    layout->addLayout(texts, 1);
    layout->addWidget(button, 0, Qt::AlignVCenter);
    return frame;
}

}  // namespace

PluginPanelWindow::PluginPanelWindow(QtHost& host)
    : ModelWindow(host, host::Window::kPluginPanel, "Form6"), model_(host) {
    using M = plugins::PluginPanelModel;
    setWindowTitle(M::kCaption);

    auto* Label5 = FixedLabel("Label5", M::kLabel5, this);
    Label5->setFont(MakeFont(kTitleFont));
    auto* Label1 = FixedLabel("Label1", M::kLabel1, this);
    Label1->setFont(MakeFont(kSubtitleFont));

    auto* cookies = NamedButton("chameleonButton1", M::kChameleonButton1, this);
    auto* cache = NamedButton("chameleonButton3", M::kChameleonButton3, this);
    auto* back = NamedButton("chameleonButton2", M::kChameleonButton2, this);
    auto* Frame1 =
        PluginFrame("Frame1", {{"Label2", M::kLabel2}, {"Label3", M::kLabel3}, {"Label4", M::kLabel4}}, cookies, this);
    auto* Frame2 =
        PluginFrame("Frame2", {{"Label8", M::kLabel8}, {"Label7", M::kLabel7}, {"Label6", M::kLabel6}}, cache, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addWidget(Label1);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(back, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cookies, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnCookiePluginClick(); }); });
    connect(cache, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnTempFilesPluginClick(); }); });
    connect(back, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnBackToMainMenuClick(); }); });
}

}  // namespace ui::qt
