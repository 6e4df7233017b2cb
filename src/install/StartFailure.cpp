// Why the shell started nothing, and what the player is told of it.
#include "StartFailure.h"

#include "../framework/MessageBox.h"

#include <shellapi.h>

#include <string>

namespace {

// The shell's own failure codes (the instance handle it answers), as the system's errors.
struct ShellError
{
    UINT_PTR shell;
    DWORD error;
};
constexpr ShellError kShellErrors[] = {{SE_ERR_FNF, ERROR_FILE_NOT_FOUND},
                                       {SE_ERR_PNF, ERROR_PATH_NOT_FOUND},
                                       {SE_ERR_ACCESSDENIED, ERROR_ACCESS_DENIED},
                                       {SE_ERR_OOM, ERROR_NOT_ENOUGH_MEMORY},
                                       {SE_ERR_DLLNOTFOUND, ERROR_DLL_NOT_FOUND},
                                       {SE_ERR_SHARE, ERROR_SHARING_VIOLATION},
                                       {SE_ERR_NOASSOC, ERROR_NO_ASSOCIATION},
                                       {SE_ERR_ASSOCINCOMPLETE, ERROR_NO_ASSOCIATION},
                                       {SE_ERR_DDETIMEOUT, ERROR_DDE_FAIL},
                                       {SE_ERR_DDEFAIL, ERROR_DDE_FAIL},
                                       {SE_ERR_DDEBUSY, ERROR_DDE_FAIL}};

bool IsMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_DRIVE || error == ERROR_BAD_NETPATH;
}

// The name the failure concerns, then the system's own words for it, in the user's language.
void ShowSystemError(DWORD error, const WideString& name)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    WideString message = name + L"\n\n";
    if (length > 0)
        message.append(text, length);
    else
        message += Widen("Error " + std::to_string(error));
    LocalFree(text);
    message.erase(message.find_last_not_of(L"\r\n ") + 1);
    AfxMessageBox(message.c_str(), MB_OK, 0);
}

} // namespace

DWORD ErrorOfShell(HINSTANCE answer)
{
    // The player's No to an elevation prompt is said only by the thread's last error.
    const DWORD lastError = GetLastError();
    if (lastError == ERROR_CANCELLED)
        return lastError;
    for (const ShellError& known : kShellErrors) {
        if (reinterpret_cast<UINT_PTR>(answer) == known.shell)
            return known.error;
    }
    return lastError != ERROR_SUCCESS ? lastError : ERROR_GEN_FAILURE;
}

bool IsPlayersNo(DWORD error)
{
    return error == ERROR_CANCELLED || error == ERROR_ACCESS_DENIED;
}

void SayStartFailure(DWORD error, const WideString& name, void (*sayMissing)())
{
    if (IsMissing(error))
        sayMissing();
    else if (!IsPlayersNo(error))
        ShowSystemError(error, name);
}
