#include "ui/qt/cool_progress.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "ui/qt/rendering.h"
#include "ui/window_layout.h"

namespace ui::qt {

CoolProgress::CoolProgress(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(16);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CoolProgress::SetPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == percent_) return;
    percent_ = percent;
    update();
}

QSize CoolProgress::sizeHint() const { return {300, ui::layout::progress::kHeight}; }

void CoolProgress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect trough = rect().adjusted(0, 0, -1, -1);
    namespace look = ui::layout::progress;
    painter.setPen(Colour(look::kTroughBorder));
    painter.setBrush(Colour(look::kTrough));
    painter.drawRect(trough);

    const QRect inside = trough.adjusted(2, 2, -1, -1);
    const int filled = inside.width() * percent_ / 100;
    if (filled <= 0) return;
    QLinearGradient fill(inside.topLeft(), inside.topRight());
    fill.setColorAt(0, Colour(look::kFrom));
    fill.setColorAt(1, Colour(look::kTo));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRect(QRect(inside.left(), inside.top(), filled, inside.height()));
}

}  // namespace ui::qt
