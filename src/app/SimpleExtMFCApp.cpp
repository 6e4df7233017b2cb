#include "SimpleExtMFCApp.h"

#include "MainFrame.h"

#include <shellapi.h>

namespace {

// Support staff start the launcher with it to check the disc at once.
constexpr wchar_t kVerifySwitch[] = L"/verify";

bool HasSwitch(const wchar_t* wanted)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool found = false;
    for (int i = 1; i < count && !found; ++i)
        found = lstrcmpiW(arguments[i], wanted) == 0;
    LocalFree(arguments);
    return found;
}

} // namespace

BEGIN_MESSAGE_MAP(CSimpleExtMFCApp, CWinApp)
END_MESSAGE_MAP()

BOOL CSimpleExtMFCApp::InitInstance()
{
    CMainFrame* frame = new CMainFrame;
    m_pMainWnd = frame;
    ShowWindow(frame->GetSafeHwnd(), SW_SHOW);
    UpdateWindow(frame->GetSafeHwnd());
    if (HasSwitch(kVerifySwitch))
        frame->PostMessage(WM_CHECK_DISC, 0, 0);
    return TRUE;
}
