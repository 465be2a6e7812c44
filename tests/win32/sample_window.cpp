#include "tests/win32/sample_window.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/win32/controls.h"

namespace window_probe {

namespace {

constexpr int kCountId = 1;

HWND Add(HWND window, const wchar_t* name, const wchar_t* className, const wchar_t* text, DWORD style, RECT place,
         int id = 0) {
    HWND control =
        CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.right,
                        place.bottom, window, reinterpret_cast<HMENU>(INT_PTR(id)), nullptr, nullptr);
    SetControlName(control, name);
    return control;
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static int clicks = 0;
    if (message == WM_COMMAND && LOWORD(wParam) == kCountId) {
        SetWindowTextW(GetDlgItem(window, kCountId + 1), std::to_wstring(++clicks).c_str());
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int RunSampleWindow() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = SampleProc;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"WindowProbeSample";
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, kSampleCaption, WS_OVERLAPPEDWINDOW, 40, 40, 360, 260,
                                  nullptr, nullptr, nullptr, nullptr);
    Add(window, L"countbutton", L"Button", L"&Count", BS_PUSHBUTTON | WS_TABSTOP, {10, 10, 100, 28}, kCountId);
    Add(window, L"counter", L"Static", L"0", 0, {120, 16, 60, 20}, kCountId + 1);
    Add(window, L"laterbutton", L"Button", L"Later", BS_PUSHBUTTON | WS_DISABLED, {200, 10, 100, 28});
    HWND list =
        Add(window, L"List1", WC_LISTVIEWW, L"", LVS_REPORT | LVS_NOCOLUMNHEADER | WS_BORDER, {10, 50, 320, 150});
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 290;
    ListView_InsertColumn(list, 0, &column);
    for (int row = 0; row < kSampleRows; ++row) {
        std::wstring text = L"Row " + std::to_wstring(row + 1);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        ListView_InsertItem(list, &item);
        ListView_SetCheckState(list, row, TRUE);
    }
    SetControlName(window, kSampleName);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Alt+C and Space reach the buttons, as in a dialog.
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace window_probe
