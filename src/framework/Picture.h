#pragma once
// A picture resource for a screen of some DPI. The program carries each picture drawn for
// 96 DPI as a bitmap and may carry it again at twice the size, drawn for 192 DPI and compressed
// (CompressedPicture.h); the larger one serves every DPI above 96. A picture whose size is the
// target's is copied pixel for pixel; any other is smoothed to the target's size once and kept so,
// never enlarged by repeating pixels.
#include "Bitmap.h"

class CPicture
{
public:
    // Loads the bitmap `name` drawn for 96 DPI or, for a DPI above that, the compressed picture
    // `doubleName` where the program carries it whole (null for none). FALSE without `name`.
    BOOL Load(LPCSTR name, LPCSTR doubleName, UINT dpi);
    // The same for a picture named by a string, whose double-size picture is named NAME_2X.
    BOOL Load(LPCSTR name, UINT dpi);
    void Release();
    bool IsLoaded() const { return m_bitmap.GetSafeHandle() != nullptr; }
    // The picture's size on a screen of the DPI.
    SIZE SizeAt(UINT dpi) const;
    // Fills the rectangle with the picture; nothing when none is loaded.
    void Draw(HDC target, const RECT& rect) const;

    // Whether the program carries a bitmap of that name.
    static bool IsCarried(LPCSTR name);

private:
    HBITMAP FittedTo(HDC target, SIZE size) const;

    CBitmap m_bitmap;
    SIZE m_size = {};
    UINT m_drawnForDpi = 0;
    // The picture smoothed to the last size drawn that was not its own.
    mutable CBitmap m_fitted;
    mutable SIZE m_fittedSize = {};
};
