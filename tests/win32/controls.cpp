#include "tests/win32/controls.h"

#include <vector>

#include "tests/win32/probe_failure.h"
#include "tests/win32/running_program.h"

namespace window_probe {

namespace {

// Each window and control holds a global atom of its name in this property.
constexpr wchar_t kNameProperty[] = L"Nimbrel.Name";

}  // namespace

std::wstring ControlName(HWND control) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, kNameProperty)));
    wchar_t name[256] = L"";
    if (atom == 0 || GlobalGetAtomNameW(atom, name, 256) == 0) return L"";
    return name;
}

void SetControlName(HWND window, const wchar_t* name) {
    SetPropW(window, kNameProperty, reinterpret_cast<HANDLE>(UINT_PTR(GlobalAddAtomW(name))));
}

HWND FindControl(HWND window, const std::wstring& name) {
    struct Search {
        const std::wstring& name;
        HWND found = nullptr;
    } search{name};
    EnumChildWindows(
        window,
        [](HWND control, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            if (ControlName(control) != search.name) return TRUE;
            search.found = control;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Control(HWND window, const std::wstring& name) {
    if (HWND control = FindControl(window, name)) return control;
    throw ProbeFailure(L"window " + ControlName(window) + L" has no control named " + name);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

std::wstring ShownText(const std::wstring& text) {
    std::wstring shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

RECT PlaceInClient(HWND window, HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Posted, not sent: a handler may run a scan or a modal loop before it
// returns, and the probe goes on watching meanwhile.
void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void PressKeys(HWND window, std::initializer_list<WORD> keys) {
    SetForegroundWindow(window);
    if (!WaitUntil([&] { return GetForegroundWindow() == window; }, 5000)) {
        throw ProbeFailure(L"window " + ControlName(window) + L" does not come to the front for the keyboard");
    }
    std::vector<INPUT> inputs;
    for (const bool up : {false, true}) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            // Pressed in order, released in reverse: Alt stays down around S.
            input.ki.wVk = up ? keys.begin()[keys.size() - 1 - i] : keys.begin()[i];
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        }
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(200);
}

void WaitUntilEnabled(HWND window, HWND control, const std::wstring& name) {
    if (WaitUntil([&] { return IsWindowEnabled(control) != FALSE; }, 60000)) return;
    throw ProbeFailure(L"control " + name + L" of window " + ControlName(window) + L" stayed disabled");
}

}  // namespace window_probe
