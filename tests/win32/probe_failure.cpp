#include "tests/win32/probe_failure.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace window_probe {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

ProbeFailure::ProbeFailure(const std::wstring& what) : std::runtime_error(Utf8(what)) {}

}  // namespace window_probe
