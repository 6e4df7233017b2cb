// Stands in for a program the launcher starts (setup, the game, a PDF reader, Notepad, a
// browser): appends its command line and current folder to "<its own path>.log" and exits.
#include <windows.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    wchar_t self[MAX_PATH * 4];
    wchar_t folder[MAX_PATH * 4];
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    GetCurrentDirectoryW(MAX_PATH * 4, folder);
    wchar_t logName[MAX_PATH * 4 + 8];
    swprintf(logName, sizeof(logName) / sizeof(logName[0]), L"%ls.log", self);

    FILE* log = _wfopen(logName, L"ab");
    if (log == nullptr)
        return 1;
    // UTF-16 lines, so that names from any code page arrive intact.
    const wchar_t* lines[] = {GetCommandLineW(), L"\n", folder, L"\n"};
    for (const wchar_t* line : lines)
        fwrite(line, sizeof(wchar_t), wcslen(line), log);
    fclose(log);
    return 0;
}
