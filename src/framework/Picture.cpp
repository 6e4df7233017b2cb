#include "Picture.h"

#include "CompressedPicture.h"
#include "DC.h"
#include "Dpi.h"
#include "ResourceData.h"
#include "WinApp.h"

#include <cstring>
#include <string>

namespace {

constexpr int kDouble = 2;
constexpr UINT kDoubleDpi = kDouble * kDesignDpi;
constexpr char kDoubleSuffix[] = "_2X";
// Longer than any screen: what a bitmap header gives beyond it is damage.
constexpr LONG kLongestSide = 0x7FFF;

// Copies the bitmap's top-left corner into the rectangle; the bitmap is never left selected.
void CopyBitmap(HDC target, const RECT& rect, HBITMAP bitmap)
{
    CDC screen(target), memory;
    if (!memory.CreateCompatibleDC(&screen))
        return;
    HGDIOBJ previous = memory.SelectObject(bitmap);
    if (previous == nullptr)
        return;
    screen.BitBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, &memory, 0,
                  0, SRCCOPY);
    memory.SelectObject(previous);
}

// The size the bitmap resource's header gives, without loading it; false when there is none.
bool CarriedSize(LPCSTR name, SIZE& size)
{
    const CResourceData data = FindResourceData(name, reinterpret_cast<LPCSTR>(RT_BITMAP));
    if (data.bytes == nullptr || data.length < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data.bytes, sizeof(header));
    size = {header.biWidth, header.biHeight < 0 ? -header.biHeight : header.biHeight};
    return size.cx > 0 && size.cx <= kLongestSide && size.cy > 0 && size.cy <= kLongestSide;
}

} // namespace

BOOL CPicture::Load(LPCSTR name, LPCSTR doubleName, UINT dpi)
{
    Release();
    SIZE size = {};
    if (name == nullptr || !CarriedSize(name, size))
        return FALSE;
    m_drawnForDpi = kDesignDpi;
    // The large picture is exactly twice the small one, as the build makes it; any other, or a
    // damaged one, leaves the small picture to be enlarged.
    const SIZE doubled = {kDouble * size.cx, kDouble * size.cy};
    if (dpi > kDesignDpi && doubleName != nullptr &&
        m_bitmap.Attach(LoadCompressedPicture(doubleName, doubled))) {
        m_drawnForDpi = kDoubleDpi;
        size = doubled;
    } else if (!m_bitmap.LoadBitmap(name)) {
        return FALSE;
    }
    m_size = size;
    return TRUE;
}

BOOL CPicture::Load(LPCSTR name, UINT dpi)
{
    if (name == nullptr || IS_INTRESOURCE(name))
        return Load(name, nullptr, dpi);
    return Load(name, (std::string(name) + kDoubleSuffix).c_str(), dpi);
}

void CPicture::Release()
{
    m_bitmap.DeleteObject();
    m_fitted.DeleteObject();
    m_size = m_fittedSize = {};
}

SIZE CPicture::SizeAt(UINT dpi) const
{
    const int scale = static_cast<int>(dpi), drawnFor = static_cast<int>(m_drawnForDpi);
    return IsLoaded() ? SIZE{MulDiv(m_size.cx, scale, drawnFor), MulDiv(m_size.cy, scale, drawnFor)}
                      : SIZE{};
}

void CPicture::Draw(HDC target, const RECT& rect) const
{
    if (!IsLoaded())
        return;
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    const bool ownSize = size.cx == m_size.cx && size.cy == m_size.cy;
    HBITMAP source = ownSize ? m_bitmap.GetSafeHandle() : FittedTo(target, size);
    if (source != nullptr)
        CopyBitmap(target, rect, source);
}

HBITMAP CPicture::FittedTo(HDC target, SIZE size) const
{
    if (m_fitted.GetSafeHandle() != nullptr && size.cx == m_fittedSize.cx &&
        size.cy == m_fittedSize.cy)
        return m_fitted;
    m_fitted.Attach(CreateCompatibleBitmap(target, size.cx, size.cy));
    m_fittedSize = size;
    CDC screen(target), from, to;
    if (m_fitted.GetSafeHandle() == nullptr || !from.CreateCompatibleDC(&screen) ||
        !to.CreateCompatibleDC(&screen)) {
        // Never kept unfilled: the next paint tries again.
        m_fitted.DeleteObject();
        return nullptr;
    }
    HGDIOBJ fromBefore = from.SelectObject(m_bitmap), toBefore = to.SelectObject(m_fitted);
    // HALFTONE averages the source pixels under each target pixel; the brush origin must be
    // set after choosing it.
    SetStretchBltMode(to.GetSafeHdc(), HALFTONE);
    SetBrushOrgEx(to.GetSafeHdc(), 0, 0, nullptr);
    StretchBlt(to.GetSafeHdc(), 0, 0, size.cx, size.cy, from.GetSafeHdc(), 0, 0, m_size.cx,
               m_size.cy, SRCCOPY);
    from.SelectObject(fromBefore);
    to.SelectObject(toBefore);
    return m_fitted;
}

bool CPicture::IsCarried(LPCSTR name)
{
    return FindResourceA(AfxGetResourceHandle(), name, reinterpret_cast<LPCSTR>(RT_BITMAP)) !=
           nullptr;
}
