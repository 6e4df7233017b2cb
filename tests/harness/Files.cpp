// Scratch folders, files and the registry as one test leaves them.
#include "Harness.h"

namespace {

// Calls visit(path, isFolder) for everything under the folder, each folder after its contents.
template <typename Visit> void WalkTree(const std::wstring& path, Visit visit)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName, child = path + L"\\" + name;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name == L"." || name == L"..")
            continue;
        if (isFolder)
            WalkTree(child, visit);
        visit(child, isFolder);
    }
    FindClose(search);
}

void RemoveTree(const std::wstring& path)
{
    const auto remove = [](const std::wstring& child, bool isFolder) {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        isFolder ? RemoveDirectoryW(child.c_str()) : DeleteFileW(child.c_str());
    };
    WalkTree(path, remove);
    remove(path, true);
}

void MakeParents(const std::wstring& path)
{
    for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
         slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
}

// "Software\Wow6432Node\..." names where the 64-bit registry keeps a 32-bit program's key: it
// is reached through the 64-bit view from either kind of test program, as on Windows. (Wine
// would otherwise create it from a 32-bit program as a further, nested Wow6432Node key.)
REGSAM ViewOf(const std::string& key)
{
    return key.compare(0, 21, "Software\\Wow6432Node\\") == 0 ? KEY_WOW64_64KEY : 0;
}

const wchar_t kClasses[] = L"Software\\Classes\\";

} // namespace

ScratchFolder::ScratchFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static unsigned counter = 0;
    m_path = std::wstring(temp) + L"launcher-test-" + std::to_wstring(GetCurrentProcessId()) +
             L"-" + std::to_wstring(++counter);
    RemoveTree(m_path);
    CreateDirectoryW(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

std::wstring ScratchFolder::PathOfLength(size_t length) const
{
    std::wstring path = m_path + L"\\" + std::wstring(length - m_path.size() - 1, L'a');
    for (size_t slash = m_path.size() + 101; slash + 1 < path.size(); slash += 100)
        path[slash] = L'\\';
    return path;
}

void ScratchFolder::MakeReadOnly() const
{
    const auto addReadOnly = [](const std::wstring& path, bool) {
        SetFileAttributesW(path.c_str(),
                           GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_READONLY);
    };
    WalkTree(m_path, addReadOnly);
    addReadOnly(m_path, true);
}

void WriteFile(const std::wstring& path, const std::string& content)
{
    MakeParents(path);
    if (path.back() == L'\\')
        return;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

void CopyIn(const std::wstring& source, const std::wstring& path)
{
    MakeParents(path);
    CopyFileW(source.c_str(), path.c_str(), FALSE);
}

std::string ReadWholeFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    std::string content(file == INVALID_HANDLE_VALUE ? 0 : GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!content.empty())
        ReadFile(file, &content[0], static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(file);
    content.resize(read);
    return content;
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring TableWord(const std::wstring& word)
{
    const std::wstring table = testenv::Widen(ReadWholeFile(testenv::scenarios));
    const size_t at = table.find(L"\n" + word + L" = ");
    if (at == std::wstring::npos)
        return L"";
    const size_t start = at + word.size() + 4;
    return table.substr(start, table.find(L'\n', start) - start);
}

std::string GameKey(bool wow64)
{
    static const std::string key = testenv::Narrow(TableWord(L"@game-key"), CP_ACP);
    static const std::string root = "Software\\";
    return wow64 ? root + "Wow6432Node\\" + key.substr(root.size()) : key;
}

std::string UninstallKey()
{
    static const std::string key = testenv::Narrow(TableWord(L"@uninstall.key"), CP_ACP);
    return key.empty() ? key : "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + key;
}

void TestRegistry::Set(HKEY hive, const std::string& key, const std::string& name, DWORD type,
                       const std::string& bytes, REGSAM view)
{
    HKEY opened = nullptr;
    RegCreateKeyExA(hive, key.c_str(), 0, nullptr, 0, KEY_WRITE | ViewOf(key) | view, nullptr,
                    &opened, nullptr);
    RegSetValueExA(opened, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(opened);
}

void TestRegistry::Clear()
{
    const std::string keys[] = {GameKey(), GameKey(true), kAppPaths + std::string("AcroRd32.exe"),
                                kAppPaths + std::string("Acrobat.exe"), UninstallKey()};
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (const std::string& key : keys) {
            for (REGSAM view : {ViewOf(key), static_cast<REGSAM>(KEY_WOW64_64KEY)}) {
                const size_t split = key.rfind('\\');
                HKEY parent = nullptr;
                if (key.empty() || RegOpenKeyExA(hive, key.substr(0, split).c_str(), 0,
                                                 KEY_ALL_ACCESS | view, &parent) != ERROR_SUCCESS)
                    continue;
                RegDeleteTreeA(parent, key.substr(split + 1).c_str());
                RegCloseKey(parent);
            }
        }
    }
}

void AssociateWith(const std::wstring& extensionOrProtocol, const std::wstring& program)
{
    const auto set = [](const std::wstring& key, const wchar_t* name, const std::wstring& value) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kClasses + key).c_str(), name, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    RemoveAssociation(extensionOrProtocol);
    // A protocol carries its own command; an extension names a class that does.
    std::wstring handler = extensionOrProtocol;
    if (handler[0] == L'.')
        set(extensionOrProtocol, nullptr, handler = L"LauncherTest" + extensionOrProtocol);
    else
        set(handler, L"URL Protocol", L"");
    set(handler + L"\\shell\\open\\command", nullptr, L"\"" + program + L"\" \"%1\"");
}

void RemoveAssociation(const std::wstring& extensionOrProtocol)
{
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        RegDeleteTreeW(hive, (kClasses + extensionOrProtocol).c_str());
        RegDeleteTreeW(hive, (kClasses + (L"LauncherTest" + extensionOrProtocol)).c_str());
    }
}
