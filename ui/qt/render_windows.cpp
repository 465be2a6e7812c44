// nimbrel-render-windows OUTDIR: renders every window into OUTDIR/<name>.png
// off screen, for the README. The scan, results and completion windows
// show a real scan of the emulated machine in $NIMBREL_HOME, and a real
// clean of it with one row left unchecked: run it on a scratch machine
// (scripts/render-windows sets one up from the demo profile). The plug-in
// windows show cookies and a cache made here on that machine, and the
// status window a cookie run caught between two files.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/emulated/paths.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "plugins/cls_des.h"
#include "plugins/ignore_list_file.h"
#include "registry/mod_registry.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"
#include "ui/qt/model_window.h"
#include "ui/qt/windows_app.h"

namespace {

using host::Window;
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

void Click(ModelWindow* window, const char* button) { window->findChild<ui::qt::ChameleonButton*>(button)->click(); }

std::string ShellFolder(const char* name) {
    modRegistry::ValueHolder folder;
    modRegistry::ReadValue("HKCU", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name, "S",
                           modRegistry::ValueHolder(modRegistry::kNone), folder);
    return folder.Text();
}

void WriteFile(const std::string& folder, const char* name) {
    const std::filesystem::path host = platform::emulated::ToHostPath(folder);
    std::filesystem::create_directories(host);
    std::ofstream(host / name) << name;
}

// Cookies, one of them kept by the ignore list, and a cache of two
// subfolders of "Content.IE5".
void MakePluginFiles() {
    const std::string cookies = ShellFolder("Cookies");
    for (const char* name : {"anna@bank.example[1].txt", "anna@news.example[2].txt", "anna@shop.example[1].txt",
                             "anna@ads.example[3].txt", "anna@video.example[1].txt"}) {
        WriteFile(cookies, name);
    }
    plugins::clsDES des;
    plugins::SaveIgnoreList(plugins::IgnoreListLocation(platform::ProgramFolder()).savePath,
                            {"anna@bank.example[1].txt"}, des);
    const std::string content = ShellFolder("Cache") + "\\Content.IE5";
    WriteFile(content, "index.dat");
    for (const char* name : {"page[1].htm", "logo[1].gif", "style[2].css"}) WriteFile(content + "\\A1B2C3D4", name);
    for (const char* name : {"news[1].htm", "photo[1].jpg"}) WriteFile(content + "\\E5F6G7H8", name);
}

// The panel, both plug-ins with their pass options, and the status window
// of a cookie run, saved between two of its files.
bool RenderPluginWindows(Renderer& renderer, ui::qt::QtHost& host) {
    MakePluginFiles();
    ModelWindow* panel = renderer.Render(host, Window::kPluginPanel);
    Click(panel, "chameleonButton3");
    ModelWindow* cache = host.Loaded(Window::kIeTempFilesPlugin);
    cache->findChild<QCheckBox*>("CheckSecureDelete")->click();
    renderer.Render(host, Window::kIeTempFilesPlugin);
    host.HideWindow(Window::kIeTempFilesPlugin);

    Click(panel, "chameleonButton1");
    ModelWindow* cookies = host.Loaded(Window::kCookiePlugin);
    cookies->findChild<QListWidget*>("File1")->setCurrentRow(1);
    auto* secure = cookies->findChild<QCheckBox*>("CheckSecureDelete");
    secure->click();
    Click(cookies, "buttonsecuredeletionconfigcookie");
    renderer.Render(host, Window::kCookieSecureDeletion);
    Click(host.Loaded(Window::kCookieSecureDeletion), "cookiesecuredeletecancel");
    secure->click();
    renderer.Render(host, Window::kCookiePlugin);

    // The run yields after each file; the status window is saved at the
    // first yield past the start.
    bool caught = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const ModelWindow* status = host.Loaded(Window::kPluginStatus);
        if (caught || !status || !status->isVisible()) return;
        if (status->findChild<ui::qt::CoolProgress*>("Progress")->Percent() == 0) return;
        caught = true;
        renderer.Render(host, Window::kPluginStatus);
    });
    watch.start();
    Click(cookies, "chameleonButton3");
    watch.stop();
    if (!caught) std::fprintf(stderr, "the cookie run showed no status window\n");
    return caught;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: nimbrel-render-windows OUTDIR\n");
        return 2;
    }
    if (!std::getenv("NIMBREL_HOME")) {
        std::fprintf(stderr,
                     "NIMBREL_HOME must name a scratch machine: the pictures come from a "
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
    host.SetMessageBoxShower([](const std::string&, const std::string&, host::MessageIcon) {});

    for (Window id : {Window::kMain, Window::kSettings, Window::kAbout, Window::kFaq}) {
        renderer.Render(host, id);
        if (id != Window::kMain) host.HideWindow(id);
    }

    host.ShowWindow(Window::kScan);
    ModelWindow* scan = host.Loaded(Window::kScan);
    auto* abort = scan->findChild<ui::qt::ChameleonButton*>("chameleonButton2");
    if (!WaitFor([&] { return abort->Caption() == "Main Menu"; })) {
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
    host.HideWindow(Window::kCompletion);

    if (!RenderPluginWindows(renderer, host)) return 1;
    return renderer.Failed() ? 1 : 0;
}
