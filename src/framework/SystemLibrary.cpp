#include "SystemLibrary.h"

#include <mmsystem.h>
#include <winver.h>

namespace {

HMODULE LoadFromSystemFolder(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + static_cast<UINT>(lstrlenW(name)) >= MAX_PATH)
        return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, name);
    return LoadLibraryExW(path, nullptr, 0);
}

// Each DLL is asked for by its full path even when one of that name is loaded already: that
// one may not be the system's. Loaded once, kept for the life of the process.
HMODULE CommonControls()
{
    static const HMODULE module = LoadFromSystemFolder(L"comctl32.dll");
    return module;
}

HMODULE CommonDialogs()
{
    static const HMODULE module = LoadFromSystemFolder(L"comdlg32.dll");
    return module;
}

HMODULE MultimediaLibrary()
{
    static const HMODULE module = LoadFromSystemFolder(L"winmm.dll");
    return module;
}

HMODULE VersionLibrary()
{
    static const HMODULE module = LoadFromSystemFolder(L"version.dll");
    return module;
}

// The function's address; null when the DLL or the function is missing.
template <typename Function> Function FunctionOf(HMODULE module, const char* name)
{
    return module != nullptr ? reinterpret_cast<Function>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                             : nullptr;
}

// The types are the platform's own declarations (NewerWindows.h writes out those that XP's
// headers lack, stdcall and all): on i386 these functions are stdcall, and a type without that
// would go unnoticed by the compiler behind the cast, and by every caller that restores its
// stack from a frame pointer.
using TrackMouseEventFn = decltype(&::_TrackMouseEvent);
using InitCommonControlsExFn = decltype(&::InitCommonControlsEx);
using GetSaveFileNameFn = decltype(&::GetSaveFileNameW);
using GetFileVersionInfoSizeFn = decltype(&::GetFileVersionInfoSizeA);
using GetFileVersionInfoFn = decltype(&::GetFileVersionInfoA);
using VerQueryValueFn = decltype(&::VerQueryValueA);
using PlaySoundFn = decltype(&::PlaySoundW);

// USER32 is a known DLL, loaded with the program: its newer functions are looked up in it.
HMODULE UserLibrary()
{
    return GetModuleHandleW(L"user32.dll");
}

// What the system's DPI is for a program that cannot ask about a window: the screen's.
UINT SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

void RestrictDllSearchToSystemFolder()
{
    // Windows 8 and later, and Windows 7 with KB2533623, have the call; elsewhere at least the
    // current folder leaves the search.
    const auto setDefault = FunctionOf<SetDefaultDllDirectoriesFn>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault == nullptr || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L"");
}

namespace user32 {

UINT GetDpiForSystem()
{
    static const auto call = FunctionOf<GetDpiForSystemFn>(UserLibrary(), "GetDpiForSystem");
    return call != nullptr ? call() : SystemDpi();
}

UINT GetDpiForWindow(HWND window)
{
    static const auto call = FunctionOf<GetDpiForWindowFn>(UserLibrary(), "GetDpiForWindow");
    const UINT dpi = call != nullptr ? call(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

BOOL AdjustWindowRectExForDpi(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi)
{
    static const auto call =
        FunctionOf<AdjustWindowRectExForDpiFn>(UserLibrary(), "AdjustWindowRectExForDpi");
    return call != nullptr ? call(rect, style, menu, exStyle, dpi)
                           : AdjustWindowRectEx(rect, style, menu, exStyle);
}

void EnableNonClientDpiScaling(HWND window)
{
    static const auto call =
        FunctionOf<EnableNonClientDpiScalingFn>(UserLibrary(), "EnableNonClientDpiScaling");
    if (call != nullptr)
        call(window);
}

} // namespace user32

namespace comctl32 {

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track)
{
    static const auto call = FunctionOf<TrackMouseEventFn>(CommonControls(), "_TrackMouseEvent");
    return call != nullptr && call(track);
}

BOOL InitCommonControls(DWORD classes)
{
    static const auto call =
        FunctionOf<InitCommonControlsExFn>(CommonControls(), "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX init = {sizeof(init), classes};
    return call != nullptr && call(&init);
}

} // namespace comctl32

namespace comdlg32 {

BOOL GetSaveFileNameW(LPOPENFILENAMEW save)
{
    static const auto call = FunctionOf<GetSaveFileNameFn>(CommonDialogs(), "GetSaveFileNameW");
    return call != nullptr && call(save);
}

} // namespace comdlg32

namespace winmm {

BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags)
{
    static const auto call = FunctionOf<PlaySoundFn>(MultimediaLibrary(), "PlaySoundW");
    return call != nullptr && call(sound, module, flags);
}

} // namespace winmm

namespace version {

DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle)
{
    static const auto call =
        FunctionOf<GetFileVersionInfoSizeFn>(VersionLibrary(), "GetFileVersionInfoSizeA");
    return call != nullptr ? call(fileName, handle) : 0;
}

BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD handle, DWORD size, LPVOID data)
{
    static const auto call =
        FunctionOf<GetFileVersionInfoFn>(VersionLibrary(), "GetFileVersionInfoA");
    return call != nullptr && call(fileName, handle, size, data);
}

BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, PUINT length)
{
    static const auto call = FunctionOf<VerQueryValueFn>(VersionLibrary(), "VerQueryValueA");
    return call != nullptr && call(block, subBlock, buffer, length);
}

} // namespace version
