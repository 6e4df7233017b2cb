#pragma once
// An owner-drawn button that shows one of up to four pictures: normal, selected, focused and
// disabled. Only the normal picture is required.
#include "Bitmap.h"
#include "Button.h"

class CBitmapButton : public CButton
{
public:
    BOOL LoadBitmaps(LPCSTR normal, LPCSTR selected = nullptr, LPCSTR focus = nullptr,
                     LPCSTR disabled = nullptr);
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    // Copies the picture one to one into the item rectangle; nothing when it holds no bitmap.
    static void BlitPicture(const CBitmap& picture, const DRAWITEMSTRUCT& item);

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
