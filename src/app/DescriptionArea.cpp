#include "DescriptionArea.h"

#include "../framework/DC.h"
#include "../framework/HighContrast.h"

namespace {

constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX;
constexpr int kTextLength = 512;
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

BEGIN_MESSAGE_MAP(CDescriptionArea, CWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CDescriptionArea::Create(CWnd* parent, COLORREF colour)
{
    m_colour = colour;
    return CreateEx(0, L"STATIC", L"", kStaticStyle, RECT{}, parent->GetSafeHwnd(), nullptr);
}

void CDescriptionArea::SetText(const wchar_t* text)
{
    wchar_t shown[kTextLength] = L"";
    GetWindowTextW(m_hWnd, shown, kTextLength);
    if (lstrcmpW(shown, text) != 0)
        SetWindowTextW(m_hWnd, text);
}

// Everything is drawn by Draw, over the background, in one copy.
BOOL CDescriptionArea::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

BOOL CDescriptionArea::OnChildNotify(UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

void CDescriptionArea::Draw(const DRAWITEMSTRUCT& item) const
{
    const RECT& rect = item.rcItem;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC memory = CreateCompatibleDC(item.hDC);
    HBITMAP canvas = CreateCompatibleBitmap(item.hDC, width, height);
    const HGDIOBJ previousBitmap = SelectObject(memory, canvas);
    // The window's background behind the area, as the window paints it.
    HWND parent = GetParent(m_hWnd);
    POINT origin = {0, 0};
    MapWindowPoints(m_hWnd, parent, &origin, 1);
    SetViewportOrgEx(memory, -origin.x, -origin.y, nullptr);
    ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    SetViewportOrgEx(memory, 0, 0, nullptr);

    wchar_t text[kTextLength] = L"";
    GetWindowTextW(m_hWnd, text, kTextLength);
    HFONT font = CreateMessageFont(m_dpi);
    const HGDIOBJ previousFont = SelectObject(memory, font);
    SetTextColor(memory, IsHighContrastOn() ? GetSysColor(COLOR_WINDOWTEXT) : m_colour);
    SetBkMode(memory, TRANSPARENT);
    RECT textRect = {0, 0, width, height};
    DrawTextW(memory, text, -1, &textRect, kTextFormat);
    BitBlt(item.hDC, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);

    SelectObject(memory, previousFont);
    DeleteObject(font);
    SelectObject(memory, previousBitmap);
    DeleteObject(canvas);
    DeleteDC(memory);
}
