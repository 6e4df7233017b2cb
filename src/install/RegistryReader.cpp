#include "RegistryReader.h"

namespace {
constexpr DWORD kValueBufferSize = 256;
}

bool ReadRegistryString(HKEY hive, const char* keyName, const char* valueName, std::string& out)
{
    out.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
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
