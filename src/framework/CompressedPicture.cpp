#include "CompressedPicture.h"

#include "ResourceData.h"

#include <cstring>

// The decoder is Debian's qoi.h, built here alone; its encoder and file functions are not used.
#define QOI_IMPLEMENTATION
#define QOI_NO_STDIO
#include <qoi.h>

namespace {

constexpr BYTE kMagic[] = {'q', 'o', 'i', 'f'};
constexpr BYTE kEndMarker[] = {0, 0, 0, 0, 0, 0, 0, 1};
constexpr DWORD kHeaderSize = 14;
constexpr DWORD kWidthAt = 4, kHeightAt = 8;
constexpr int kRgba = 4;

DWORD BigEndian(const BYTE* bytes)
{
    return (static_cast<DWORD>(bytes[0]) << 24) | (static_cast<DWORD>(bytes[1]) << 16) |
           (static_cast<DWORD>(bytes[2]) << 8) | bytes[3];
}

// Whether the data is what the build wrote for a picture of that size: a QOI header giving that
// size, and the end marker where the data ends, which a cut picture lacks.
bool IsWholePicture(const BYTE* data, DWORD length, SIZE size)
{
    return length >= kHeaderSize + sizeof(kEndMarker) &&
           std::memcmp(data, kMagic, sizeof(kMagic)) == 0 &&
           BigEndian(data + kWidthAt) == static_cast<DWORD>(size.cx) &&
           BigEndian(data + kHeightAt) == static_cast<DWORD>(size.cy) &&
           std::memcmp(data + length - sizeof(kEndMarker), kEndMarker, sizeof(kEndMarker)) == 0;
}

// The decoder's red, green, blue, alpha pixels as the blue, green, red of a DIB section.
HBITMAP ToDibSection(const BYTE* rgba, SIZE size)
{
    BITMAPINFO info = {}; // BI_RGB
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top-down, as the decoder writes
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    BYTE* target = static_cast<BYTE*>(bits);
    const size_t length = static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy) * kRgba;
    for (size_t at = 0; at < length; at += kRgba) {
        target[at] = rgba[at + 2];
        target[at + 1] = rgba[at + 1];
        target[at + 2] = rgba[at];
        target[at + 3] = 0;
    }
    return bitmap;
}

} // namespace

HBITMAP LoadCompressedPicture(LPCSTR name, SIZE size)
{
    const CResourceData data = FindResourceData(name, kCompressedPictureType);
    if (data.bytes == nullptr || !IsWholePicture(data.bytes, data.length, size))
        return nullptr;
    qoi_desc described = {};
    auto* rgba = static_cast<BYTE*>(
        qoi_decode(data.bytes, static_cast<int>(data.length), &described, kRgba));
    if (rgba == nullptr)
        return nullptr;
    HBITMAP bitmap = ToDibSection(rgba, size);
    QOI_FREE(rgba);
    return bitmap;
}
