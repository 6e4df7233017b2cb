#include "FrameWnd.h"

#include "WinApp.h"

namespace {

constexpr char kFrameClassName[] = "CFrameWnd";

BOOL RegisterFrameClass()
{
    WNDCLASSEXA wc = {};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), kFrameClassName, &wc))
        return TRUE;
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &CWnd::StandardWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameClassName;
    return RegisterClassExA(&wc) != 0;
}

} // namespace

// WM_CREATE is in the map so that a derived map may name OnCreate as its base does.
BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                       CWnd* parent, LPCSTR menuName, DWORD exStyle, void*)
{
    HMENU menu = nullptr;
    if (menuName != nullptr && (menu = LoadMenuA(GetModuleHandleA(nullptr), menuName)) == nullptr)
        return FALSE;

    CREATESTRUCTA cs = {};
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.dwExStyle = exStyle;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
    cs.hMenu = menu;
    if (!PreCreateWindow(cs))
        return FALSE;

    const RECT outer = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    return CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), outer,
                    cs.hwndParent, cs.hMenu);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr) {
        if (!RegisterFrameClass())
            return FALSE;
        cs.lpszClass = kFrameClassName;
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA cs)
{
    return static_cast<int>(DefWindowProc(WM_CREATE, 0, reinterpret_cast<LPARAM>(cs)));
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    delete this;
}
