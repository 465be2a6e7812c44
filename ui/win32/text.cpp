#include "ui/win32/text.h"

#include <algorithm>

#include "platform/ansi_codepage.h"

namespace ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t, as on Windows");

std::wstring Wide(std::string_view ansi) {
    const std::u16string text = platform::AnsiToUtf16(ansi);
    return std::wstring(text.begin(), text.end());
}

std::string Ansi(std::wstring_view text) { return platform::Utf16ToAnsi(std::u16string(text.begin(), text.end())); }

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

namespace {

struct Hsv {
    int h = -1, s = 0, v = 0;  // h: 0 to 359, or -1 for grey; s, v: 0 to 255
};

Hsv ToHsv(host::Rgb rgb) {
    const int r = rgb.r, g = rgb.g, b = rgb.b;
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    Hsv hsv;
    hsv.v = high;
    const int delta = high - low;
    hsv.s = high == 0 ? 0 : (255 * delta + high / 2) / high;
    if (delta == 0) return hsv;
    int h;
    if (high == r) {
        h = 60 * (g - b) / delta;
    } else if (high == g) {
        h = 120 + 60 * (b - r) / delta;
    } else {
        h = 240 + 60 * (r - g) / delta;
    }
    hsv.h = (h + 360) % 360;
    return hsv;
}

host::Rgb FromHsv(Hsv hsv) {
    const auto byte = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
    if (hsv.s == 0 || hsv.h < 0) return {byte(hsv.v), byte(hsv.v), byte(hsv.v)};
    const int sector = hsv.h / 60, within = hsv.h % 60;
    const int p = hsv.v * (255 - hsv.s) / 255;
    const int q = hsv.v * (255 * 60 - hsv.s * within) / (255 * 60);
    const int t = hsv.v * (255 * 60 - hsv.s * (60 - within)) / (255 * 60);
    switch (sector) {
        case 0:
            return {byte(hsv.v), byte(t), byte(p)};
        case 1:
            return {byte(q), byte(hsv.v), byte(p)};
        case 2:
            return {byte(p), byte(hsv.v), byte(t)};
        case 3:
            return {byte(p), byte(q), byte(hsv.v)};
        case 4:
            return {byte(t), byte(p), byte(hsv.v)};
        default:
            return {byte(hsv.v), byte(p), byte(q)};
    }
}

}  // namespace

host::Rgb Lighter(host::Rgb rgb, int percent) {
    if (percent <= 0) return rgb;
    if (percent < 100) return Darker(rgb, 10000 / percent);
    Hsv hsv = ToHsv(rgb);
    hsv.v = hsv.v * percent / 100;
    if (hsv.v > 255) {
        hsv.s = std::max(0, hsv.s - (hsv.v - 255));
        hsv.v = 255;
    }
    return FromHsv(hsv);
}

host::Rgb Darker(host::Rgb rgb, int percent) {
    if (percent <= 0) return rgb;
    if (percent < 100) return Lighter(rgb, 10000 / percent);
    Hsv hsv = ToHsv(rgb);
    hsv.v = hsv.v * 100 / percent;
    return FromHsv(hsv);
}

}  // namespace ui::win32
