#include "Wnd.h"

#include "DC.h"

namespace {

// The object whose window CreateEx is creating: its first messages arrive before
// CreateWindowEx returns, so it is attached by the first message of its own class.
CWnd* g_creating = nullptr;

bool IsControlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam)
{
    if (entry.message != message)
        return false;
    // Command entries take the clicked notification (0) and plain commands alike.
    const UINT last = entry.lastCommandId != 0 ? entry.lastCommandId : entry.commandId;
    return message != WM_COMMAND ||
           (LOWORD(wParam) >= entry.commandId && LOWORD(wParam) <= last && HIWORD(wParam) == 0);
}

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (proc != &CWnd::StandardWndProc)
        return nullptr;
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

const MessageMap* CWnd::GetThisMessageMap()
{
    return nullptr;
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                    const RECT& rect, HWND parent, HMENU menuOrId)
{
    g_creating = this;
    HWND hWnd = CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                GetModuleHandleW(nullptr), nullptr);
    g_creating = nullptr;
    if (hWnd == nullptr)
        return FALSE;
    // A window of a system class never ran our procedure: take it over now.
    if (m_hWnd == nullptr)
        return SubclassWindow(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    Attach(hWnd);
    m_superWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardWndProc)));
    return m_superWndProc != nullptr;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CWnd::Detach()
{
    if (m_superWndProc != nullptr)
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superWndProc));
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
}

void CWnd::Invalidate(BOOL erase)
{
    InvalidateRect(m_hWnd, nullptr, erase);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

const MessageMapEntry* CWnd::FindEntry(UINT message, WPARAM wParam) const
{
    const UINT wanted = IsControlColorMessage(message) ? WM_CTLCOLOR : message;
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            if (Matches(map->entries[i], wanted, wParam))
                return &map->entries[i];
        }
    }
    return nullptr;
}

BOOL CWnd::ReflectDrawItem(LPARAM lParam)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CWnd* control = FromHandle(item->hwndItem);
    return control != nullptr && control->OnChildNotify(WM_DRAWITEM, 0, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM && ReflectDrawItem(lParam))
        return TRUE;
    if (const MessageMapEntry* entry = FindEntry(message, wParam))
        return entry->handler(*this, message, wParam, lParam);
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superWndProc != nullptr)
        return CallWindowProcW(m_superWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

LRESULT CALLBACK CWnd::StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* wnd = reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (wnd == nullptr && g_creating != nullptr) {
        wnd = g_creating;
        g_creating = nullptr;
        wnd->Attach(hWnd);
    }
    if (wnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}
