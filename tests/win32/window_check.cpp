#include "tests/win32/window_check.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/win32/controls.h"
#include "tests/win32/probe_failure.h"
#include "tests/win32/remote_list_view.h"
#include "tests/win32/window_picture.h"

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
    if (const std::wstring text = ShownText(TextOf(control)); expected.text && text != expected.text) {
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
    if (WaitUntil([&] { return ShownText(TextOf(found)) == text; }, 60000)) return;
    throw ProbeFailure(L"control " + std::wstring(control) + L" of " + ControlName(window) + L" shows " +
                       Quoted(ShownText(TextOf(found))) + L", not " + Quoted(text));
}

HWND ReachWindow(const RunningProgram& program, const ExpectedWindow& expected) {
    for (const Step& step : expected.route) {
        HWND window = program.WaitForWindow(step.window);
        HWND control = Control(window, step.control);
        WaitUntilEnabled(window, control, step.control);
        Click(control);
    }
    HWND window = program.WaitForWindow(expected.name);
    if (expected.readyControl) WaitForText(window, expected.readyControl, expected.readyText);
    return window;
}

void InspectWindow(const std::wstring& commandLine, const ExpectedWindow& expected, const std::wstring& folder) {
    RunningProgram program(commandLine);
    HWND window = ReachWindow(program, expected);
    CheckControls(window, expected);
    std::filesystem::create_directories(folder);
    const std::wstring picture = folder + L"\\" + expected.name + L".png";
    SaveWindowPicture(window, picture);
    std::printf("%s: controls as expected, picture %s\n", Utf8(expected.name).c_str(), Utf8(picture).c_str());
}

// A click on a row's check box unchecks that row and no other.
void UncheckRowByClick(HWND window, const std::wstring& listName, int row) {
    HWND list = Control(window, listName);
    RemoteListView rows(list);
    const POINT point = rows.CheckBoxPoint(row);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    if (!WaitUntil([&] { return !rows.Checked(row); }, 5000)) {
        throw ProbeFailure(L"a click on the check box of row " + std::to_wstring(row + 1) + L" (\"" +
                           rows.RowText(row) + L"\") of " + listName + L" left it checked");
    }
    for (int other = 0; other < rows.Rows(); ++other) {
        if (other != row && !rows.Checked(other)) {
            throw ProbeFailure(L"a click on row " + std::to_wstring(row + 1) + L" of " + listName + L" unchecked row " +
                               std::to_wstring(other + 1) + L" as well");
        }
    }
}

void CheckControls(HWND window, const ExpectedWindow& expected) {
    std::wstring differences;
    if (const std::wstring caption = TextOf(window); caption != expected.caption) {
        differences += L"  caption is " + Quoted(caption) + L", expected " + Quoted(expected.caption) + L"\n";
    }
    for (const ExpectedControl& control : expected.controls) differences += Differences(window, control);
    if (!differences.empty()) throw ProbeFailure(L"window " + std::wstring(expected.name) + L":\n" + differences);
}

}  // namespace window_probe
