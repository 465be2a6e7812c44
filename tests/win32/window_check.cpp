#include "tests/win32/window_check.h"

#include <string>

#include "tests/win32/controls.h"
#include "tests/win32/probe_failure.h"

namespace window_probe {

namespace {

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// The differences between a control and what is expected of it, each on a
// line of its own.
std::wstring Differences(HWND window, const ExpectedControl& expected) {
    HWND control = FindControl(window, expected.name);
    if (!control) return L"  no control named " + std::wstring(expected.name) + L"\n";
    std::wstring found;
    const auto differ = [&](const std::wstring& what, const std::wstring& is, const std::wstring& expectedValue) {
        found +=
            L"  " + std::wstring(expected.name) + L": " + what + L" is " + is + L", expected " + expectedValue + L"\n";
    };
    if (const std::wstring className = ClassOf(control); _wcsicmp(className.c_str(), expected.className) != 0) {
        differ(L"class", className, expected.className);
    }
    if (const std::wstring text = TextOf(control); expected.text && text != expected.text) {
        differ(L"text", Quoted(text), Quoted(expected.text));
    }
    if ((IsWindowEnabled(control) != FALSE) != expected.enabled) {
        differ(L"state", IsWindowEnabled(control) ? L"enabled" : L"disabled",
               expected.enabled ? L"enabled" : L"disabled");
    }
    if (!IsWindowVisible(control)) found += L"  " + std::wstring(expected.name) + L": hidden\n";
    RECT client{};
    GetClientRect(window, &client);
    const RECT place = PlaceInClient(window, control);
    if (place.left < 0 || place.top < 0 || place.right > client.right || place.bottom > client.bottom ||
        place.right <= place.left || place.bottom <= place.top) {
        const auto box = [](const RECT& r) {
            return L"(" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L")-(" + std::to_wstring(r.right) +
                   L"," + std::to_wstring(r.bottom) + L")";
        };
        differ(L"place", box(place), L"inside the client area " + box(client));
    }
    return found;
}

}  // namespace

void WaitForText(HWND window, const wchar_t* control, const wchar_t* text) {
    HWND found = Control(window, control);
    if (WaitUntil([&] { return TextOf(found) == text; }, 60000)) return;
    throw ProbeFailure(L"control " + std::wstring(control) + L" of " + Quoted(TextOf(window)) + L" shows " +
                       Quoted(TextOf(found)) + L", not " + Quoted(text));
}

HWND ReachWindow(const RunningProgram& program, const ExpectedWindow& expected) {
    for (const Step& step : expected.route) {
        HWND window = program.WaitForWindow(step.window);
        HWND control = Control(window, step.control);
        WaitUntilEnabled(window, control, step.control);
        Click(control);
    }
    HWND window = program.WaitForWindow(expected.caption);
    if (expected.readyControl) WaitForText(window, expected.readyControl, expected.readyText);
    return window;
}

void CheckControls(HWND window, const ExpectedWindow& expected) {
    std::wstring differences;
    for (const ExpectedControl& control : expected.controls) differences += Differences(window, control);
    if (!differences.empty()) throw ProbeFailure(L"window " + Quoted(expected.caption) + L":\n" + differences);
}

}  // namespace window_probe
