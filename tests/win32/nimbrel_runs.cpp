#include "tests/win32/nimbrel_runs.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/win32/controls.h"
#include "tests/win32/probe_failure.h"
#include "tests/win32/remote_list_view.h"
#include "tests/win32/running_program.h"
#include "tests/win32/test_machine.h"
#include "tests/win32/window_check.h"
#include "tests/win32/window_table.h"

namespace window_probe {

namespace {

constexpr wchar_t kSomeNotDeleted[] = L"Some items not deleted.";

int Count(HWND window, const wchar_t* label) {
    const std::wstring text = TextOf(Control(window, label));
    wchar_t* end = nullptr;
    const long count = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0') {
        throw ProbeFailure(L"label " + std::wstring(label) + L" of window " + ControlName(window) + L" shows \"" +
                           text + L"\", not a count");
    }
    return int(count);
}

// The scan window once its scan has ended, with what it found.
HWND EndedScan(const RunningProgram& program, int& total) {
    HWND scan = program.WaitForWindow(L"Form2");
    WaitForText(scan, L"chameleonButton2", L"Main Menu");
    total = Count(scan, L"totaldetected");
    if (total < int(FixtureTraces().size())) {
        throw ProbeFailure(L"the scan found " + std::to_wstring(total) + L" items, fewer than the " +
                           std::to_wstring(FixtureTraces().size()) + L" traces the machine was given");
    }
    return scan;
}

void ExpectTotals(HWND completion, int detected, int cleaned, const wchar_t* status) {
    const int shownDetected = Count(completion, L"totaldetected");
    const int shownCleaned = Count(completion, L"totalcleaned");
    const std::wstring shownStatus = TextOf(Control(completion, L"sysstatus"));
    if (shownDetected != detected || shownCleaned != cleaned || shownStatus != status) {
        throw ProbeFailure(L"the completion window shows detected " + std::to_wstring(shownDetected) + L", cleaned " +
                           std::to_wstring(shownCleaned) + L", status \"" + shownStatus + L"\"; expected " +
                           std::to_wstring(detected) + L", " + std::to_wstring(cleaned) + L", \"" + status + L"\"");
    }
}

// Every trace gone from the registry, but the one kept.
void ExpectTracesCleaned(const Trace* kept) {
    for (const Trace& trace : FixtureTraces()) {
        if (TracePresent(trace) != (&trace == kept)) {
            throw ProbeFailure(
                std::wstring(trace.key) + L"\\" + trace.value + L" is " +
                (&trace == kept ? L"gone although its row was unchecked" : L"still in the registry after the clean"));
        }
    }
}

// Runs the command line to its end; its exit code.
DWORD RunToEnd(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw ProbeFailure(L"cannot start " + commandLine + L" (error " + std::to_wstring(GetLastError()) + L")");
    }
    const bool ended = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0;
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!ended) throw ProbeFailure(commandLine + L" did not end within two minutes");
    return exitCode;
}

// The cookie folder as the cookie plug-in finds it: the current user's
// shell folder "Cookies", which Wine writes as it first makes the folder.
std::filesystem::path CookieFolder() {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_COOKIES | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    DWORD bytes = sizeof path;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     L"Cookies", RRF_RT_REG_SZ, nullptr, path, &bytes) != ERROR_SUCCESS) {
        throw ProbeFailure(L"the registry has no shell folder Cookies for the cookie plug-in to find");
    }
    std::filesystem::create_directories(path);
    return path;
}

std::vector<std::wstring> ListBoxRows(HWND list) {
    std::vector<std::wstring> rows;
    const auto count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        // LB_ERR when the program refills the list meanwhile: read again.
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
        if (length < 0) return ListBoxRows(list);
        std::wstring text(std::size_t(length) + 1, L'\0');
        const LRESULT copied = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        if (copied < 0 || copied > length) return ListBoxRows(list);
        text.resize(std::size_t(copied));
        rows.push_back(text);
    }
    return rows;
}

std::wstring Quoted(const std::vector<std::wstring>& rows) {
    std::wstring quoted;
    for (const std::wstring& row : rows) quoted += (quoted.empty() ? L"\"" : L", \"") + row + L"\"";
    return rows.empty() ? L"no rows" : quoted;
}

// Waits until the list box of the window shows exactly these rows.
void WaitForRows(HWND window, const wchar_t* listName, const std::vector<std::wstring>& expected) {
    HWND list = Control(window, listName);
    if (WaitUntil([&] { return ListBoxRows(list) == expected; }, 30000)) return;
    throw ProbeFailure(L"list " + std::wstring(listName) + L" of window " + ControlName(window) + L" shows " +
                       Quoted(ListBoxRows(list)) + L"; expected " + Quoted(expected));
}

// A row selected as a click on it would: the list box's selection moves
// and its parent hears LBN_SELCHANGE.
void SelectRow(HWND window, const wchar_t* listName, const std::wstring& text) {
    HWND list = Control(window, listName);
    const std::vector<std::wstring> rows = ListBoxRows(list);
    const auto row = std::find(rows.begin(), rows.end(), text) - rows.begin();
    if (row == std::ptrdiff_t(rows.size())) {
        throw ProbeFailure(L"list " + std::wstring(listName) + L" of window " + ControlName(window) +
                           L" has no row \"" + text + L"\"");
    }
    SendMessageW(list, LB_SETCURSEL, WPARAM(row), 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), LPARAM(list));
}

// The message box the process shows, answered with OK as a user would:
// "title: text", or empty when none shows within timeoutMs.
std::wstring AnswerMessageBox(DWORD process, DWORD timeoutMs) {
    std::pair<DWORD, HWND> search{process, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    auto& [process, box] = *reinterpret_cast<std::pair<DWORD, HWND>*>(data);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner != process || !IsWindowVisible(window) || ClassOf(window) != L"#32770") return TRUE;
                    box = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.second != nullptr;
        },
        timeoutMs);
    HWND box = search.second;
    if (!box) return L"";
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static" && !TextOf(child).empty()) text = TextOf(child);
    }
    const std::wstring answered = TextOf(box) + L": " + text;
    Click(GetDlgItem(box, IDOK));
    if (!WaitUntil([&] { return !IsWindow(box); }, 10000)) {
        throw ProbeFailure(L"the message box \"" + answered + L"\" stays open after its OK button");
    }
    return answered;
}

HWND OpenCookiePlugin(const RunningProgram& program) {
    Click(Control(program.WaitForWindow(L"Form1"), L"SettingsButton1"));
    Click(Control(program.WaitForWindow(L"Form5"), L"chameleonButton1"));  // Go to Plugins
    Click(Control(program.WaitForWindow(L"Form6"), L"chameleonButton1"));  // Crumbex
    return program.WaitForWindow(L"cookieplugin");
}

}  // namespace

void RenderWindows(const std::wstring& program, const std::wstring& folder) {
    // A window after a clean needs the traces again for the next scan.
    for (const ExpectedWindow& expected : NimbrelWindows()) {
        SeedTraces();
        InspectWindow(program, expected, folder);
    }
}

void CleanByClicks(const std::wstring& commandLine) {
    SeedTraces();
    RunningProgram program(commandLine);
    Click(Control(program.WaitForWindow(L"Form1"), L"ScanButton1"));
    int total = 0;
    HWND scan = EndedScan(program, total);
    Click(Control(scan, L"resultsbutton"));

    HWND results = program.WaitForWindow(L"Form3");
    RemoteListView rows(Control(results, L"List1"));
    if (rows.Rows() != total || Count(results, L"totaldetected") != total) {
        throw ProbeFailure(L"the results window lists " + std::to_wstring(rows.Rows()) + L" rows and shows the total " +
                           std::to_wstring(Count(results, L"totaldetected")) + L"; the scan found " +
                           std::to_wstring(total));
    }
    // A list of the current user alone: the Internet Explorer rows have a
    // twin under the user's SID, which would keep the item as well.
    const Trace& kept = FixtureTraces()[3];
    int keptRow = -1;
    for (int row = 0; row < rows.Rows(); ++row) {
        if (rows.RowText(row) == kept.label) keptRow = row;
    }
    if (keptRow < 0) throw ProbeFailure(L"the results window has no row \"" + std::wstring(kept.label) + L"\"");
    UncheckRowByClick(results, L"List1", keptRow);
    Click(Control(results, L"cleanbutton2"));

    ExpectTotals(program.WaitForWindow(L"Form4"), total, total - 1, kSomeNotDeleted);
    ExpectTracesCleaned(&kept);
    std::printf("scanned %d items, one row unchecked by a click, %d cleaned; its trace alone is left\n", total,
                total - 1);
}

void CleanByKeys(const std::wstring& commandLine) {
    SeedTraces();
    RunningProgram program(commandLine);
    PressKeys(program.WaitForWindow(L"Form1"), {VK_MENU, 'S'});  // Scan
    int total = 0;
    PressKeys(EndedScan(program, total), {VK_MENU, 'S'});        // Show Results
    PressKeys(program.WaitForWindow(L"Form3"), {VK_MENU, 'C'});  // Clean Now
    HWND completion = program.WaitForWindow(L"Form4");
    ExpectTotals(completion, total, total, L"Good");
    ExpectTracesCleaned(nullptr);

    SeedTraces();
    PressKeys(completion, {VK_RETURN});                       // Main Menu, the default button
    PressKeys(program.WaitForWindow(L"Form1"), {VK_RETURN});  // Scan, the default button
    PressKeys(EndedScan(program, total), {VK_MENU, 'C'});     // Clean Now, from the scan window
    ExpectTotals(program.WaitForWindow(L"Form4"), total, total, L"Good");
    ExpectTracesCleaned(nullptr);
    std::printf("scanned, shown and cleaned by keys alone, twice: %d items the second time\n", total);
}

void RunRelease(const std::wstring& commandLine) {
    {
        RunningProgram program(commandLine);
        const ExpectedWindow& main = NimbrelWindows().front();
        CheckControls(ReachWindow(program, main), main);
    }
    SeedTraces();
    if (const DWORD exitCode = RunToEnd(commandLine + L" -SILENT"); exitCode != 0) {
        throw ProbeFailure(commandLine + L" -SILENT ended with exit code " + std::to_wstring(exitCode) + L", not 0");
    }
    ExpectTracesCleaned(nullptr);
    std::printf("the unpacked program opened its main window, and -SILENT cleaned all %zu traces\n",
                FixtureTraces().size());
}

void CookieRunByClicks(const std::wstring& commandLine) {
    const std::filesystem::path folder = CookieFolder();
    const std::vector<std::wstring> cookies = {L"root@ads.example[1].txt", L"root@news.example[2].txt",
                                               L"root@shop.example[1].txt"};
    for (const std::wstring& cookie : cookies) std::ofstream(folder / cookie) << "id\n42\nexample/\n";
    const std::wstring& kept = cookies[1];

    RunningProgram program(commandLine);
    DWORD process = 0;
    GetWindowThreadProcessId(program.WaitForWindow(L"Form1"), &process);
    HWND window = OpenCookiePlugin(program);
    WaitForRows(window, L"File1", cookies);
    SelectRow(window, L"File1", kept);
    Click(Control(window, L"movecookietoignore"));
    WaitForRows(window, L"CookieIgnoreList", {kept});

    Click(Control(window, L"saveallsettings"));
    const std::wstring saved = AnswerMessageBox(process, 30000);
    if (saved != L"Settings Saved: All Crumbex Plug-in Settings saved!") {
        throw ProbeFailure(L"saveallsettings of window cookieplugin showed " +
                           (saved.empty() ? L"no message box" : L"the box \"" + saved + L"\"") +
                           L", expected \"Settings Saved: All Crumbex Plug-in Settings saved!\"");
    }
    std::printf("message box answered with OK: \"%s\"\n", Utf8(saved).c_str());

    Click(Control(window, L"chameleonButton3"));  // Save Settings + Run Now
    WaitForRows(window, L"File1", {kept});
    for (const std::wstring& cookie : cookies) {
        if (std::filesystem::exists(folder / cookie) != (cookie == kept)) {
            throw ProbeFailure((folder / cookie).wstring() + (cookie == kept
                                                                  ? L" is gone although it is on the ignore list"
                                                                  : L" is still there after Run Now"));
        }
    }
    if (const std::wstring box = AnswerMessageBox(process, 0); !box.empty()) {
        throw ProbeFailure(L"the run showed the message box \"" + box + L"\"");
    }

    Click(Control(window, L"chameleonButton4"));  // Close
    if (!WaitUntil([&] { return !program.VisibleWindow(L"cookieplugin"); })) {
        throw ProbeFailure(L"window cookieplugin stays open after its Close button");
    }
    Click(Control(program.WaitForWindow(L"Form6"), L"chameleonButton1"));
    WaitForRows(program.WaitForWindow(L"cookieplugin"), L"CookieIgnoreList", {kept});
    std::printf(
        "one of %zu cookies in %s moved to the ignore list by clicks, Run Now: it alone is left, and the list "
        "opened again holds it\n",
        cookies.size(), Utf8(folder.wstring()).c_str());
}

}  // namespace window_probe
