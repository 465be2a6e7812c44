// HKey and HKEY are the same handle. The predefined roots are the one
// difference: HKey carries their 32-bit Win32 values (0x80000001), while a
// 64-bit HKEY holds them sign-extended (0xFFFFFFFF80000001).
#pragma once

#include <cstdint>

#include "platform/registry_api.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

inline HKEY ToHkey(HKey key) {
    if (key >= kHkeyClassesRoot && key <= kHkeyDynData) {
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<std::int32_t>(key))));
    }
    return reinterpret_cast<HKEY>(key);
}

inline HKey FromHkey(HKEY key) { return reinterpret_cast<HKey>(key); }

}  // namespace platform::win32
