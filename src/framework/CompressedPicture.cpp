#include "CompressedPicture.h"

#include "ResourceData.h"

#include <cstring>

namespace {

// The picture being decoded, and the DIB section made for it.
struct Decoding
{
    SIZE size;
    HBITMAP section;
};
// Pictures are loaded on the window's thread alone.
Decoding g_decoding = {};

constexpr int kRgba = 4;

size_t BytesOf(SIZE size)
{
    return static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy) * kRgba;
}

// The decoder writes its pixels into the memory it asks for: here the bits of a DIB section of
// the picture's size, so that they are written once, where GDI reads them. A fresh page costs its
// fault, and a large background has a thousand of them: a second buffer doubled that.
void* SectionBits(size_t bytes)
{
    const SIZE size = g_decoding.size;
    if (bytes != BytesOf(size))
        return nullptr;
    BITMAPINFO info = {}; // BI_RGB
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top-down, as the decoder writes
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    g_decoding.section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return g_decoding.section != nullptr ? bits : nullptr;
}

} // namespace

// The decoder is Debian's qoi.h, built here alone; its encoder and file functions are not used.
#define QOI_IMPLEMENTATION
#define QOI_NO_STDIO
#define QOI_MALLOC(bytes) SectionBits(bytes)
#define QOI_FREE(pointer) static_cast<void>(pointer)
// Named for this file alone: a program that builds qoi.h again (the tests do) keeps its own.
#define qoi_decode DecodeIntoSection
#define qoi_encode EncodeUnused
#include <qoi.h>

namespace {

constexpr BYTE kMagic[] = {'q', 'o', 'i', 'f'};
constexpr BYTE kEndMarker[] = {0, 0, 0, 0, 0, 0, 0, 1};
constexpr DWORD kHeaderSize = 14;
constexpr DWORD kWidthAt = 4, kHeightAt = 8;

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
void SwapRedAndBlue(BYTE* pixels, SIZE size)
{
    for (size_t at = 0, length = BytesOf(size); at < length; at += kRgba) {
        const BYTE red = pixels[at];
        pixels[at] = pixels[at + 2];
        pixels[at + 2] = red;
        pixels[at + 3] = 0;
    }
}

} // namespace

HBITMAP LoadCompressedPicture(LPCSTR name, SIZE size)
{
    const CResourceData data = FindResourceData(name, kCompressedPictureType);
    if (data.bytes == nullptr || !IsWholePicture(data.bytes, data.length, size))
        return nullptr;
    g_decoding = {size, nullptr};
    qoi_desc described = {};
    auto* pixels = static_cast<BYTE*>(
        qoi_decode(data.bytes, static_cast<int>(data.length), &described, kRgba));
    HBITMAP section = g_decoding.section;
    g_decoding = {};
    if (pixels == nullptr) {
        if (section != nullptr)
            DeleteObject(section);
        return nullptr;
    }
    SwapRedAndBlue(pixels, size);
    return section;
}
