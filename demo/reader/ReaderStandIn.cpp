// Stands on the demo disc where Adobe Reader's installer would be.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    MessageBoxW(nullptr,
                L"This demo disc carries no Adobe Reader. A real disc would install it here, "
                L"so that the manual can be read.",
                L"Adobe Reader installer (demo stand-in)", MB_OK | MB_ICONINFORMATION);
    return 0;
}
