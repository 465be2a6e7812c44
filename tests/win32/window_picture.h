// A picture of a window as it stands on the screen, saved as PNG.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace window_probe {

// Brings the window to the front and copies it from the screen into a DIB
// section: Wine's PrintWindow paints neither the frame nor the child
// controls. Encodes it with WIC; fails naming the file.
void SaveWindowPicture(HWND window, const std::wstring& pngFile);

}  // namespace window_probe
