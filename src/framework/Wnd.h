#pragma once
// The window wrapper every window class of the program derives from: it ties an HWND to its
// C++ object, routes messages through the class's message map and reflects owner-draw requests
// back to the control they concern.
#include "MessageMap.h"

class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The wrapper of a window created by this program, or null for any other window.
    static CWnd* FromHandle(HWND hWnd);

    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                  const RECT& rect, HWND parent, HMENU menuOrId);
    BOOL DestroyWindow();
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    void Invalidate(BOOL erase = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int GetDlgCtrlID() const;
    // A message about to be dispatched; TRUE when it was handled here and must not be.
    virtual BOOL PreTranslateMessage(MSG* msg);

    static const MessageMap* GetThisMessageMap();

    // The procedure of every window class this program registers.
    static LRESULT CALLBACK StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual const MessageMap* GetMessageMap() const;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A parent hands WM_DRAWITEM to the control it concerns; TRUE when the control took it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone; a window that owns itself deletes itself here.
    virtual void PostNcDestroy() {}

    // Takes over a window of a system class (a button), keeping its procedure as the default.
    BOOL SubclassWindow(HWND hWnd);

    HWND m_hWnd = nullptr;

private:
    void Attach(HWND hWnd);
    void Detach();
    BOOL ReflectDrawItem(LPARAM lParam);
    const MessageMapEntry* FindEntry(UINT message, WPARAM wParam) const;

    WNDPROC m_superWndProc = nullptr;
};
