// The splitter bar: an etched horizontal bar that divides a window into
// areas (the about window's two lines), as a STATIC with SS_ETCHEDHORZ.
#pragma once

#include "ui/win32/windows_api.h"

namespace ui::win32 {

HWND CreateSplitterBar(HWND parent, int id, int x, int y, int width, int height);

}  // namespace ui::win32
