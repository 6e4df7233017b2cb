#include "WinApp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

const MessageMap* CWinApp::GetThisMessageMap()
{
    return nullptr;
}

const MessageMap* CWinApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    return m_pMainWnd != nullptr && m_pMainWnd->PreTranslateMessage(msg);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr || !app->InitInstance())
        return 1;
    return app->Run();
}
