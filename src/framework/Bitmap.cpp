#include "Bitmap.h"

#include "WinApp.h"

BOOL CBitmap::LoadBitmap(LPCSTR name)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), name));
}

BOOL CBitmap::Attach(HBITMAP bitmap)
{
    DeleteObject();
    m_hObject = bitmap;
    return m_hObject != nullptr;
}

HBITMAP CBitmap::Detach()
{
    HBITMAP bitmap = m_hObject;
    m_hObject = nullptr;
    return bitmap;
}

BOOL CBitmap::DeleteObject()
{
    HBITMAP bitmap = Detach();
    return bitmap != nullptr && ::DeleteObject(bitmap);
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    return GetObjectA(m_hObject, sizeof(BITMAP), info);
}
