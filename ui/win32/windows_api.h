// <windows.h> for the Win32 views: the W functions (UNICODE), no min/max
// macros, and without the macros whose names the host interface uses
// (Yield, MessageBox), which would rename host::Host's members.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#undef Yield
#undef MessageBox
