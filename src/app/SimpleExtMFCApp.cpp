#include "SimpleExtMFCApp.h"

#include "MainFrame.h"

BEGIN_MESSAGE_MAP(CSimpleExtMFCApp, CWinApp)
END_MESSAGE_MAP()

BOOL CSimpleExtMFCApp::InitInstance()
{
    CMainFrame* frame = new CMainFrame;
    m_pMainWnd = frame;
    ShowWindow(frame->GetSafeHwnd(), SW_SHOW);
    UpdateWindow(frame->GetSafeHwnd());
    return TRUE;
}
