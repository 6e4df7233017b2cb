// Imports VERSION statically, as the launcher once did: the control that shows a DLL planted
// beside a program really is picked up by such an import.
#include <windows.h>

int main()
{
    DWORD handle = 0;
    return static_cast<int>(GetFileVersionInfoSizeW(L"version_importer.exe", &handle));
}
