#include <cstring>

#include "platform/registry_api.h"
#include "platform/win32/windows_api.h"

namespace platform {

std::string ExpandEnvironmentStrings(const std::string& text) {
    std::string expanded(text.size() + 1, '\0');
    for (;;) {
        const DWORD needed =
            ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
        if (needed == 0) return text;
        if (needed <= expanded.size()) break;
        // The variables may have grown between the two calls: ask again.
        expanded.assign(needed, '\0');
    }
    expanded.resize(std::strlen(expanded.c_str()));
    return expanded;
}

}  // namespace platform
