#include "platform/run_once_start.h"

#include <vector>

#include "platform/win32/windows_api.h"

namespace platform {

std::string StartRunOnceCommand(const std::string& command) {
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return "cannot start it (error " + std::to_string(::GetLastError()) + ")";
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return {};
}

}  // namespace platform
