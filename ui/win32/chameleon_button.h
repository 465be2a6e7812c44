// The owner-drawn push button of every window (BS_OWNERDRAW), as the Qt
// view's ChameleonButton draws it: a rounded face with a vertical gradient
// in the face colour, lighter while the mouse is over it, darker while
// pressed, greyed when disabled, a dotted focus rectangle when it has the
// focus, and the caption drawn with DrawTextW, so an "&" underlines the
// access key that follows it.
//
// The button is a system BUTTON: it sends WM_COMMAND/BN_CLICKED to its
// parent only when enabled, takes the focus and Space like any button. Its
// parent hands WM_DRAWITEM to DrawChameleonButton (ModelWindow does).
#pragma once

#include "ui/win32/windows_api.h"

#include "host/control_state.h"

namespace ui::win32 {

// Makes the button as a child of parent with the control id; its caption
// is UTF-16 text as the control shows it (an "&" marks an access key).
HWND CreateChameleonButton(HWND parent, int id, const wchar_t* caption, int x, int y, int width, int height);

void SetChameleonFaceColour(HWND button, host::Rgb colour);
void SetChameleonTextColour(HWND button, host::Rgb colour);
host::Rgb ChameleonFaceColour(HWND button);
// Whether the mouse is over the button, as its face shows it.
bool ChameleonHovered(HWND button);
// Whether the window is a button made by CreateChameleonButton.
bool IsChameleonButton(HWND window);

// Draws the button for WM_DRAWITEM; false when the item is not one.
bool DrawChameleonButton(const DRAWITEMSTRUCT& item);

}  // namespace ui::win32
