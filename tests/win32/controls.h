// A window's controls as another process sees them: found by name, read
// (class, text, state, place) and worked as a user's click or key would.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace window_probe {

// The name a control carries for its window's code and its tests.
std::wstring ControlName(HWND control);
HWND FindControl(HWND window, const std::wstring& name);
// Fails, naming the window and the control, when there is no such control.
HWND Control(HWND window, const std::wstring& name);

std::wstring ClassOf(HWND window);
// The text through WM_GETTEXT, which the system carries across processes.
std::wstring TextOf(HWND window);
// The control's rectangle in its top-level window's client coordinates.
RECT PlaceInClient(HWND window, HWND control);

// A click on a button, as its keyboard and mouse handling would report it.
void Click(HWND button);
// Fails, naming the control, when it does not become enabled in time.
void WaitUntilEnabled(HWND window, HWND control, const std::wstring& name);

}  // namespace window_probe
