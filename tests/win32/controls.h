// A window's controls as another process sees them: found by name, read
// (class, text, state, place) and worked as a user's click or key would.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <initializer_list>
#include <string>

namespace window_probe {

// The name a window or control carries for its code and its tests.
std::wstring ControlName(HWND control);
// Names the window so (the sample window's side of ControlName).
void SetControlName(HWND window, const wchar_t* name);
HWND FindControl(HWND window, const std::wstring& name);
// Fails, naming the window and the control, when there is no such control.
HWND Control(HWND window, const std::wstring& name);

std::wstring ClassOf(HWND window);
// The text through WM_GETTEXT, which the system carries across processes.
std::wstring TextOf(HWND window);
// The text as it is shown: a button's access-key marker "&" taken out.
std::wstring ShownText(const std::wstring& text);
// The control's rectangle in its top-level window's client coordinates.
RECT PlaceInClient(HWND window, HWND control);

// A click on a button, as its keyboard and mouse handling would report it.
void Click(HWND button);
// Keys pressed and released as on the keyboard, into the window that has
// the focus once window is brought to the front: e.g. {VK_MENU, 'S'} is
// Alt+S.
void PressKeys(HWND window, std::initializer_list<WORD> keys);
// Fails, naming the control, when it does not become enabled in time.
void WaitUntilEnabled(HWND window, HWND control, const std::wstring& name);

}  // namespace window_probe
