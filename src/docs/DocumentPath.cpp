#include "DocumentPath.h"

#include "../framework/Text.h"
#include "../install/GameRegistry.h"
#include "../install/RegistryReader.h"

std::wstring LocateDocument(const std::string& relativePath)
{
    const std::wstring name = Widen(relativePath, kGameNamesCodePage);
    std::string installPath;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, kPathValue, installPath))
        return name;
    // Joined with a backslash whatever the folder ends with: Windows accepts a doubled one.
    return Widen(installPath) + L"\\" + name;
}
