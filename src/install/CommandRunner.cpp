// Hands a button's command to the shell.
#include "../app/MainFrame.h"
#include "../docs/InsertDiscMessage.h"
#include "../framework/MessageBox.h"
#include <shellapi.h>

namespace {

constexpr char kNoCommandText[] = "There is no command line associated with this button. ";
// ShellExecute answers a value above this one exactly when it started something.
constexpr UINT_PTR kLastShellError = 32;

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
    const HINSTANCE result =
        ::ShellExecuteW(nullptr, L"open", command.file.c_str(), command.parameters.c_str(),
                        command.folder.empty() ? nullptr : command.folder.c_str(), SW_SHOW);
    if (reinterpret_cast<UINT_PTR>(result) > kLastShellError)
        return 0;
    if (!quiet)
        ShowInsertDiscMessage();
    return 1;
}
