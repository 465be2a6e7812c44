#include "ui/win32/chameleon_button.h"

#include <algorithm>

#include "ui/win32/text.h"
#include "ui/window_layout.h"

namespace ui::win32 {

namespace {

namespace look = ui::layout::button;

constexpr UINT_PTR kSubclassId = 0x4E43;  // "NC"

// The button's look, also kept as a window property: mingw-w64's comctl32
// import library has no GetWindowSubclass to find the subclass's data.
constexpr const wchar_t* kLookProperty = L"Nimbrel.ButtonLook";

struct ButtonLook {
    host::Rgb face = look::kFace;
    host::Rgb text = look::kText;
    bool hovered = false;
    bool tracking = false;
};

LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* state = reinterpret_cast<ButtonLook*>(data);
    switch (message) {
        case WM_MOUSEMOVE:
            if (!state->tracking) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
                state->tracking = TrackMouseEvent(&track) != FALSE;
            }
            if (!state->hovered) {
                state->hovered = true;
                InvalidateRect(window, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            state->tracking = false;
            if (state->hovered) {
                state->hovered = false;
                InvalidateRect(window, nullptr, FALSE);
            }
            break;
        case WM_SETCURSOR:
            // The hand, as on the Qt view's button.
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_ENABLE:
            InvalidateRect(window, nullptr, FALSE);
            break;
        case WM_ERASEBKGND:
            return 1;  // the whole face is drawn in WM_DRAWITEM
        case WM_LBUTTONDBLCLK:
            // A quick second click is a second click, not a double click.
            message = WM_LBUTTONDOWN;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, ButtonProc, kSubclassId);
            RemovePropW(window, kLookProperty);
            delete state;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

ButtonLook* LookOf(HWND button) { return static_cast<ButtonLook*>(GetPropW(button, kLookProperty)); }

// A vertical gradient from top to bottom, one band per pixel row.
void FillVertical(HDC dc, const RECT& area, host::Rgb top, host::Rgb bottom) {
    const int height = std::max<int>(1, area.bottom - area.top);
    for (int row = 0; row < height; ++row) {
        const auto mix = [&](int a, int b) { return a + (b - a) * row / std::max(1, height - 1); };
        const COLORREF colour = RGB(mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b));
        SetDCBrushColor(dc, colour);
        const RECT band{area.left, area.top + row, area.right, area.top + row + 1};
        FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

}  // namespace

HWND CreateChameleonButton(HWND parent, int id, const wchar_t* caption, int x, int y, int width, int height) {
    HWND button =
        CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, x, y, width, height,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (button) {
        auto* look = new ButtonLook;
        SetPropW(button, kLookProperty, look);
        SetWindowSubclass(button, ButtonProc, kSubclassId, reinterpret_cast<DWORD_PTR>(look));
    }
    return button;
}

void SetChameleonFaceColour(HWND button, host::Rgb colour) {
    if (ButtonLook* state = LookOf(button); state && !(state->face == colour)) {
        state->face = colour;
        InvalidateRect(button, nullptr, FALSE);
    }
}

void SetChameleonTextColour(HWND button, host::Rgb colour) {
    if (ButtonLook* state = LookOf(button); state && !(state->text == colour)) {
        state->text = colour;
        InvalidateRect(button, nullptr, FALSE);
    }
}

host::Rgb ChameleonFaceColour(HWND button) {
    const ButtonLook* state = LookOf(button);
    return state ? state->face : look::kFace;
}

bool ChameleonHovered(HWND button) {
    const ButtonLook* state = LookOf(button);
    return state && state->hovered;
}

bool IsChameleonButton(HWND window) { return LookOf(window) != nullptr; }

bool DrawChameleonButton(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    const ButtonLook* state = LookOf(item.hwndItem);
    if (!state) return false;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const RECT whole = item.rcItem;
    const int width = whole.right - whole.left, height = whole.bottom - whole.top;

    // Drawn off screen and copied at once, so the face never flickers.
    HDC dc = CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT area{0, 0, width, height};
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    host::Rgb face = state->face;
    if (!enabled) {
        face = Lighter(face, look::kDisabledLighter);
    } else if (down) {
        face = Darker(face, look::kPressedDarker);
    } else if (state->hovered) {
        face = Lighter(face, look::kHoverLighter);
    }
    const host::Rgb top = down ? face : Lighter(face, look::kTopLighter);
    const host::Rgb bottom = down ? Lighter(face, look::kPressedBottomLighter) : Darker(face, look::kBottomDarker);
    const int corner = 2 * look::kCornerRadius + 1;
    HRGN rounded = CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner);
    SelectClipRgn(dc, rounded);
    FillVertical(dc, area, top, bottom);
    SelectClipRgn(dc, nullptr);
    DeleteObject(rounded);

    HPEN border = CreatePen(PS_SOLID, 1, ColourRef(enabled ? look::kBorder : look::kDisabledText));
    HGDIOBJ oldPen = SelectObject(dc, border);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 0, 0, width, height, corner, corner);
    if (focused && enabled) {
        HPEN dots = CreatePen(PS_DOT, 1, ColourRef(look::kBorder));
        SelectObject(dc, dots);
        SetBkMode(dc, TRANSPARENT);
        RoundRect(dc, 3, 3, width - 3, height - 3, corner - 2, corner - 2);
        SelectObject(dc, border);
        DeleteObject(dots);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(border);

    const std::wstring caption = WindowText(item.hwndItem);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRef(enabled ? state->text : look::kDisabledText));
    RECT text = area;
    if (down) OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);

    BitBlt(item.hDC, whole.left, whole.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return true;
}

}  // namespace ui::win32
