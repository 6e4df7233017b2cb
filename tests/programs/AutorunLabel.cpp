// Reads a disc's autorun.inf as Windows' shell does, through the profile functions, and writes
// its label to a file in UTF-8:   autorun_label.exe AUTORUN.INF OUT
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    wchar_t label[256] = L"";
    GetPrivateProfileStringW(L"autorun", L"label", L"", label, 256, argv[1]);
    char utf8[1024];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, label, -1, utf8, sizeof utf8, nullptr, nullptr);
    HANDLE out = CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok = out != INVALID_HANDLE_VALUE && length > 0 &&
                    WriteFile(out, utf8, static_cast<DWORD>(length - 1), &written, nullptr);
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    return ok ? 0 : 1;
}
