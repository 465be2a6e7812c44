// nimbrel: the windowed program. "-SILENT" scans, cleans and ends without
// a window and without a display; anything else starts the windows, where
// they are built: the Win32 views on Windows, the Qt views elsewhere.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/offline_machine.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/registry_api.h"
#include "plugins/plugin_windows.h"
#include "registry/win32_error_text.h"
#include "ui/command_line.h"
#include "ui/main_window_model.h"
#include "ui/silent_host.h"
#include "ui/silent_run.h"

#if defined(NIMBREL_WIN32_WINDOWS)
#include "ui/win32/windows_app.h"
#elif defined(NIMBREL_WITH_WINDOWS)
#include "ui/qt/windows_app.h"
#endif

namespace {

int RunSilent(const std::string& commandLine) {
    ui::SilentHost host;
    ui::MainWindowModel main(host);
    plugins::PluginWindows plugins(host, true, platform::ProgramFolder());
    long notDeleted = 0;
    main.Load(commandLine, [&] { notDeleted = ui::RunSilentScan(host, &plugins); });
    if (notDeleted == 0) return 0;
    std::fprintf(stderr, "nimbrel: %ld item%s could not be deleted\n", notDeleted, notDeleted == 1 ? "" : "s");
    return 1;
}

#if defined(NIMBREL_WITH_WINDOWS) && !defined(_WIN32)
// Whether Qt has somewhere to put the windows: a display, or a platform
// plug-in chosen by hand (offscreen, vnc ...).
bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#if defined(NIMBREL_WIN32_WINDOWS)
    ui::win32::UseParentConsole();
#endif
    const ui::ProgramArguments arguments = ui::SplitProgramArguments(argc, argv);
    if (!arguments.problem.empty()) {
        std::fprintf(stderr, "nimbrel: %s\n", arguments.problem.c_str());
        return 2;
    }
    const std::string& commandLine = arguments.commandLine;
    const bool silent = ui::IsSilentCommandLine(commandLine);
#ifndef NIMBREL_WITH_WINDOWS
    if (!silent) {
        std::fputs(
            "nimbrel: this nimbrel was built without windows; \"nimbrel -SILENT\" scans and cleans "
            "without them, and nimbrel-cli scans, cleans and edits the registry from the command line\n",
            stderr);
        return 2;
    }
#elif !defined(_WIN32)
    if (!silent && !HasDisplay()) {
        std::fputs("nimbrel: there is no display for the windows; \"nimbrel -SILENT\" scans and cleans without one\n",
                   stderr);
        return 2;
    }
#endif
    if (arguments.offlineGiven) {
        if (const std::string problem = platform::UseOfflineMachine(arguments.offline); !problem.empty()) {
            std::fprintf(stderr, "nimbrel: %s\n", problem.c_str());
            return 1;
        }
        for (const std::string& note : platform::OfflineNotes())
            std::fprintf(stderr, "nimbrel: note: %s\n", note.c_str());
    }
    const std::string problem = platform::Start();
    if (!problem.empty()) {
        std::fprintf(stderr, "nimbrel: %s\n", problem.c_str());
#if defined(NIMBREL_WIN32_WINDOWS)
        // Started from Explorer, the program has no console to say it on.
        if (!silent) ui::win32::ShowStartProblem("nimbrel: " + problem);
#endif
        return 1;
    }
    if (silent) {
        if (const std::string refusal = platform::OfflineCleanRefusal(); !refusal.empty()) {
            std::fprintf(stderr, "nimbrel: cannot clean %s: %s; nothing was cleaned\n",
                         platform::OfflineMachineName().c_str(), refusal.c_str());
            return 1;
        }
        // A read-only machine: said once, instead of a clean that removes nothing.
        if (const long status = platform::RegistryBatch().Status(); status != platform::kErrorSuccess) {
            std::fprintf(stderr, "nimbrel: the registry cannot be changed: %s; nothing was cleaned\n",
                         registry::Win32ErrorText(status).c_str());
            return 1;
        }
        return RunSilent(commandLine);
    }
#if defined(NIMBREL_WIN32_WINDOWS)
    return ui::win32::RunWindows();
#elif defined(NIMBREL_WITH_WINDOWS)
    return ui::qt::RunWindows(argc, argv);
#endif
}
