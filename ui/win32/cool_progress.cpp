#include "ui/win32/cool_progress.h"

#include <algorithm>

#include "ui/win32/text.h"
#include "ui/window_layout.h"

namespace ui::win32 {

namespace {

namespace look = ui::layout::progress;

void Paint(HWND window, HDC target) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const int percent = static_cast<int>(GetWindowLongPtrW(window, 0));
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, std::max(width, 1), std::max(height, 1));
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);

    // The trough: a grey border around white.
    HBRUSH trough = CreateSolidBrush(ColourRef(look::kTrough));
    FillRect(dc, &client, trough);
    DeleteObject(trough);
    HBRUSH border = CreateSolidBrush(ColourRef(look::kTroughBorder));
    FrameRect(dc, &client, border);
    DeleteObject(border);

    // Inside the border, two pixels in at the top and left, one at the
    // right and bottom, as the Qt view draws it.
    const RECT inside{2, 2, width - 1, height - 1};
    const int span = inside.right - inside.left;
    const int filled = span * percent / 100;
    for (int column = 0; column < filled; ++column) {
        const auto mix = [&](int a, int b) { return a + (b - a) * column / std::max(1, span - 1); };
        SetDCBrushColor(
            dc, RGB(mix(look::kFrom.r, look::kTo.r), mix(look::kFrom.g, look::kTo.g), mix(look::kFrom.b, look::kTo.b)));
        const RECT band{inside.left + column, inside.top, inside.left + column + 1, inside.bottom};
        FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kSetPercent: {
            const LONG_PTR before = GetWindowLongPtrW(window, 0);
            const LONG_PTR percent = std::clamp<LONG_PTR>(static_cast<LONG_PTR>(wParam), 0, 100);
            if (percent != before) {
                SetWindowLongPtrW(window, 0, percent);
                InvalidateRect(window, nullptr, FALSE);
            }
            return before;
        }
        case kGetPercent:
            return GetWindowLongPtrW(window, 0);
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Paint(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(window, reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Register() {
    static const bool registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = ProgressProc;
        type.cbWndExtra = sizeof(LONG_PTR);
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kCoolProgressClass;
        return RegisterClassExW(&type) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND CreateCoolProgress(HWND parent, int id, int x, int y, int width, int height) {
    Register();
    return CreateWindowExW(0, kCoolProgressClass, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void SetCoolProgressPercent(HWND progress, int percent) {
    SendMessageW(progress, kSetPercent, static_cast<WPARAM>(std::clamp(percent, 0, 100)), 0);
}

int CoolProgressPercent(HWND progress) { return static_cast<int>(SendMessageW(progress, kGetPercent, 0, 0)); }

}  // namespace ui::win32
