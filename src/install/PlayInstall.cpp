// The top button: start the installed game, or the disc's setup program.
#include "../app/MainFrame.h"
#include "../framework/MessageBox.h"
#include "../framework/Text.h"
#include "GameRegistry.h"
#include "RegistryReader.h"

namespace {

constexpr wchar_t kSetupFile[] = GAME_SETUP_PROGRAM;
constexpr wchar_t kSetupParameters[] = GAME_SETUP_PARAMETERS;
constexpr char kWorkingDirectoryText[] = "Unable to set current working directory to:\n";

// Play honours a per-user installation before the machine-wide one.
bool ReadUserThenMachine(const char* valueName, std::string& out)
{
    return ReadInEachView([&](REGSAM view) {
        return ReadRegistryString(HKEY_CURRENT_USER, kGameKey, valueName, out, view) ||
               ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, valueName, out, view);
    });
}

} // namespace

void CMainFrame::OnPlay()
{
    std::string installPath;
    // The game runs from its installation folder: it inherits our current directory.
    if (ReadUserThenMachine(kPathValue, installPath) && SetWorkingDirectory(installPath) != 0)
        return;
    if (ReadUserThenMachine(kAppFileValue, m_appFile))
        m_commands[SLOT_LAUNCH] = {Widen(m_appFile), WideString()};
    if (RunButtonCommand(SLOT_LAUNCH, true) == 0)
        RequestClose();
}

void CMainFrame::OnInstall()
{
    m_commands[SLOT_LAUNCH] = {kSetupFile, kSetupParameters};
    if (RunButtonCommand(SLOT_LAUNCH, false) == 0)
        RequestClose();
}

int CMainFrame::SetWorkingDirectory(const std::string& path)
{
    if (path.empty())
        return 1;
    if (SetCurrentDirectoryA(path.c_str()))
        return 0;
    AfxMessageBox((kWorkingDirectoryText + path).c_str(), MB_OK, 0);
    return 1;
}
