// The floor the launcher is measured against: one 635 x 416 window of the same style that
// paints one 635 x 395 bitmap, and nothing else. On a screen above 96 DPI it paints the
// launcher's large background instead (or the small one smoothed to size, for a game without
// a large one, as the launcher does), in a window whose client area it fills.
#include "resource.h"

#include <windows.h>

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX | WS_SYSMENU;
HBITMAP g_background = nullptr;
SIZE g_picture = {}, g_size = {635, 395};

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        HDC memory = CreateCompatibleDC(reinterpret_cast<HDC>(wParam));
        HGDIOBJ previous = SelectObject(memory, g_background);
        HDC target = reinterpret_cast<HDC>(wParam);
        if (g_picture.cx == g_size.cx) {
            BitBlt(target, 0, 0, g_size.cx, g_size.cy, memory, 0, 0, SRCCOPY);
        } else {
            SetStretchBltMode(target, HALFTONE);
            SetBrushOrgEx(target, 0, 0, nullptr);
            StretchBlt(target, 0, 0, g_size.cx, g_size.cy, memory, 0, 0, g_picture.cx, g_picture.cy,
                       SRCCOPY);
        }
        SelectObject(memory, previous);
        DeleteDC(memory);
        return TRUE;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    HDC screenDc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screenDc, LOGPIXELSX);
    ReleaseDC(nullptr, screenDc);
    const bool large = dpi > USER_DEFAULT_SCREEN_DPI;
    if (large)
        g_background = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_BACKGROUND_2X));
    if (g_background == nullptr)
        g_background = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_BACKGROUND));
    BITMAP info;
    GetObjectW(g_background, sizeof(info), &info);
    g_picture = {info.bmWidth, info.bmHeight};
    RECT frame = {0, 0, 635, 416};
    if (large) {
        g_size = {MulDiv(g_size.cx, dpi, USER_DEFAULT_SCREEN_DPI),
                  MulDiv(g_size.cy, dpi, USER_DEFAULT_SCREEN_DPI)};
        frame = {0, 0, g_size.cx, g_size.cy};
        AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_CLIENTEDGE);
    }
    const SIZE window = {frame.right - frame.left, frame.bottom - frame.top};
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &FloorProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"Floor";
    RegisterClassW(&wc);
    RECT screen;
    GetClientRect(GetDesktopWindow(), &screen);
    HWND shown = CreateWindowExW(WS_EX_CLIENTEDGE, L"Floor", L"Floor", kStyle,
                                 (screen.right - window.cx) / 2, (screen.bottom - window.cy) / 2,
                                 window.cx, window.cy, nullptr, nullptr, instance, nullptr);
    ShowWindow(shown, SW_SHOW);
    UpdateWindow(shown);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
