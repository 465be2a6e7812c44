#include "ui/qt/results_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/qt/chameleon_button.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/rendering.h"
#include "ui/window_layout.h"

namespace ui::qt {

ResultsWindow::ResultsWindow(QtHost& host, scan::ResultsModel& results, std::function<void()> cleanSelected)
    : ModelWindow(host, host::Window::kResults, "Form3"),
      model_(host, results),
      cleanSelected_(std::move(cleanSelected)) {
    using M = clean::ResultsWindowModel;
    setWindowTitle(M::kCaption);

    auto* Frame1 = new QGroupBox(M::kFrame1, this);
    Frame1->setObjectName("Frame1");
    List1_ = new QListWidget(Frame1);
    List1_->setObjectName("List1");
    (new QVBoxLayout(Frame1))->addWidget(List1_);

    totaldetected_ = FixedLabel("totaldetected", "", this);
    cleanbutton2_ = new ChameleonButton("", this);
    cleanbutton2_->setObjectName("cleanbutton2");
    chameleonButton22_ = new ChameleonButton("", this);
    chameleonButton22_->setObjectName("chameleonButton22");

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(FixedLabel("Label1", M::kTotalLabel, this));
    bottom->addWidget(totaldetected_);
    bottom->addStretch();
    bottom->addWidget(cleanbutton2_);
    bottom->addWidget(chameleonButton22_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(bottom);
    resize(layout::results_window::kClient.width, layout::results_window::kClient.height);

    connect(List1_, &QListWidget::itemChanged, this, &ResultsWindow::OnItemChanged);
    connect(cleanbutton2_, &ChameleonButton::clicked, this, [this] { host_.Handle([this] { cleanSelected_(); }); });
    connect(chameleonButton22_, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnMainMenuClick(); }); });
}

void ResultsWindow::Render() {
    const scan::DetectedItems& store = model_.Results().store;
    const QSignalBlocker quiet(List1_);
    if (static_cast<std::size_t>(List1_->count()) != store.RowCount()) {
        List1_->clear();
        for (const std::string& label : store.Labels()) {
            auto* item = new QListWidgetItem(Text(label), List1_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    const std::vector<bool>& kept = model_.RowsKeptForTwin();
    const QBrush ordinary = List1_->palette().text();
    const QBrush greyed = List1_->palette().brush(QPalette::Disabled, QPalette::Text);
    for (std::size_t row = 0; row < store.RowCount(); ++row) {
        QListWidgetItem* item = List1_->item(static_cast<int>(row));
        item->setCheckState(store.Checked(row) ? Qt::Checked : Qt::Unchecked);
        item->setForeground(kept[row] ? greyed : ordinary);
        item->setToolTip(kept[row] ? QString(clean::ResultsWindowModel::kKeptForTwinNote) : QString());
    }
    const QString total = Text(model_.TotalText());
    if (totaldetected_->text() != total) totaldetected_->setText(total);
    ui::qt::Render(*cleanbutton2_, model_.cleanbutton2);
    ui::qt::Render(*chameleonButton22_, model_.chameleonButton22);
}

void ResultsWindow::OnItemChanged(QListWidgetItem* item) {
    const int row = List1_->row(item);
    if (row < 0) return;
    const bool checked = item->checkState() == Qt::Checked;
    host_.Handle([this, row, checked] { model_.OnRowCheck(static_cast<std::size_t>(row), checked); });
}

CompletionWindow::CompletionWindow(QtHost& host, const clean::CleanState& clean)
    : ModelWindow(host, host::Window::kCompletion, "Form4"), model_(host, clean) {
    using M = clean::CompletionWindowModel;
    setWindowTitle(M::kCaption);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* heading = FixedLabel("Label1", M::kHeading, Frame1);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 4);
    heading->setFont(headingFont);
    totaldetected_ = FixedLabel("totaldetected", "", Frame1);
    totalcleaned_ = FixedLabel("totalcleaned", "", Frame1);
    sysstatus_ = FixedLabel("sysstatus", "", Frame1);
    QFont bold = sysstatus_->font();
    bold.setBold(true);
    sysstatus_->setFont(bold);

    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(heading, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(FixedLabel("Label2", M::kDetectedLabel, Frame1), 1, 0);
    grid->addWidget(totaldetected_, 1, 1);
    grid->addWidget(FixedLabel("Label3", M::kCleanedLabel, Frame1), 2, 0);
    grid->addWidget(totalcleaned_, 2, 1);
    grid->addWidget(FixedLabel("Label4", M::kStatusLabel, Frame1), 3, 0);
    grid->addWidget(sysstatus_, 3, 1);
    grid->setColumnStretch(1, 1);

    cleanbutton_ = new ChameleonButton("", this);
    cleanbutton_->setObjectName("cleanbutton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(cleanbutton_, 0, Qt::AlignHCenter);
    // As wide as the longer status needs, fixed like the other small windows.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Frame1->setMinimumWidth(Frame1->fontMetrics().horizontalAdvance(QString(M::kStatusLabel) + M::kSomeNotDeleted) +
                            80);

    connect(cleanbutton_, &ChameleonButton::clicked, this,
            [this] { host_.Handle([this] { model_.OnMainMenuClick(); }); });
}

void CompletionWindow::Render() {
    ui::qt::Render(*totaldetected_, model_.totaldetected);
    ui::qt::Render(*totalcleaned_, model_.totalcleaned);
    ui::qt::Render(*sysstatus_, model_.sysstatus);
    ui::qt::Render(*cleanbutton_, model_.cleanbutton);
}

}  // namespace ui::qt
