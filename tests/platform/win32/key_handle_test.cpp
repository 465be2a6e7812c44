// HKey and HKEY name the same key; the predefined roots take the
// sign-extended form that 64-bit Windows gives them.
#include "platform/win32/key_handle.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::FromHkey;
using platform::win32::ToHkey;

TEST(KeyHandle, PredefinedRootsAreTheWindowsHandles) {
    EXPECT_EQ(ToHkey(platform::kHkeyClassesRoot), HKEY_CLASSES_ROOT);
    EXPECT_EQ(ToHkey(platform::kHkeyCurrentUser), HKEY_CURRENT_USER);
    EXPECT_EQ(ToHkey(platform::kHkeyLocalMachine), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(ToHkey(platform::kHkeyUsers), HKEY_USERS);
    EXPECT_EQ(ToHkey(platform::kHkeyPerformanceData), HKEY_PERFORMANCE_DATA);
    EXPECT_EQ(ToHkey(platform::kHkeyCurrentConfig), HKEY_CURRENT_CONFIG);
    EXPECT_EQ(ToHkey(platform::kHkeyDynData), HKEY_DYN_DATA);
}

TEST(KeyHandle, OpenedHandlesPassUnchanged) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &opened), ERROR_SUCCESS);
    EXPECT_EQ(ToHkey(FromHkey(opened)), opened);
    EXPECT_NE(FromHkey(opened), platform::kHkeyCurrentUser);
    RegCloseKey(opened);
}

}  // namespace
