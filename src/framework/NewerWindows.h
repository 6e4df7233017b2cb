#pragma once
// What Windows after XP added and the launcher uses where it runs: the messages, constants and
// function types that XP's headers lack. The sources are compiled for XP's API, so nothing here
// can be called directly; SystemLibrary loads each function at run time and falls back where a
// system lacks it.
#include <windows.h>

// Windows Vista.
#ifndef USER_DEFAULT_SCREEN_DPI
#define USER_DEFAULT_SCREEN_DPI 96
#endif

// Windows 7 with KB2533623, and Windows 8.
#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD directoryFlags);

// Windows 8.1: a window's screen changed its DPI.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// Windows 10 1607 and 1703: the per-monitor DPI calls, and the size a window asks for before
// its DPI changes.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetDpiForWindowFn = UINT(WINAPI*)(HWND window);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle,
                                                 UINT dpi);
using EnableNonClientDpiScalingFn = BOOL(WINAPI*)(HWND window);
