#include "DocumentPath.h"

#include "../framework/Text.h"
#include "../install/GameRegistry.h"
#include "../install/RegistryReader.h"

WideString LocateDocument(const std::string& relativePath)
{
    const WideString name = Widen(relativePath, kGameNamesCodePage);
    std::string installPath;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, kPathValue, installPath))
        return name;
    // Joined with a backslash whatever the folder ends with: Windows accepts a doubled one.
    return Widen(installPath) + L"\\" + name;
}
