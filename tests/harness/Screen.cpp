// The screen against the pictures the launcher carries.
#include "Harness.h"

// The harness decodes the launcher's large pictures itself, with the decoder's own allocation.
#define QOI_IMPLEMENTATION
#define QOI_NO_STDIO
#include <qoi.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// The resource type of the launcher's large pictures, which it carries compressed.
const wchar_t kCompressed[] = L"QOI";

struct Picture
{
    int width = 0, height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top-down
};

// What `source` shows from (x, y) over `from`, copied at `to`: smoothed as the launcher smooths
// a picture whose size is not its place's, pixel for pixel when the sizes are the same.
Picture Copy(HDC source, int x, int y, SIZE from, SIZE to)
{
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, to.cx, to.cy);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetStretchBltMode(memory, HALFTONE);
    SetBrushOrgEx(memory, 0, 0, nullptr);
    if (from.cx == to.cx && from.cy == to.cy)
        BitBlt(memory, 0, 0, to.cx, to.cy, source, x, y, SRCCOPY);
    else
        StretchBlt(memory, 0, 0, to.cx, to.cy, source, x, y, from.cx, from.cy, SRCCOPY);
    SelectObject(memory, previous);
    Picture picture{to.cx, to.cy, std::vector<uint32_t>(static_cast<size_t>(to.cx * to.cy))};
    BITMAPINFO info = {
        {static_cast<DWORD>(sizeof(BITMAPINFOHEADER)), to.cx, -to.cy, 1, 32, BI_RGB}};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(to.cy), picture.pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

Picture Capture(HWND window, RECT rect)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    HDC screen = GetDC(nullptr);
    Picture picture = Copy(screen, rect.left, rect.top, size, size);
    ReleaseDC(nullptr, screen);
    return picture;
}

// The launcher's file, loaded once: the pictures are read many times over.
HMODULE LauncherModule()
{
    static HMODULE module =
        LoadLibraryExW(testenv::launcher.c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

// The launcher's compressed picture, decoded; null when it carries none of that name.
HBITMAP DecodeLauncherPicture(LPCWSTR name)
{
    HRSRC resource = FindResourceW(LauncherModule(), name, kCompressed);
    qoi_desc described = {};
    auto* rgba = static_cast<unsigned char*>(
        resource == nullptr
            ? nullptr
            : qoi_decode(LockResource(LoadResource(LauncherModule(), resource)),
                         static_cast<int>(SizeofResource(LauncherModule(), resource)), &described,
                         4));
    if (rgba == nullptr)
        return nullptr;
    std::vector<uint32_t> pixels(static_cast<size_t>(described.width) * described.height);
    for (size_t at = 0; at < pixels.size(); ++at)
        pixels[at] = (rgba[4 * at] << 16) | (rgba[4 * at + 1] << 8) | rgba[4 * at + 2];
    std::free(rgba);
    return CreateBitmap(static_cast<int>(described.width), static_cast<int>(described.height), 1,
                        32, pixels.data());
}

// The launcher's bitmap or compressed picture as it shows it at `size`.
Picture LoadLauncherBitmap(LPCWSTR name, SIZE size)
{
    HBITMAP bitmap = DecodeLauncherPicture(name);
    if (bitmap == nullptr)
        bitmap = static_cast<HBITMAP>(LoadImageW(LauncherModule(), name, IMAGE_BITMAP, 0, 0, 0));
    Picture picture;
    BITMAP info;
    if (bitmap != nullptr && GetObjectW(bitmap, sizeof(info), &info) != 0) {
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        picture = Copy(memory, 0, 0, {info.bmWidth, info.bmHeight}, size);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
    return picture;
}

} // namespace

std::wstring LargestBitmap(const std::wstring& small)
{
    const std::wstring large = small == L"#131" ? L"#132" : small + L"_2X";
    return FindResourceW(LauncherModule(), large.c_str(), kCompressed) != nullptr ? large : small;
}

int PixelsOfColour(HWND window, const RECT& clientRect, COLORREF colour)
{
    const Picture shown = Capture(window, clientRect);
    const uint32_t wanted =
        (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    int count = 0;
    for (uint32_t pixel : shown.pixels)
        count += (pixel & 0x00FFFFFF) == wanted;
    return count;
}

int PixelsDiffering(HWND window, const RECT& clientRect, LPCWSTR bitmap, POINT origin, SIZE size)
{
    const Picture shown = Capture(window, clientRect), carried = LoadLauncherBitmap(bitmap, size);
    if (carried.width < origin.x + shown.width || carried.height < origin.y + shown.height)
        return -1;
    // The large pictures keep every bit of their colours, the small ones five a channel.
    const bool compressed = FindResourceW(LauncherModule(), bitmap, kCompressed) != nullptr;
    const uint32_t kept = compressed ? 0x00FFFFFF : 0x00F8F8F8;
    int different = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const size_t at = static_cast<size_t>((origin.y + y) * carried.width + origin.x + x);
            different +=
                ((shown.pixels[static_cast<size_t>(y * shown.width + x)] ^ carried.pixels[at]) &
                 kept) != 0;
        }
    }
    return different;
}
