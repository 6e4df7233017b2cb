#pragma once
// The place on the background where the lit button's description shows: a static control, so
// that a screen reader reads its text, drawn by the launcher over the background in the
// system's message font, wrapped (a word wider than the area too), without flicker.
#include "../framework/Wnd.h"

#include "../framework/Text.h"

// How a description shows in an area: in the message font at the DPI, or smaller, down to three
// quarters of its size, where it needs more room, or else as much as fits ended by an ellipsis;
// never cut without a sign. The font is the caller's to delete.
struct DescriptionLayout
{
    HFONT font;
    WideString text;
};
DescriptionLayout LayOutDescription(HDC dc, const WideString& text, SIZE area, UINT dpi);
// The rectangle the text takes in the font, drawn as descriptions are, at most WIDTH wide.
RECT DescriptionExtent(HDC dc, HFONT font, const WideString& text, int width);

class CDescriptionArea : public CWnd
{
public:
    BOOL Create(CWnd* parent, COLORREF colour);
    void SetDpi(UINT dpi) { m_dpi = dpi; }
    // Shows the text (empty for none), redrawn only when it changes.
    void SetText(const wchar_t* text);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnEraseBkgnd(CDC* dc);

    DECLARE_MESSAGE_MAP()

private:
    void Draw(const DRAWITEMSTRUCT& item) const;

    COLORREF m_colour = 0;
    UINT m_dpi = 0;
};
