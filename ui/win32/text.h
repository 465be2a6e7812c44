// Text between the core and the Win32 controls. The core keeps its text in
// the ANSI code page (Windows-1252, platform/ansi_codepage.h); the controls
// take UTF-16 through the W functions.
#pragma once

#include "ui/win32/windows_api.h"

#include <string>
#include <string_view>

#include "host/control_state.h"

namespace ui::win32 {

// Text of the core (ANSI code page) for a W function.
std::wstring Wide(std::string_view ansi);
// Text typed into a control, for the core (ANSI code page).
std::string Ansi(std::wstring_view text);
// A window's text, as the W functions give it.
std::wstring WindowText(HWND window);

inline COLORREF ColourRef(host::Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }
// QColor::lighter and darker: the colour's HSV value times, or divided by,
// percent / 100; a value above the top takes saturation away instead.
host::Rgb Lighter(host::Rgb rgb, int percent);
host::Rgb Darker(host::Rgb rgb, int percent);

}  // namespace ui::win32
