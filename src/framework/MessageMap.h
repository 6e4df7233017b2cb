#pragma once
// Per-class message tables in the shape the rest of the program knows from MFC. Each entry
// holds a captureless thunk that casts the window back to the class that declared the table,
// so handlers keep their own signatures and no member-pointer casts are needed.
#include <windows.h>

#include <cstddef>

class CWnd;
class CDC;

// 16-bit Windows' single colour message; the WM_CTLCOLORxxx family is routed to it.
constexpr UINT WM_CTLCOLOR = 0x0019;

struct MessageMapEntry
{
    UINT message;
    UINT commandId; // WM_COMMAND entries only: the control identifier
    LRESULT (*handler)(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);
    UINT lastCommandId = 0; // a range's last identifier; 0 for one identifier
};

struct MessageMap
{
    const MessageMap* base;
    const MessageMapEntry* entries;
    std::size_t count;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const MessageMap* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

// The closing sentinel keeps an empty map a valid array; it is not counted.
#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, nullptr                                                                              \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map = {TheBaseClass::GetThisMessageMap(), entries,                     \
                                   sizeof(entries) / sizeof(entries[0]) - 1};                      \
    return &map;                                                                                   \
    }

#define AFX_THUNK(...)                                                                             \
    [](CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {                         \
        ThisClass& self = static_cast<ThisClass&>(wnd);                                            \
        (void)message;                                                                             \
        (void)wParam;                                                                              \
        (void)lParam;                                                                              \
        __VA_ARGS__                                                                                \
    }

#define ON_WM_CREATE()                                                                             \
    {                                                                                              \
        WM_CREATE, 0, AFX_THUNK(return self.OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam));)  \
    }                                                                                              \
    ,

#define ON_WM_KEYDOWN()                                                                            \
    {                                                                                              \
        WM_KEYDOWN, 0,                                                                             \
            AFX_THUNK(self.OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));   \
                      return 0;)                                                                   \
    }                                                                                              \
    ,

#define ON_WM_SETFOCUS()                                                                           \
    {                                                                                              \
        WM_SETFOCUS, 0,                                                                            \
            AFX_THUNK(self.OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));           \
                      return 0;)                                                                   \
    }                                                                                              \
    ,

#define ON_WM_ERASEBKGND()                                                                         \
    {                                                                                              \
        WM_ERASEBKGND, 0,                                                                          \
            AFX_THUNK(CDC dc(reinterpret_cast<HDC>(wParam)); return self.OnEraseBkgnd(&dc);)       \
    }                                                                                              \
    ,

#define ON_WM_CTLCOLOR()                                                                           \
    {                                                                                              \
        WM_CTLCOLOR, 0,                                                                            \
            AFX_THUNK(CDC dc(reinterpret_cast<HDC>(wParam)); return reinterpret_cast<LRESULT>(     \
                          self.OnCtlColor(&dc, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),   \
                                          message - WM_CTLCOLORMSGBOX));)                          \
    }                                                                                              \
    ,

#define ON_WM_MOUSEMOVE()                                                                          \
    {                                                                                              \
        WM_MOUSEMOVE, 0,                                                                           \
            AFX_THUNK(POINT point = {static_cast<short>(LOWORD(lParam)),                           \
                                     static_cast<short>(HIWORD(lParam))};                          \
                      self.OnMouseMove(static_cast<UINT>(wParam), point); return 0;)               \
    }                                                                                              \
    ,

#define ON_MESSAGE(msg, memberFn)                                                                  \
    {                                                                                              \
        msg, 0, AFX_THUNK(return self.memberFn(wParam, lParam);)                                   \
    }                                                                                              \
    ,

#define ON_COMMAND(id, memberFn)                                                                   \
    {                                                                                              \
        WM_COMMAND, id, AFX_THUNK(self.memberFn(); return 0;)                                      \
    }                                                                                              \
    ,

// The handler takes the identifier.
#define ON_COMMAND_RANGE(firstId, lastId, memberFn)                                                \
    {                                                                                              \
        WM_COMMAND, firstId, AFX_THUNK(self.memberFn(LOWORD(wParam)); return 0;), lastId           \
    }                                                                                              \
    ,
