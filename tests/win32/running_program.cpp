#include "tests/win32/running_program.h"

#include "tests/win32/controls.h"
#include "tests/win32/probe_failure.h"

namespace window_probe {

RunningProgram::RunningProgram(const std::wstring& commandLine) : commandLine_(commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring writable = commandLine;
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        throw ProbeFailure(L"cannot start " + commandLine + L" (error " + std::to_wstring(GetLastError()) + L")");
    }
}

RunningProgram::~RunningProgram() {
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool RunningProgram::Ended() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

HWND RunningProgram::VisibleWindow(const std::wstring& name) const {
    struct Search {
        DWORD process;
        const std::wstring& name;
        HWND found = nullptr;
    } search{process_.dwProcessId, name};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != search.process || !IsWindowVisible(window) || ControlName(window) != search.name) {
                return TRUE;
            }
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::WaitForWindow(const std::wstring& name) const {
    HWND window = nullptr;
    WaitUntil([&] { return (window = VisibleWindow(name)) != nullptr || Ended(); });
    if (window) return window;
    throw ProbeFailure(L"window " + name + L" did not appear" + (Ended() ? L": the program ended" : L""));
}

}  // namespace window_probe
