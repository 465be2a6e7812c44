// The gradient progress bar (CoolProgress) as a window class of its own:
// Percent from 0 to 100, drawn as a filled share of a white trough with a
// grey border, the fill a gradient from dark to light blue drawn with GDI
// one column at a time. Values outside the range are held at its ends.
#pragma once

#include "ui/win32/windows_api.h"

namespace ui::win32 {

// The window class, registered by CreateCoolProgress.
inline constexpr const wchar_t* kCoolProgressClass = L"NimbrelCoolProgress";
// wParam: the percent to show; returns the percent shown before.
inline constexpr UINT kSetPercent = WM_USER + 1;
// Returns the percent shown.
inline constexpr UINT kGetPercent = WM_USER + 2;

HWND CreateCoolProgress(HWND parent, int id, int x, int y, int width, int height);
void SetCoolProgressPercent(HWND progress, int percent);
int CoolProgressPercent(HWND progress);

}  // namespace ui::win32
