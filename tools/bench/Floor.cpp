// The floor the launcher is measured against: one 635 x 416 window of the same style that
// paints one 635 x 395 bitmap, and nothing else.
#include <windows.h>

namespace {

HBITMAP g_background = nullptr;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        HDC memory = CreateCompatibleDC(reinterpret_cast<HDC>(wParam));
        HGDIOBJ previous = SelectObject(memory, g_background);
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, 635, 395, memory, 0, 0, SRCCOPY);
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
    g_background = LoadBitmapW(instance, MAKEINTRESOURCEW(131));
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &FloorProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"Floor";
    RegisterClassW(&wc);
    RECT screen;
    GetClientRect(GetDesktopWindow(), &screen);
    HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, L"Floor", L"Floor",
                                  WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX | WS_SYSMENU,
                                  (screen.right - 635) / 2, (screen.bottom - 416) / 2, 635, 416,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
