#include "ui/qt/chameleon_button.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include "ui/qt/rendering.h"
#include "ui/window_layout.h"

namespace ui::qt {

namespace {

namespace look = ui::layout::button;

const QColor kDefaultFace = Colour(look::kFace);
const QColor kDefaultText = Colour(look::kText);
const QColor kDisabledText = Colour(look::kDisabledText);
const QColor kBorder = Colour(look::kBorder);

}  // namespace

ChameleonButton::ChameleonButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent), face_(kDefaultFace), text_(kDefaultText) {
    setText(caption);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ChameleonButton::SetFaceColour(const QColor& colour) {
    face_ = colour;
    update();
}

void ChameleonButton::SetTextColour(const QColor& colour) {
    text_ = colour;
    update();
}

QSize ChameleonButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 24, metrics.height() + 12};
}

QSize ChameleonButton::minimumSizeHint() const { return sizeHint(); }

void ChameleonButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QColor face = face_;
    if (!isEnabled()) {
        face = face.lighter(look::kDisabledLighter);
    } else if (isDown()) {
        face = face.darker(look::kPressedDarker);
    } else if (hovered_) {
        face = face.lighter(look::kHoverLighter);
    }
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, isDown() ? face : face.lighter(look::kTopLighter));
    fill.setColorAt(1, isDown() ? face.lighter(look::kPressedBottomLighter) : face.darker(look::kBottomDarker));
    painter.setBrush(fill);
    painter.setPen(isEnabled() ? kBorder : kDisabledText);
    painter.drawRoundedRect(area, look::kCornerRadius, look::kCornerRadius);

    if (hasFocus() && isEnabled()) {
        painter.setPen(QPen(kBorder, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(3, 3, -3, -3), 2, 2);
    }

    painter.setPen(isEnabled() ? text_ : kDisabledText);
    const QRect textArea = isDown() ? rect().translated(1, 1) : rect();
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void ChameleonButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ChameleonButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ChameleonButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QAbstractButton::changeEvent(event);
}

}  // namespace ui::qt
