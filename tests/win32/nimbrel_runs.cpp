#include "tests/win32/nimbrel_runs.h"

#include <cstdio>
#include <cwchar>

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

}  // namespace window_probe
