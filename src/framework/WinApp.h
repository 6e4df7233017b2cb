#pragma once
// The application object: constructed once before start-up, asked to set itself up by
// InitInstance, then running the message loop until its main window is gone.
#include "Wnd.h"

class CWinApp
{
public:
    explicit CWinApp(LPCSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int Run();
    // Offers each message to the main window before it is dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);

    CWnd* m_pMainWnd = nullptr;

    static const MessageMap* GetThisMessageMap();

protected:
    virtual const MessageMap* GetMessageMap() const;

private:
    LPCSTR m_pszAppName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
int AfxWinMain();
