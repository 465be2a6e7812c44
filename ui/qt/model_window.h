// The base of every window's view: it knows its place among the program's
// windows, renders its model on request and turns the close box into the
// model's close request. Unloads by the program go through the host and
// never reach closeEvent. It also gives the window its keyboard use: Tab
// follows the layout, Enter and Escape press the window's default and
// cancel buttons.
#pragma once

#include <QWidget>

#include "host/host.h"

namespace ui::qt {

class QtHost;

class ModelWindow : public QWidget {
    Q_OBJECT
public:
    ModelWindow(QtHost& host, host::Window id, const char* objectName);

    host::Window Id() const { return id_; }
    // Brings every control up to date with the model.
    virtual void Render() = 0;
    // The host has just unloaded the window; it is destroyed later, once no
    // handler runs.
    virtual void OnUnload() {}

protected:
    // The user closes the window through its close box or system menu. By
    // default the window is unloaded; the main, scan, results and
    // completion windows end the program instead.
    virtual void OnCloseRequest();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    QtHost& host_;

private:
    // Sets the Tab order to the order of the layouts, once the view is built.
    void FollowLayoutInTabOrder();

    host::Window id_;
    bool tabOrderSet_ = false;
};

}  // namespace ui::qt
