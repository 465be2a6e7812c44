// nimbrel-click-through SHOTDIR: the program's windows on a real X server
// (Xvfb), driven by real mouse clicks sent through the server with
// xdotool: "Scan" on the main window, "Show Results" when the scan has
// ended, one row unchecked, "Clean Now". Leaves a screenshot of the screen
// after each step in SHOTDIR and fails when a window or a total is not what
// the clicks should have led to. It scans and cleans the emulated machine
// in $NIMBREL_HOME: run it on a scratch machine (scripts/xvfb-click-through).
//
// nimbrel-click-through --shot FILE: a screenshot of the X screen, for the
// script's run of the program itself.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/model_window.h"
#include "ui/qt/windows_app.h"

namespace {

using host::Window;
using ui::qt::ModelWindow;

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Settles the screen for a moment, so that what was clicked has painted.
void Settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class Driver {
public:
    Driver(ui::qt::QtHost& host, QString shots) : host_(host), shots_(std::move(shots)) {}

    ModelWindow* Visible(Window id) const {
        ModelWindow* window = host_.Loaded(id);
        return window && window->isVisible() ? window : nullptr;
    }

    ModelWindow* WaitForWindow(Window id, const char* name) {
        ModelWindow* window = nullptr;
        if (!WaitFor([&] { return (window = Visible(id)) != nullptr; })) Fail(std::string(name) + " did not open");
        Settle();
        return window;
    }

    // A left click at a point of a widget, through the X server.
    void ClickAt(QWidget* widget, QPoint point) {
        const QPoint global = widget->mapToGlobal(point);
        const int status = QProcess::execute(
            "xdotool", {"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()), "click", "1"});
        if (status != 0) Fail("xdotool failed");
        Settle();
    }

    void Click(ModelWindow* window, const char* button) {
        auto* found = window->findChild<ui::qt::ChameleonButton*>(button);
        if (!found) Fail(std::string("no button ") + button);
        ClickAt(found, found->rect().center());
    }

    void Shot(const char* name) {
        const QString file = QDir(shots_).filePath(name);
        if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file)) Fail("cannot write the screenshot");
        std::printf("%s\n", qPrintable(file));
    }

    [[noreturn]] static void Fail(const std::string& why) {
        std::fprintf(stderr, "click-through: %s\n", why.c_str());
        std::exit(1);
    }

private:
    ui::qt::QtHost& host_;
    QString shots_;
};

QString LabelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--shot") {
        QApplication application(argc, argv);
        return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (argc != 2 || !std::getenv("NIMBREL_HOME")) {
        std::fprintf(stderr,
                     "usage: NIMBREL_HOME=SCRATCH nimbrel-click-through SHOTDIR\n"
                     "       nimbrel-click-through --shot FILE\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string fault = platform::Start();
    if (!fault.empty()) Driver::Fail(fault);
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));

    ui::qt::WindowsApp windows;
    Driver driver(windows.Host(), QString::fromLocal8Bit(argv[1]));
    windows.Host().ShowWindow(Window::kMain);
    ModelWindow* main = driver.WaitForWindow(Window::kMain, "the main window");
    driver.Shot("1-main.png");

    driver.Click(main, "ScanButton1");
    ModelWindow* scan = driver.WaitForWindow(Window::kScan, "the scan window");
    if (main->isVisible()) Driver::Fail("the main window stayed on screen during the scan");
    auto* abort = scan->findChild<ui::qt::ChameleonButton*>("chameleonButton2");
    if (!WaitFor([&] { return abort->Caption() == "Main Menu"; })) Driver::Fail("the scan did not end");
    Settle();
    const QString total = LabelText(scan, "totaldetected");
    if (total.toInt() < 2) Driver::Fail("the scan found too little to leave a row out: " + total.toStdString());
    driver.Shot("2-scan.png");

    driver.Click(scan, "resultsbutton");
    ModelWindow* results = driver.WaitForWindow(Window::kResults, "the results window");
    auto* list = results->findChild<QListWidget*>("List1");
    // The check box sits at the start of the row.
    const QRect first = list->visualItemRect(list->item(0));
    driver.ClickAt(list->viewport(), QPoint(first.left() + 10, first.center().y()));
    if (windows.Results().store.Checked(0)) Driver::Fail("the click did not uncheck the first row");
    driver.Shot("3-results.png");

    driver.Click(results, "cleanbutton2");
    ModelWindow* completion = driver.WaitForWindow(Window::kCompletion, "the completion window");
    driver.Shot("4-completion.png");
    const QString cleaned = LabelText(completion, "totalcleaned");
    const QString status = LabelText(completion, "sysstatus");
    std::printf("detected %s, cleaned %s, status \"%s\"\n", qPrintable(total), qPrintable(cleaned), qPrintable(status));
    if (LabelText(completion, "totaldetected") != total || cleaned.toInt() != total.toInt() - 1 ||
        status != "Some items not deleted.") {
        Driver::Fail("the completion window does not show the clean that was clicked");
    }
    return 0;
}
