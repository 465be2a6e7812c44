// The DPI of the system and of a window, and what depends on it, with the
// functions of Windows 10 (1607) where they exist and the older ones
// elsewhere (Wine, Windows 7 and 8), found at run time.
#pragma once

#include "ui/win32/windows_api.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ui::win32 {

// The DPI that windows start with (GetDpiForSystem, else the screen's).
UINT SystemDpi();
// The DPI of the monitor the window is on, as per-monitor awareness sees it.
UINT WindowDpi(HWND window);
// AdjustWindowRectExForDpi, else AdjustWindowRectEx.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);
// The system's message font (the font of message boxes) at that DPI.
LOGFONTW MessageFont(UINT dpi);

}  // namespace ui::win32
