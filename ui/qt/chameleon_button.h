// The owner-drawn push button of every window: a settable caption, an
// enabled state, face and text colours and a lighter face while the mouse
// is over it. It raises clicked() only when enabled. It takes the focus
// with Tab and shows it; Space presses it. A "&" in its text marks the
// access key, which is underlined and presses the button with Alt.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace ui::qt {

class ChameleonButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ChameleonButton(const QString& caption, QWidget* parent = nullptr);

    void SetFaceColour(const QColor& colour);
    void SetTextColour(const QColor& colour);
    QColor FaceColour() const { return face_; }
    // The text as shown, without the access key's marker.
    QString Caption() const;
    // Whether the mouse is over the button, as the face shows it.
    bool Hovered() const { return hovered_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor face_;
    QColor text_;
    bool hovered_ = false;
};

}  // namespace ui::qt
