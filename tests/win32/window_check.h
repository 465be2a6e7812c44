// Reaching a window of the table by its route, and checking its controls.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "tests/win32/running_program.h"
#include "tests/win32/window_table.h"

namespace window_probe {

// Clicks along the window's route, then waits for the window and for its
// ready text; fails naming the step that did not happen.
HWND ReachWindow(const RunningProgram& program, const ExpectedWindow& expected);
// Waits until a control of the window shows this text.
void WaitForText(HWND window, const wchar_t* control, const wchar_t* text);
// A click on the check box of a row of the list view unchecks that row
// and no other; fails naming the row.
void UncheckRowByClick(HWND window, const std::wstring& listName, int row);
// The window in a new run of the program: reached, checked and saved as
// folder\<name>.png.
void InspectWindow(const std::wstring& commandLine, const ExpectedWindow& expected, const std::wstring& folder);
// Every control: there, of its class, with its text, enabled or not,
// visible and whole inside the window's client area. Fails listing every
// difference.
void CheckControls(HWND window, const ExpectedWindow& expected);

}  // namespace window_probe
