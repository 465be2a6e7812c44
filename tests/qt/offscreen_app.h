// The QApplication that the window tests share (off screen, as ctest sets
// QT_QPA_PLATFORM), and a wait that lets the message loop run.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <functional>

namespace qt_testing {

// Made once and never destroyed: a QApplication destroyed among the exit
// handlers takes Qt's own globals down in the wrong order.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "nimbrel-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return *application;
}

// Runs the message loop until done() holds or timeoutMs have passed; tells
// whether done() held.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace qt_testing
