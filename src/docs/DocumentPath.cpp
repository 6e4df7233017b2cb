#include "DocumentPath.h"

#include "../framework/Text.h"
#include "../install/GameRegistry.h"
#include "../install/RegistryReader.h"

WideString LocateDocument(const std::string& relativePath)
{
    const WideString name = Widen(relativePath, kGameNamesCodePage);
    const WideString installed = InInstallation(name);
    return installed.empty() ? name : installed;
}

WideString InInstallation(const WideString& relativePath)
{
    std::string installPath;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, kPathValue, installPath))
        return WideString();
    // Joined with a backslash whatever the folder ends with: Windows accepts a doubled one.
    return Widen(installPath) + L"\\" + relativePath;
}

WideString FullPath(const WideString& relativePath)
{
    const wchar_t* path = relativePath.empty() ? L"." : relativePath.c_str();
    const DWORD length = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (length == 0)
        return relativePath;
    WideString full(length, L'\0');
    full.resize(GetFullPathNameW(path, length, &full[0], nullptr));
    return full;
}
