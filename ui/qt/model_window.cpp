#include "ui/qt/model_window.h"

#include <QCloseEvent>

#include "ui/qt/qt_host.h"

namespace ui::qt {

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

}  // namespace ui::qt
