// The gradient progress bar: Percent from 0 to 100, drawn as a filled
// share of a sunken trough. Values outside the range are held at its ends.
#pragma once

#include <QWidget>

namespace ui::qt {

class CoolProgress : public QWidget {
    Q_OBJECT
public:
    explicit CoolProgress(QWidget* parent = nullptr);

    int Percent() const { return percent_; }
    void SetPercent(int percent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent_ = 0;
};

}  // namespace ui::qt
