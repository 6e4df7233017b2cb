// The Uninstall button: the game's uninstaller, as Windows registers it for Programs and
// Features.
#include "../app/MainFrame.h"
#include "../docs/InsertDiscMessage.h"
#include "../framework/MessageBox.h"
#include "../../res/resource.h"
#include "RegistryReader.h"

namespace {

constexpr wchar_t kUninstallKeys[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr wchar_t kUninstallValue[] = L"UninstallString";
constexpr wchar_t kProgramExtension[] = L".exe";
constexpr int kMessageBufferSize = 100;

bool IsFile(const WideString& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// What follows the program: its arguments, without the spaces before them.
WideString ArgumentsFrom(const WideString& line, size_t end)
{
    const size_t start = line.find_first_not_of(L' ', end);
    return start == WideString::npos ? WideString() : line.substr(start);
}

// A command line as Windows takes an uninstaller's: a quoted program, or an unquoted one whose
// path may hold spaces, found as Windows finds it: the shortest start of the line, up to a
// space, that names a file (as it stands or with .exe added).
ButtonCommand SplitCommandLine(const WideString& line)
{
    if (!line.empty() && line[0] == L'"') {
        const size_t close = line.find(L'"', 1);
        if (close == WideString::npos)
            return {line.substr(1), WideString()};
        return {line.substr(1, close - 1), ArgumentsFrom(line, close + 1)};
    }
    for (size_t space = line.find(L' '); space != WideString::npos;
         space = line.find(L' ', space + 1)) {
        const WideString program = line.substr(0, space);
        if (IsFile(program))
            return {program, ArgumentsFrom(line, space)};
        if (IsFile(program + kProgramExtension))
            return {program + kProgramExtension, ArgumentsFrom(line, space)};
    }
    return {line, WideString()};
}

void ShowNoUninstallerMessage()
{
    wchar_t text[kMessageBufferSize];
    LoadUiLanguageString(IDS_NO_UNINSTALLER, text, kMessageBufferSize);
    AfxMessageBox(text, MB_OK, 0);
}

} // namespace

void CMainFrame::OnUninstall(const MenuEntry& entry)
{
    const WideString key = kUninstallKeys + WideString(TextFor(entry.targets, m_language));
    WideString line;
    // The machine's installation first, as Programs and Features lists it.
    if (!ReadRegistryText(HKEY_LOCAL_MACHINE, key.c_str(), kUninstallValue, line) &&
        !ReadRegistryText(HKEY_CURRENT_USER, key.c_str(), kUninstallValue, line)) {
        ShowNoUninstallerMessage();
        return;
    }
    if (RunCommand(SplitCommandLine(line), true) == 0)
        RequestClose();
    else
        ShowNoUninstallerMessage();
}
