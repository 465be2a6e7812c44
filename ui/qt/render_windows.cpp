// nimbrel-render-windows OUTDIR: renders every window into OUTDIR/<name>.png
// off screen, for the README. The scan, results and completion windows
// show a real scan of the emulated machine in $NIMBREL_HOME, and a real
// clean of it with one row left unchecked: run it on a scratch machine
// (scripts/render-windows sets one up from the demo profile).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/platform.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/model_window.h"
#include "ui/qt/windows_app.h"

namespace {

using scan::Window;
using ui::qt::ModelWindow;

bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class Renderer {
public:
    explicit Renderer(const QString& folder) : folder_(folder) {}

    // Shows the window (making it if needed), lets it settle and saves it.
    ModelWindow* Render(ui::qt::QtHost& host, Window id) {
        host.ShowWindow(id);
        ModelWindow* window = host.Loaded(id);
        if (!window) return nullptr;
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        const QString file = QDir(folder_).filePath(window->objectName() + ".png");
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            failed_ = true;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
        return window;
    }

    bool Failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

void Click(ModelWindow* window, const char* button) {
    window->findChild<ui::qt::ChameleonButton*>(button)->click();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: nimbrel-render-windows OUTDIR\n");
        return 2;
    }
    if (!std::getenv("NIMBREL_HOME")) {
        std::fprintf(stderr, "NIMBREL_HOME must name a scratch machine: the pictures come from a "
                             "real scan and clean of it\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string fault = platform::Start();
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    Renderer renderer(folder);
    ui::qt::WindowsApp windows;
    ui::qt::QtHost& host = windows.Host();
    host.SetMessageBoxShower([](const std::string&, const std::string&, scan::MessageIcon) {});

    for (Window id : {Window::kMain, Window::kSettings, Window::kAbout, Window::kFaq}) {
        renderer.Render(host, id);
        if (id != Window::kMain) host.HideWindow(id);
    }

    host.ShowWindow(Window::kScan);
    ModelWindow* scan = host.Loaded(Window::kScan);
    auto* abort = scan->findChild<ui::qt::ChameleonButton*>("chameleonButton2");
    if (!WaitFor([&] { return abort->text() == "Main Menu"; })) {
        std::fprintf(stderr, "the scan did not end\n");
        return 1;
    }
    renderer.Render(host, Window::kScan);

    Click(scan, "resultsbutton");
    ModelWindow* results = renderer.Render(host, Window::kResults);
    // One row left out, to show both states of the check boxes.
    if (auto* list = results->findChild<QListWidget*>("List1"); list->count() > 1) {
        list->item(1)->setCheckState(Qt::Unchecked);
    }
    renderer.Render(host, Window::kResults);

    Click(results, "cleanbutton2");
    renderer.Render(host, Window::kCompletion);
    return renderer.Failed() ? 1 : 0;
}
