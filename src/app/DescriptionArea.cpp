#include "DescriptionArea.h"

#include "../framework/DC.h"
#include "../framework/HighContrast.h"

namespace {

constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX;
constexpr int kTextLength = 512;
// A word wider than the area is broken as an edit control breaks it, never cut at the edge.
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
// A text that needs more room is drawn smaller, down to this share of the message font.
constexpr int kSmallestSizePercent = 75;
constexpr wchar_t kEllipsis[] = L"\x2026";

bool Fits(HDC dc, HFONT font, const WideString& text, SIZE area)
{
    const RECT extent = DescriptionExtent(dc, font, text, area.cx);
    return extent.right <= area.cx && extent.bottom <= area.cy;
}

// The longest beginning of the text that fits with the ellipsis after it.
WideString Shortened(HDC dc, HFONT font, const WideString& text, SIZE area)
{
    const auto ended = [&](size_t length) {
        WideString shown = text.substr(0, length);
        shown.erase(shown.find_last_not_of(L' ') + 1);
        return shown + kEllipsis;
    };
    size_t fitting = 0, tooLong = text.size();
    while (tooLong - fitting > 1) {
        const size_t middle = (fitting + tooLong) / 2;
        (Fits(dc, font, ended(middle), area) ? fitting : tooLong) = middle;
    }
    return ended(fitting);
}

} // namespace

RECT DescriptionExtent(HDC dc, HFONT font, const WideString& text, int width)
{
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT extent = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &extent, kTextFormat | DT_CALCRECT);
    SelectObject(dc, previous);
    return extent;
}

DescriptionLayout LayOutDescription(HDC dc, const WideString& text, SIZE area, UINT dpi)
{
    HFONT font = CreateMessageFont(dpi);
    LOGFONTW look = {};
    GetObjectW(font, sizeof(look), &look);
    const LONG smallest = MulDiv(look.lfHeight, kSmallestSizePercent, 100);
    while (!Fits(dc, font, text, area)) {
        if (look.lfHeight == smallest)
            return {font, Shortened(dc, font, text, area)};
        look.lfHeight += look.lfHeight < 0 ? 1 : -1;
        DeleteObject(font);
        font = CreateFontIndirectW(&look);
    }
    return {font, text};
}

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
    const DescriptionLayout layout = LayOutDescription(memory, text, {width, height}, m_dpi);
    const HGDIOBJ previousFont = SelectObject(memory, layout.font);
    SetTextColor(memory, IsHighContrastOn() ? GetSysColor(COLOR_WINDOWTEXT) : m_colour);
    SetBkMode(memory, TRANSPARENT);
    RECT textRect = {0, 0, width, height};
    DrawTextW(memory, layout.text.c_str(), -1, &textRect, kTextFormat);
    BitBlt(item.hDC, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);

    SelectObject(memory, previousFont);
    DeleteObject(layout.font);
    SelectObject(memory, previousBitmap);
    DeleteObject(canvas);
    DeleteDC(memory);
}
