#include "tests/win32/test_machine.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "tests/win32/probe_failure.h"

namespace window_probe {

namespace {

constexpr wchar_t kTypedUrls[] = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr wchar_t kPaintShop[] = L"Software\\Jasc\\Paint Shop Pro 7\\Recent File List";

void SetText(const wchar_t* key, const wchar_t* value, const wchar_t* data) {
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        const auto bytes = DWORD((wcslen(data) + 1) * sizeof(wchar_t));
        status = RegSetValueExW(handle, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), bytes);
        RegCloseKey(handle);
    }
    if (status != ERROR_SUCCESS) {
        throw ProbeFailure(L"cannot write " + std::wstring(key) + L"\\" + value + L" (error " +
                           std::to_wstring(status) + L")");
    }
}

}  // namespace

const std::vector<Trace>& FixtureTraces() {
    static const std::vector<Trace> traces = {
        {kTypedUrls, L"url1", L"http://www.example.com/", L"Internet Explorer - Typed Urls List - Url1"},
        {kTypedUrls, L"url2", L"http://news.example.org/today", L"Internet Explorer - Typed Urls List - Url2"},
        {kTypedUrls, L"url3", L"https://mail.example.net/inbox", L"Internet Explorer - Typed Urls List - Url3"},
        {kPaintShop, L"File1", L"C:\\photos\\beach.psp", L"PaintShop Pro 7 - Recent File List - File1"},
        {kPaintShop, L"File2", L"C:\\photos\\harbour.psp", L"PaintShop Pro 7 - Recent File List - File2"},
    };
    return traces;
}

void SeedTraces() {
    for (const Trace& trace : FixtureTraces()) SetText(trace.key, trace.value, trace.data);
}

bool TracePresent(const Trace& trace) {
    return RegGetValueW(HKEY_CURRENT_USER, trace.key, trace.value, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void LetWineDrawWindowFrames() { SetText(L"Software\\Wine\\X11 Driver", L"Managed", L"N"); }

}  // namespace window_probe
