#include "tests/support/wine.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace testing_support {

// Wine's ntdll exports wine_get_version; Windows' does not.
bool RunningOnWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace testing_support
