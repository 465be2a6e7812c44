// window-probe: checks a program's windows from another process, the way a
// user meets them: it starts the program, finds its windows and their
// controls by name, clicks and reads them by messages, and saves a
// picture of each window. Run by windows_under_wine.sh on a display and a
// Wine prefix of its own.
//
//   window-probe render NIMBREL OUTDIR    each window checked and pictured
//   window-probe clean-by-clicks NIMBREL  scan, results, a row unchecked, clean
//   window-probe clean-by-keys NIMBREL    scan, results and clean by keys alone
//   window-probe release NIMBREL          the main window, then a silent clean
//   window-probe cookie-run-by-clicks NIMBREL  a cookie kept, the others
//                                         cleaned by the cookie plug-in
//   window-probe self-check OUTDIR        the probe's sample window: checked,
//                                         pictured, a row unchecked, a key
//   window-probe sample-window            that window, as a program of its own
//
// The nimbrel runs seed the traces of test_machine.cpp into Wine's registry
// and check what the clean left of them.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/win32/controls.h"
#include "tests/win32/nimbrel_runs.h"
#include "tests/win32/probe_failure.h"
#include "tests/win32/remote_list_view.h"
#include "tests/win32/running_program.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/test_machine.h"
#include "tests/win32/window_check.h"
#include "tests/win32/window_table.h"

namespace window_probe {
namespace {

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

void SelfCheck(const std::wstring& folder) {
    const std::wstring sample = L"\"" + ThisProgram() + L"\" sample-window";
    for (const ExpectedWindow& expected : SampleWindows()) InspectWindow(sample, expected, folder);
    RunningProgram program(sample);
    HWND window = program.WaitForWindow(kSampleName);
    RemoteListView rows(Control(window, L"List1"));
    if (rows.Rows() != kSampleRows || rows.RowText(1) != L"Row 2") {
        throw ProbeFailure(L"the sample's list reads " + std::to_wstring(rows.Rows()) + L" rows, the second \"" +
                           rows.RowText(1) + L"\"");
    }
    UncheckRowByClick(window, L"List1", 1);
    PressKeys(window, {VK_MENU, 'C'});
    WaitForText(window, L"counter", L"1");
    std::printf("the sample's rows read, a row unchecked by a click, a button pressed by its access key\n");
}

int Run(const std::vector<std::wstring>& arguments) {
    const std::wstring command = arguments.size() > 1 ? arguments[1] : L"";
    if (command == L"sample-window" && arguments.size() == 2) return RunSampleWindow();
    LetWineDrawWindowFrames();
    const std::wstring program = arguments.size() > 2 ? L"\"" + arguments[2] + L"\"" : L"";
    if (command == L"render" && arguments.size() == 4) {
        RenderWindows(program, arguments[3]);
    } else if (command == L"clean-by-clicks" && arguments.size() == 3) {
        CleanByClicks(program);
    } else if (command == L"clean-by-keys" && arguments.size() == 3) {
        CleanByKeys(program);
    } else if (command == L"release" && arguments.size() == 3) {
        RunRelease(program);
    } else if (command == L"cookie-run-by-clicks" && arguments.size() == 3) {
        CookieRunByClicks(program);
    } else if (command == L"self-check" && arguments.size() == 3) {
        SelfCheck(arguments[2]);
    } else {
        std::fprintf(stderr,
                     "usage: window-probe render NIMBREL OUTDIR | clean-by-clicks NIMBREL | clean-by-keys NIMBREL\n"
                     "       window-probe release NIMBREL\n"
                     "       window-probe cookie-run-by-clicks NIMBREL\n"
                     "       window-probe self-check OUTDIR | sample-window\n");
        return 2;
    }
    return 0;
}

}  // namespace
}  // namespace window_probe

int main() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> arguments(words, words + count);
    LocalFree(words);
    try {
        return window_probe::Run(arguments);
    } catch (const std::exception& failure) {
        // Caught, as an uncaught one would leave Wine's crash dialog open.
        std::fprintf(stderr, "window-probe: %s\n", failure.what());
        return 1;
    }
}
