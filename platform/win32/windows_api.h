// <windows.h> for the win32 platform sources. Its A/W macros carry the same
// names as the platform's own functions (RegOpenKey, GetFileAttributes ...),
// so they are undone here; the sources call the explicit A forms.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef RegOpenKey
#undef RegCreateKey
#undef RegQueryValue
#undef RegSetValue
#undef RegDeleteValue
#undef RegDeleteKey
#undef RegEnumKey
#undef RegEnumValue
#undef RegQueryInfoKey
#undef ExpandEnvironmentStrings
#undef GetPrivateProfileString
#undef GetPrivateProfileInt
#undef GetPrivateProfileSection
#undef WritePrivateProfileString
#undef GetFileAttributes
