#include "TestRegistry.h"

#include <cstring>

namespace {

constexpr const char* kTouchedKeys[] = {kTestGameKey, kTestGameKeyWow64, kTestReaderKey,
                                        kTestAcrobatKey};

// "Software\Wow6432Node\..." names where the 64-bit registry keeps a 32-bit program's key: it
// is reached through the 64-bit view from either kind of test program, as on Windows. (Wine
// would otherwise create it from a 32-bit program as a further, nested Wow6432Node key.)
REGSAM ViewOf(const char* key)
{
    const char prefix[] = "Software\\Wow6432Node\\";
    return strncmp(key, prefix, sizeof(prefix) - 1) == 0 ? KEY_WOW64_64KEY : 0;
}

void DeleteTree(HKEY hive, const char* key)
{
    const std::string path = key;
    const size_t split = path.rfind('\\');
    HKEY parent = nullptr;
    if (RegOpenKeyExA(hive, path.substr(0, split).c_str(), 0, KEY_ALL_ACCESS | ViewOf(key),
                      &parent) != ERROR_SUCCESS)
        return;
    RegDeleteTreeA(parent, path.substr(split + 1).c_str());
    RegCloseKey(parent);
}

} // namespace

void TestRegistry::SetRaw(HKEY hive, const char* key, const char* name, DWORD type,
                          const std::string& bytes)
{
    HKEY opened = nullptr;
    RegCreateKeyExA(hive, key, 0, nullptr, 0, KEY_WRITE | ViewOf(key), nullptr, &opened, nullptr);
    RegSetValueExA(opened, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(opened);
}

void TestRegistry::SetString(HKEY hive, const char* key, const char* name, const std::string& value)
{
    SetRaw(hive, key, name, REG_SZ, value + std::string(1, '\0'));
}

void TestRegistry::Clear()
{
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (const char* key : kTouchedKeys)
            DeleteTree(hive, key);
    }
}

void AssociateWith(const std::wstring& extensionOrProtocol, const std::wstring& program)
{
    const std::wstring command = L"\"" + program + L"\" \"%1\"";
    const std::wstring progId = L"LauncherTest" + extensionOrProtocol;
    HKEY key = nullptr;
    const bool isProtocol = extensionOrProtocol[0] != L'.';
    const std::wstring commandKey = L"Software\\Classes\\" +
                                    (isProtocol ? extensionOrProtocol : progId) +
                                    L"\\shell\\open\\command";
    RemoveAssociation(extensionOrProtocol);
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, commandKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (isProtocol) {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + extensionOrProtocol).c_str(),
                        0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegSetValueExW(key, L"URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""),
                       sizeof(wchar_t));
    } else {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + extensionOrProtocol).c_str(),
                        0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(progId.c_str()),
                       static_cast<DWORD>((progId.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

void RemoveAssociation(const std::wstring& extensionOrProtocol)
{
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        RegDeleteTreeW(hive, (L"Software\\Classes\\" + extensionOrProtocol).c_str());
        RegDeleteTreeW(hive, (L"Software\\Classes\\LauncherTest" + extensionOrProtocol).c_str());
    }
}
