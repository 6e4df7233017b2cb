#include "FrameWnd.h"

#include "WinApp.h"

namespace {

constexpr wchar_t kFrameClassName[] = L"CFrameWnd";

BOOL RegisterFrameClass()
{
    WNDCLASSEXW wc = {};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kFrameClassName, &wc))
        return TRUE;
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &CWnd::StandardWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameClassName;
    return RegisterClassExW(&wc) != 0;
}

} // namespace

// WM_CREATE is in the map so that a derived map may name OnCreate as its base does.
BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CFrameWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                       CWnd* parent, LPCWSTR menuName, DWORD exStyle, void*)
{
    HMENU menu = nullptr;
    if (menuName != nullptr && (menu = LoadMenuW(GetModuleHandleW(nullptr), menuName)) == nullptr)
        return FALSE;

    CREATESTRUCTW cs = {};
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

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (cs.lpszClass == nullptr) {
        if (!RegisterFrameClass())
            return FALSE;
        cs.lpszClass = kFrameClassName;
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTW cs)
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
