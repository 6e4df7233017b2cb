#include "Scratch.h"

#include <windows.h>

namespace {

// Calls visit(path, isFolder) for everything under the folder, each folder after its contents.
template <typename Visit> void WalkTree(const std::wstring& path, Visit visit)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring child = path + L"\\" + name;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder)
            WalkTree(child, visit);
        visit(child, isFolder);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void RemoveTree(const std::wstring& path)
{
    WalkTree(path, [](const std::wstring& child, bool isFolder) {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (isFolder)
            RemoveDirectoryW(child.c_str());
        else
            DeleteFileW(child.c_str());
    });
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

void MakeParents(const std::wstring& path)
{
    for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
         slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
}

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
    constexpr size_t kStep = 100;
    const std::wstring base = m_path + L"\\";
    std::wstring path = base + std::wstring(length - base.size(), L'a');
    for (size_t slash = base.size() + kStep; slash + 1 < path.size(); slash += kStep)
        path[slash] = L'\\';
    return path;
}

void ScratchFolder::WriteFile(const std::wstring& relative, const std::string& content) const
{
    const std::wstring path = *this / relative;
    MakeParents(path);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

void ScratchFolder::MakeFolder(const std::wstring& relative) const
{
    const std::wstring path = *this / relative;
    MakeParents(path + L"\\");
}

void ScratchFolder::Hide(const std::wstring& relative) const
{
    SetFileAttributesW((*this / relative).c_str(), FILE_ATTRIBUTE_HIDDEN);
}

void ScratchFolder::MakeReadOnly() const
{
    const auto addReadOnly = [](const std::wstring& path, bool) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_READONLY);
    };
    WalkTree(m_path, addReadOnly);
    addReadOnly(m_path, true);
}

void ScratchFolder::CopyIn(const std::wstring& source, const std::wstring& relative) const
{
    const std::wstring path = *this / relative;
    MakeParents(path);
    CopyFileW(source.c_str(), path.c_str(), FALSE);
}

std::string ReadWholeFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content(GetFileSize(file, nullptr), '\0');
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

CurrentFolder::CurrentFolder(const std::wstring& path)
{
    wchar_t previous[MAX_PATH * 4];
    GetCurrentDirectoryW(MAX_PATH * 4, previous);
    m_previous = previous;
    SetCurrentDirectoryW(path.c_str());
}

CurrentFolder::~CurrentFolder()
{
    SetCurrentDirectoryW(m_previous.c_str());
}
