// nimbrel: the windowed program. "-SILENT" scans, cleans and ends without
// a window and without a display; anything else starts the windows, where
// they are built.
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "ui/command_line.h"
#include "ui/main_window_model.h"
#include "ui/silent_host.h"
#include "ui/silent_run.h"

#ifdef NIMBREL_WITH_WINDOWS
#include "ui/qt/windows_app.h"
#endif

namespace {

int RunSilent(const std::string& commandLine) {
    ui::SilentHost host;
    ui::MainWindowModel main(host);
    // No plug-in is built into the program yet, so none runs after the clean.
    main.Load(commandLine, [&host] { ui::RunSilentScan(host, nullptr); });
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string commandLine = ui::CommandLineText(argc, argv);
    const std::string problem = platform::Start();
    if (!problem.empty()) {
        std::fprintf(stderr, "nimbrel: %s\n", problem.c_str());
        return 1;
    }
    if (ui::IsSilentCommandLine(commandLine)) return RunSilent(commandLine);
#ifdef NIMBREL_WITH_WINDOWS
    return ui::qt::RunWindows(argc, argv);
#else
    std::fputs("nimbrel: this nimbrel was built without windows; \"nimbrel -SILENT\" scans and cleans "
               "without them, and nimbrel-cli scans, cleans and edits the registry from the command line\n",
               stderr);
    return 2;
#endif
}
