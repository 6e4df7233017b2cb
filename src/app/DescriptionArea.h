#pragma once
// The place on the background where the lit button's description shows: a static control, so
// that a screen reader reads its text, drawn by the launcher over the background in the
// system's message font, wrapped, without flicker.
#include "../framework/Wnd.h"

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
