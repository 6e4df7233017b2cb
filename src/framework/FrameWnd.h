#pragma once
// A top-level frame window of the framework's own class. It owns itself: once its window is
// destroyed it deletes its object, and when it was the application's main window it ends the
// message loop.
#include "Wnd.h"

class CFrameWnd : public CWnd
{
public:
    BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                CWnd* parent = nullptr, LPCWSTR menuName = nullptr, DWORD exStyle = 0,
                void* context = nullptr);

protected:
    // Fills in the frame class and the sunken client edge when the caller left them out.
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    int OnCreate(LPCREATESTRUCTW cs);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
