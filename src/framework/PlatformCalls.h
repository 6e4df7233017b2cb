#pragma once
// The two platform calls whose effect an in-process test cannot watch: starting a program and
// a modal message box. Production code goes through these pointers, which hold the real calls;
// a test may point them at recorders.
#include <windows.h>

namespace platform {

using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND owner, LPCWSTR verb, LPCWSTR file,
                                          LPCWSTR parameters, LPCWSTR directory, INT show);
using MessageBoxFn = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

extern ShellExecuteFn shellExecute;
extern MessageBoxFn messageBox;

} // namespace platform
