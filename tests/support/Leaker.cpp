// A frame window that leaks one memory device context per key press, as a button that forgot
// DeleteDC would on every paint: the leak check must see it.
#include <windows.h>

namespace {

LRESULT CALLBACK LeakingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN) {
        CreateCompatibleDC(nullptr);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &LeakingProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"CFrameWnd";
    RegisterClassW(&wc);
    CreateWindowW(L"CFrameWnd", L"leaker", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                  nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
