#include "MessageBox.h"

#include "PlatformCalls.h"
#include "WinApp.h"

#include <string>

namespace {

std::wstring AnsiToWide(LPCSTR text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::wstring ApplicationTitle()
{
    const wchar_t* title = nullptr;
    const int length =
        LoadStringW(AfxGetResourceHandle(), AFX_IDS_APP_TITLE, reinterpret_cast<LPWSTR>(&title), 0);
    return length > 0 ? std::wstring(title, static_cast<size_t>(length)) : std::wstring();
}

} // namespace

HWND AfxGetMainWndHandle()
{
    CWnd* mainWnd = AfxGetMainWnd();
    return mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT)
{
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    return platform::messageBox(AfxGetMainWndHandle(), AnsiToWide(text).c_str(),
                                ApplicationTitle().c_str(), type);
}
