#include "RegistryReader.h"

namespace {
constexpr DWORD kValueBufferSize = 256;
// Characters of the longest text value read: a full path and its arguments.
constexpr DWORD kTextBufferLength = 1024;
} // namespace

bool ReadRegistryString(HKEY hive, const char* keyName, const char* valueName, std::string& out,
                        REGSAM view)
{
    out.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive, keyName, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;

    BYTE buffer[kValueBufferSize];
    DWORD size = kValueBufferSize;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(key, valueName, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size > kValueBufferSize)
        return false;

    out.assign(reinterpret_cast<const char*>(buffer), size);
    if (!out.empty() && out.back() == '\0')
        out.pop_back();
    return true;
}

bool ReadRegistryText(HKEY hive, const wchar_t* keyName, const wchar_t* valueName, WideString& out,
                      REGSAM view)
{
    out.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, keyName, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    wchar_t buffer[kTextBufferLength + 1] = {};
    DWORD size = kTextBufferLength * sizeof(wchar_t);
    DWORD type = 0;
    const LONG status =
        RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    // A value stored without its terminating zero still ends where its bytes do.
    buffer[size / sizeof(wchar_t)] = L'\0';
    if (type == REG_SZ) {
        out = buffer;
        return !out.empty();
    }
    wchar_t expanded[kTextBufferLength];
    const DWORD length = ExpandEnvironmentStringsW(buffer, expanded, kTextBufferLength);
    if (length == 0 || length > kTextBufferLength)
        return false;
    out = expanded;
    return !out.empty();
}
