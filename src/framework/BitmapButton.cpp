#include "BitmapButton.h"

namespace {

BOOL LoadOptional(CPicture& picture, LPCSTR name, UINT dpi)
{
    picture.Release();
    return name == nullptr || picture.Load(name, dpi);
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(LPCSTR normal, LPCSTR selected, LPCSTR focus, LPCSTR disabled)
{
    if (!m_bitmap.Load(normal, m_dpi))
        return FALSE;
    BOOL allLoaded = LoadOptional(m_bitmapSel, selected, m_dpi);
    allLoaded &= LoadOptional(m_bitmapFocus, focus, m_dpi);
    allLoaded &= LoadOptional(m_bitmapDisabled, disabled, m_dpi);
    return allLoaded;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const CPicture* picture = &m_bitmap;
    if ((item->itemState & ODS_SELECTED) && m_bitmapSel.IsLoaded())
        picture = &m_bitmapSel;
    else if ((item->itemState & ODS_FOCUS) && m_bitmapFocus.IsLoaded())
        picture = &m_bitmapFocus;
    else if ((item->itemState & ODS_DISABLED) && m_bitmapDisabled.IsLoaded())
        picture = &m_bitmapDisabled;
    BlitPicture(*picture, *item);
}

void CBitmapButton::BlitPicture(const CPicture& picture, const DRAWITEMSTRUCT& item)
{
    picture.Draw(item.hDC, item.rcItem);
}
