#pragma once
// An owner-drawn button that shows one of up to four pictures: normal, selected, focused and
// disabled. Only the normal picture is required. The pictures are those for the button's DPI,
// drawn to fill it.
#include "Button.h"
#include "Dpi.h"
#include "Picture.h"

class CBitmapButton : public CButton
{
public:
    BOOL LoadBitmaps(LPCSTR normal, LPCSTR selected = nullptr, LPCSTR focus = nullptr,
                     LPCSTR disabled = nullptr);
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // The DPI of the screen the button is on, for the pictures loaded from now on.
    virtual void SetDpi(UINT dpi) { m_dpi = dpi; }

protected:
    // Draws the picture into the item rectangle; nothing when it holds no bitmap.
    static void BlitPicture(const CPicture& picture, const DRAWITEMSTRUCT& item);

    UINT m_dpi = kDesignDpi;
    CPicture m_bitmap;
    CPicture m_bitmapSel;
    CPicture m_bitmapFocus;
    CPicture m_bitmapDisabled;
};
