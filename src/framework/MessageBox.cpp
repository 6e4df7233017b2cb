#include "MessageBox.h"

#include "PlatformCalls.h"
#include "WinApp.h"

#include <vector>

namespace {

constexpr int kTitleSize = 100;

// The text in UTF-16, as the system's code page reads it; always terminated.
std::vector<wchar_t> AnsiToWide(LPCSTR text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return wide;
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
    wchar_t title[kTitleSize] = L"";
    LoadStringW(AfxGetResourceHandle(), AFX_IDS_APP_TITLE, title, kTitleSize);
    return platform::messageBox(AfxGetMainWndHandle(), AnsiToWide(text).data(), title, type);
}
