#include "NotepadStandIn.h"

#include "TestEnvironment.h"

#include <windows.h>

namespace {

constexpr wchar_t kOverrides[] = L"Software\\Wine\\DllOverrides";
constexpr wchar_t kNative[] = L"native";

} // namespace

NotepadStandIn::NotepadStandIn()
{
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    m_notepad = std::wstring(system) + L"\\notepad.exe";
    MoveFileExW(m_notepad.c_str(), (m_notepad + L".real").c_str(), MOVEFILE_REPLACE_EXISTING);
    CopyFileW((testenv::Programs() + L"\\recorder.exe").c_str(), m_notepad.c_str(), FALSE);
    RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, L"notepad.exe", REG_SZ, kNative,
                    sizeof(kNative));
}

NotepadStandIn::~NotepadStandIn()
{
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, L"notepad.exe");
    DeleteFileW((m_notepad + L".log").c_str());
    MoveFileExW((m_notepad + L".real").c_str(), m_notepad.c_str(), MOVEFILE_REPLACE_EXISTING);
}
