// The splitter bar: an etched horizontal bar that divides a window into
// areas (the about window's two lines).
#pragma once

#include <QFrame>

namespace ui::qt {

class SplitterBar : public QFrame {
    Q_OBJECT
public:
    explicit SplitterBar(QWidget* parent = nullptr);
};

}  // namespace ui::qt
