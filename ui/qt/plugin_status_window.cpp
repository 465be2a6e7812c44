#include "ui/qt/plugin_status_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "plugins/cookie_plugin_model.h"
#include "ui/qt/cool_progress.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"
#include "ui/qt/splitter_bar.h"

namespace ui::qt {

PluginStatusWindow::PluginStatusWindow(QtHost& host, plugins::PluginStatusModel& model)
    : ModelWindow(host, host::Window::kPluginStatus, "pluginstatus"), model_(model) {
    using M = plugins::PluginStatusModel;
    setWindowTitle(M::kCaption);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    auto* Label1 = FixedLabel("Label1", M::kLabel1, this);
    Label1->setFont(MakeFont(kSubtitleFont));
    auto* Line1 = new SplitterBar(this);
    Line1->setObjectName("Line1");

    Frame1_ = new QGroupBox(this);
    Frame1_->setObjectName("Frame1");
    Status_ = FixedLabel("Status", "", Frame1_);
    Status2_ = FixedLabel("Status2", "", Frame1_);
    Progress_ = new CoolProgress(Frame1_);
    Progress_->setObjectName("Progress");
    auto* frame1Layout = new QVBoxLayout(Frame1_);
    frame1Layout->addWidget(Status_);
    frame1Layout->addWidget(Status2_);
    frame1Layout->addWidget(Progress_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Line1);
    layout->addWidget(Frame1_);
    // Wide enough for the longest line a run sets.
    setFixedWidth(Status2_->fontMetrics().horizontalAdvance(plugins::CookiePluginModel::kStatus2Secure) + 60);

    Timer1_.setInterval(M::kTimer1IntervalMs);
    connect(&Timer1_, &QTimer::timeout, this, [this] { host_.Handle([this] { model_.OnKeepOnTopTimer(); }); });
}

void PluginStatusWindow::Render() {
    const QString caption = Text(model_.Frame1().caption);
    if (Frame1_->title() != caption) Frame1_->setTitle(caption);
    ui::qt::Render(*Status_, model_.Status());
    ui::qt::Render(*Status2_, model_.Status2());
    ui::qt::Render(*Progress_, model_.Progress());
    if (model_.Timer1Enabled() && !Timer1_.isActive()) Timer1_.start();
    if (!model_.Timer1Enabled()) Timer1_.stop();
}

}  // namespace ui::qt
