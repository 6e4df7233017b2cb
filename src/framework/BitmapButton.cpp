#include "BitmapButton.h"

#include "DC.h"

namespace {

BOOL LoadOptional(CBitmap& picture, LPCSTR name)
{
    picture.DeleteObject();
    return name == nullptr || picture.LoadBitmap(name);
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(LPCSTR normal, LPCSTR selected, LPCSTR focus, LPCSTR disabled)
{
    m_bitmap.DeleteObject();
    if (!m_bitmap.LoadBitmap(normal))
        return FALSE;
    BOOL allLoaded = LoadOptional(m_bitmapSel, selected);
    allLoaded &= LoadOptional(m_bitmapFocus, focus);
    allLoaded &= LoadOptional(m_bitmapDisabled, disabled);
    return allLoaded;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const CBitmap* picture = &m_bitmap;
    if ((item->itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle() != nullptr)
        picture = &m_bitmapSel;
    else if ((item->itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle() != nullptr)
        picture = &m_bitmapFocus;
    else if ((item->itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle() != nullptr)
        picture = &m_bitmapDisabled;
    BlitPicture(*picture, *item);
}

void CBitmapButton::BlitPicture(const CBitmap& picture, const DRAWITEMSTRUCT& item)
{
    CDC target(item.hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(&target))
        return;
    HGDIOBJ previous = memory.SelectObject(picture.GetSafeHandle());
    if (previous == nullptr)
        return;
    const RECT& rect = item.rcItem;
    target.BitBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, &memory, 0,
                  0, SRCCOPY);
    memory.SelectObject(previous);
}
