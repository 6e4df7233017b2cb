// The Uninstall button: the game's uninstaller, as Windows registers it for Programs and
// Features.
#include "../app/MainFrame.h"
#include "../docs/DocumentPath.h"
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

// The program a start of the line names, as CreateProcess finds it: a bare name ("MsiExec.exe",
// "RunDll32") in the system's search order (beside the launcher, the system folders, the current
// folder, the path); any other as it stands or with .exe added. Empty when there is none.
WideString FoundProgram(const WideString& name)
{
    if (name.find_first_of(L"\\/:") == WideString::npos) {
        wchar_t found[MAX_PATH];
        const DWORD length =
            SearchPathW(nullptr, name.c_str(), kProgramExtension, MAX_PATH, found, nullptr);
        return length > 0 && length < MAX_PATH && IsFile(found) ? found : WideString();
    }
    if (IsFile(name))
        return name;
    return IsFile(name + kProgramExtension) ? name + kProgramExtension : WideString();
}

// What follows the program: its arguments, without the spaces before them.
WideString ArgumentsFrom(const WideString& line, size_t end)
{
    const size_t start = line.find_first_not_of(L' ', end);
    return start == WideString::npos ? WideString() : line.substr(start);
}

// A command line as Windows takes an uninstaller's: a quoted program, or an unquoted one whose
// path may hold spaces, found as Windows finds it: the shortest start of the line, up to a
// space or the end, that names a program.
ButtonCommand SplitCommandLine(const WideString& line)
{
    if (!line.empty() && line[0] == L'"') {
        const size_t close = line.find(L'"', 1);
        const WideString program = line.substr(1, close == WideString::npos ? close : close - 1);
        const WideString found = FoundProgram(program);
        return {found.empty() ? program : found,
                close == WideString::npos ? WideString() : ArgumentsFrom(line, close + 1)};
    }
    for (size_t end = line.find(L' ');; end = line.find(L' ', end + 1)) {
        const WideString program = FoundProgram(line.substr(0, end));
        if (!program.empty())
            return {program, end == WideString::npos ? WideString() : ArgumentsFrom(line, end)};
        if (end == WideString::npos)
            return {line, WideString()};
    }
}

// An uninstaller must be able to remove the game's folder: it never starts in it, nor in a folder
// inside it, but in its own folder, or else the system folder.
WideString StartFolderFor(const WideString& program, const WideString& gameFolder)
{
    const WideString own = program.substr(0, program.find_last_of(L"\\/") + 1);
    WideString game = gameFolder.empty() ? gameFolder : FullPath(gameFolder);
    if (!game.empty() && game.back() != L'\\')
        game += L'\\';
    const int gameLength = static_cast<int>(game.size());
    const bool inGame = !game.empty() && own.size() >= game.size() &&
                        CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, own.c_str(), gameLength,
                                       game.c_str(), gameLength) == CSTR_EQUAL;
    if (!own.empty() && !inGame)
        return own;
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    return length > 0 && length < MAX_PATH ? system : WideString();
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
    if (!ReadInEachView([&](REGSAM view) {
            return ReadRegistryText(HKEY_LOCAL_MACHINE, key.c_str(), kUninstallValue, line, view) ||
                   ReadRegistryText(HKEY_CURRENT_USER, key.c_str(), kUninstallValue, line, view);
        })) {
        ShowNoUninstallerMessage();
        return;
    }
    ButtonCommand uninstaller = SplitCommandLine(line);
    uninstaller.folder = StartFolderFor(FullPath(uninstaller.file), Widen(m_installPath));
    if (RunMenuCommand(uninstaller, ShowNoUninstallerMessage))
        RequestClose();
}
