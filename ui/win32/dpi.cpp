#include "ui/win32/dpi.h"

namespace ui::win32 {

namespace {

template <typename Function>
Function User32(const char* name) {
    static HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

UINT ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

UINT SystemDpi() {
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    static const auto getDpiForSystem = User32<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpiForSystem) {
        if (const UINT dpi = getDpiForSystem(); dpi > 0) return dpi;
    }
    return ScreenDpi();
}

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) return dpi;
    }
    return SystemDpi();
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    using AdjustFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32<AdjustFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi && adjustForDpi(&rect, style, FALSE, exStyle, dpi)) return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

LOGFONTW MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = User32<ForDpiFunction>("SystemParametersInfoForDpi");
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) return metrics.lfMessageFont;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        LOGFONTW fallback{};
        fallback.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
        fallback.lfWeight = FW_NORMAL;
        fallback.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(fallback.lfFaceName, L"Segoe UI", LF_FACESIZE);
        return fallback;
    }
    // The font is at the system's DPI.
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    return metrics.lfMessageFont;
}

}  // namespace ui::win32
