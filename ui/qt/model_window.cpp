#include "ui/qt/model_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <algorithm>
#include <vector>

#include "ui/keyboard_access.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/qt_host.h"

namespace ui::qt {

namespace {

// The widgets that Tab stops at, in the order of the layouts: a box layout
// in its order, a grid row by row, a group's own layout where the group is.
void CollectTabStops(QLayout& layout, std::vector<QWidget*>& stops) {
    struct Placed {
        int row, column;
        QLayoutItem* item;
    };
    std::vector<Placed> items;
    auto* grid = qobject_cast<QGridLayout*>(&layout);
    for (int i = 0; i < layout.count(); ++i) {
        Placed placed{0, i, layout.itemAt(i)};
        if (grid) {
            int rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &placed.row, &placed.column, &rowSpan, &columnSpan);
        }
        items.push_back(placed);
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Placed& placed : items) {
        if (QLayout* inner = placed.item->layout()) {
            CollectTabStops(*inner, stops);
        } else if (QWidget* widget = placed.item->widget()) {
            if (widget->focusPolicy() & Qt::TabFocus) stops.push_back(widget);
            if (widget->layout()) CollectTabStops(*widget->layout(), stops);
        }
    }
}

}  // namespace

ModelWindow::ModelWindow(QtHost& host, host::Window id, const char* objectName)
    : QWidget(nullptr, Qt::Window), host_(host), id_(id) {
    setObjectName(objectName);
}

void ModelWindow::OnCloseRequest() { host_.UnloadWindow(id_); }

void ModelWindow::closeEvent(QCloseEvent* event) {
    // The window stays until its model decides; the host hides or destroys it.
    event->ignore();
    host_.Handle([this] { OnCloseRequest(); });
}

void ModelWindow::keyPressEvent(QKeyEvent* event) {
    // Only keys that no control took arrive here; Enter means the window's
    // default button wherever the focus is, so that it never presses a
    // button only because the focus happens to rest on it.
    const char* name = nullptr;
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) name = ui::DefaultButton(id_);
        if (event->key() == Qt::Key_Escape) name = ui::CancelButton(id_);
    }
    auto* button = name ? findChild<ChameleonButton*>(name) : nullptr;
    if (!button) {
        QWidget::keyPressEvent(event);
        return;
    }
    button->click();  // nothing happens while the button is disabled
}

void ModelWindow::showEvent(QShowEvent* event) {
    if (!tabOrderSet_) FollowLayoutInTabOrder();
    QWidget::showEvent(event);
}

void ModelWindow::FollowLayoutInTabOrder() {
    tabOrderSet_ = true;
    if (!layout()) return;
    std::vector<QWidget*> stops;
    CollectTabStops(*layout(), stops);
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

}  // namespace ui::qt
