#include "ui/qt/splitter_bar.h"

namespace ui::qt {

SplitterBar::SplitterBar(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    setMidLineWidth(0);
}

}  // namespace ui::qt
