#include "DocumentPath.h"

#include "../install/GameRegistry.h"
#include "../install/RegistryReader.h"

std::string LocateDocument(const std::string& relativePath)
{
    std::string installPath;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, kPathValue, installPath))
        return relativePath;
    // Joined with a backslash whatever the folder ends with: Windows accepts a doubled one.
    return installPath + "\\" + relativePath;
}
