// window-probe: checks a program's windows from another process, the way a
// user meets them: it starts the program, finds its windows by caption and
// their controls by name, clicks and reads them by messages, and saves a
// picture of each window. Run by windows_under_wine.sh on a display and a
// Wine prefix of its own.
//
//   window-probe self-check OUTDIR   the probe's sample window: each control
//                                    checked, a picture, a row unchecked
//   window-probe sample-window       that window, as a program of its own
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/win32/controls.h"
#include "tests/win32/probe_failure.h"
#include "tests/win32/remote_list_view.h"
#include "tests/win32/running_program.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/test_machine.h"
#include "tests/win32/window_check.h"
#include "tests/win32/window_picture.h"
#include "tests/win32/window_table.h"

namespace window_probe {
namespace {

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Each window of the table in a new run of the program: reached, checked
// and pictured into folder.
void InspectWindows(const std::wstring& commandLine, const std::vector<ExpectedWindow>& windows,
                    const std::wstring& folder) {
    std::filesystem::create_directories(folder);
    for (const ExpectedWindow& expected : windows) {
        RunningProgram program(commandLine);
        HWND window = ReachWindow(program, expected);
        CheckControls(window, expected);
        const std::wstring picture = folder + L"\\" + expected.picture;
        SaveWindowPicture(window, picture);
        std::printf("%s: controls as expected, picture %s\n", Utf8(expected.caption).c_str(), Utf8(picture).c_str());
    }
}

// A click on a row's check box unchecks that row and no other.
void UncheckRowByClick(HWND window, const std::wstring& listName, int row) {
    HWND list = Control(window, listName);
    RemoteListView rows(list);
    const POINT point = rows.CheckBoxPoint(row);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    if (!WaitUntil([&] { return !rows.Checked(row); }, 5000)) {
        throw ProbeFailure(L"a click on the check box of row " + std::to_wstring(row + 1) + L" (\"" +
                           rows.RowText(row) + L"\") of " + listName + L" left it checked");
    }
    for (int other = 0; other < rows.Rows(); ++other) {
        if (other != row && !rows.Checked(other)) {
            throw ProbeFailure(L"a click on row " + std::to_wstring(row + 1) + L" of " + listName + L" unchecked row " +
                               std::to_wstring(other + 1) + L" as well");
        }
    }
}

void SelfCheck(const std::wstring& folder) {
    const std::wstring sample = L"\"" + ThisProgram() + L"\" sample-window";
    InspectWindows(sample, SampleWindows(), folder);
    RunningProgram program(sample);
    HWND window = program.WaitForWindow(kSampleCaption);
    RemoteListView rows(Control(window, L"List1"));
    if (rows.Rows() != kSampleRows || rows.RowText(1) != L"Row 2") {
        throw ProbeFailure(L"the sample's list reads " + std::to_wstring(rows.Rows()) + L" rows, the second \"" +
                           rows.RowText(1) + L"\"");
    }
    UncheckRowByClick(window, L"List1", 1);
    std::printf("the sample's rows read and a row unchecked by a click\n");
}

int Run(const std::vector<std::wstring>& arguments) {
    const std::wstring command = arguments.size() > 1 ? arguments[1] : L"";
    if (command == L"sample-window" && arguments.size() == 2) return RunSampleWindow();
    if (command == L"self-check" && arguments.size() == 3) {
        LetWineDrawWindowFrames();
        SelfCheck(arguments[2]);
        return 0;
    }
    std::fprintf(stderr, "usage: window-probe self-check OUTDIR | sample-window\n");
    return 2;
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
    } catch (const window_probe::ProbeFailure& failure) {
        std::fprintf(stderr, "window-probe: %s\n", failure.what());
        return 1;
    }
}
