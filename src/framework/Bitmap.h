#pragma once
// A picture that owns its bitmap handle: the handle is deleted when the picture is reloaded,
// emptied or destroyed.
#include <windows.h>

class CBitmap
{
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Loads a bitmap resource of the program by name or MAKEINTRESOURCE number.
    BOOL LoadBitmap(LPCSTR name);
    BOOL Attach(HBITMAP bitmap);
    HBITMAP Detach();
    BOOL DeleteObject();
    int GetBitmap(BITMAP* info) const;

    HBITMAP GetSafeHandle() const { return m_hObject; }
    operator HBITMAP() const { return m_hObject; }

private:
    HBITMAP m_hObject = nullptr;
};
