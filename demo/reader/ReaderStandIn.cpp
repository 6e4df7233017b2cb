// Stands on the demo disc where a program the disc would carry lies: Adobe Reader's installer,
// or a prerequisite's setup the game's menu starts. It says which one it stands for.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path(self);
    const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    const std::wstring text =
        L"This demo disc carries no real " + name + L". A real disc would run it here.";
    MessageBoxW(nullptr, text.c_str(), (name + L" (demo stand-in)").c_str(),
                MB_OK | MB_ICONINFORMATION);
    return 0;
}
