// A program with windows started as a process of its own, so that its own
// message loop handles what the probe sends; ended when the probe is done.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace window_probe {

class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& commandLine);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The program's visible top-level window of this name (its object name,
    // "Form2"); fails when none appears in time or the program ends first.
    HWND WaitForWindow(const std::wstring& name) const;
    // The program's visible top-level window of this name now, or null.
    HWND VisibleWindow(const std::wstring& name) const;
    bool Ended() const;

private:
    PROCESS_INFORMATION process_{};
    std::wstring commandLine_;
};

// Waits until done() holds, letting the probe's own windows run meanwhile;
// false after timeoutMs.
template <typename Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = 30000) {
    const ULONGLONG until = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > until) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace window_probe
