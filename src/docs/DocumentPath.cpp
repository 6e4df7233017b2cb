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
    if (!ReadInEachView([&](REGSAM view) {
            return ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, kPathValue, installPath, view);
        }))
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

WideString OnDisc(const WideString& relativePath)
{
    wchar_t launcher[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, launcher, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return FullPath(relativePath);
    const WideString path(launcher, length);
    return FullPath(path.substr(0, path.find_last_of(L'\\') + 1) + relativePath);
}
