#include "ui/win32/splitter_bar.h"

namespace ui::win32 {

HWND CreateSplitterBar(HWND parent, int id, int x, int y, int width, int height) {
    return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace ui::win32
