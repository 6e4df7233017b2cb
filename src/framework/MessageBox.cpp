#include "MessageBox.h"

#include "Text.h"
#include "WinApp.h"

namespace {

constexpr int kTitleSize = 100;

} // namespace

HWND AfxGetMainWndHandle()
{
    CWnd* mainWnd = AfxGetMainWnd();
    return mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId)
{
    return AfxMessageBox(Widen(text).c_str(), type, helpId);
}

int AfxMessageBox(LPCWSTR text, UINT type, UINT)
{
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    wchar_t title[kTitleSize] = L"";
    LoadStringW(AfxGetResourceHandle(), AFX_IDS_APP_TITLE, title, kTitleSize);
    return ::MessageBoxW(AfxGetMainWndHandle(), text, title, type);
}
