// Hands a button's command to the shell, and says why one did not start.
#include "../app/MainFrame.h"
#include "../docs/InsertDiscMessage.h"
#include "../framework/MessageBox.h"
#include "StartFailure.h"
#include <shellapi.h>

namespace {

constexpr char kNoCommandText[] = "There is no command line associated with this button. ";

} // namespace

int CMainFrame::RunButtonCommand(int slot, bool quiet)
{
    return RunCommand(m_commands[slot], quiet);
}

int CMainFrame::RunCommand(const ButtonCommand& command, bool quiet)
{
    if (command.file.empty()) {
        AfxMessageBox(kNoCommandText, MB_OK, 0);
        return 1;
    }
    const DWORD error = StartCommand(command);
    if (error == ERROR_SUCCESS)
        return 0;
    if (!quiet && !IsPlayersNo(error))
        ShowInsertDiscMessage();
    return 1;
}

DWORD CMainFrame::StartCommand(const ButtonCommand& command)
{
    SHELLEXECUTEINFOW execute = {};
    execute.cbSize = sizeof(execute);
    // The failures are ours to say; an elevation prompt is the launcher's, never behind it.
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.hwnd = m_hWnd;
    execute.lpVerb = L"open";
    execute.lpFile = command.file.c_str();
    execute.lpParameters = command.parameters.c_str();
    execute.lpDirectory = command.folder.empty() ? nullptr : command.folder.c_str();
    execute.nShow = SW_SHOW;
    SetLastError(ERROR_SUCCESS);
    return ShellExecuteExW(&execute) ? ERROR_SUCCESS : ErrorOfShell(execute.hInstApp);
}

bool CMainFrame::RunMenuCommand(const ButtonCommand& command, void (*sayMissing)())
{
    const DWORD error = StartCommand(command);
    if (error == ERROR_SUCCESS)
        return true;
    SayStartFailure(error, command.file, sayMissing);
    return false;
}
