#pragma once
// Functions of system DLLs that are not "known DLLs" (VERSION, COMCTL32, WINMM), or that few runs
// need (COMDLG32). Imported statically, Windows would look for them in the program's own folder
// first, and a DLL of that name lying beside the launcher (a download folder is full of them) would
// run with the user's rights. These are loaded at run time, by full path, from the system folder
// only. Besides them, the functions of USER32 that older Windows lack, looked up in the USER32
// already loaded.
#include "NewerWindows.h"

#include <commctrl.h>
#include <commdlg.h>

// Limits where this process loads DLLs from to the system folder; call it first thing.
void RestrictDllSearchToSystemFolder();

namespace user32 {
// The system's DPI, which a window on the primary screen takes when it is made.
UINT GetDpiForSystem();
// The window's DPI (Windows 10 1607 and later); elsewhere the system's, which is every window's.
UINT GetDpiForWindow(HWND window);
// AdjustWindowRectEx at the DPI (Windows 10 1607 and later); elsewhere at the system's.
BOOL AdjustWindowRectExForDpi(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);
// Lets the caption and frame of a per-monitor (v1) aware window follow its DPI (Windows 10 1607
// and later; v2 does so by itself); call it from WM_NCCREATE. Nothing elsewhere.
void EnableNonClientDpiScaling(HWND window);
} // namespace user32

namespace comctl32 {
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track);
// Registers the common controls' window classes (ICC_PROGRESS_CLASS...) for this process.
BOOL InitCommonControls(DWORD classes);
} // namespace comctl32

namespace comdlg32 {
// Loads the common dialogs when a file is first saved: most runs never do.
BOOL GetSaveFileNameW(LPOPENFILENAMEW save);
} // namespace comdlg32

namespace winmm {
// Loads the multimedia library at the first sound only: a game without sounds never does.
BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags);
} // namespace winmm

namespace version {
DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle);
BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD handle, DWORD size, LPVOID data);
BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length);
} // namespace version
