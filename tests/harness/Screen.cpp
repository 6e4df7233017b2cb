// The screen against the pictures the launcher carries.
#include "Harness.h"

#include <cstdint>
#include <vector>

namespace {

struct Picture
{
    int width = 0, height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top-down
};

Picture ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height)
{
    Picture picture{width, height, std::vector<uint32_t>(static_cast<size_t>(width * height))};
    BITMAPINFO info = {
        {static_cast<DWORD>(sizeof(BITMAPINFOHEADER)), width, -height, 1, 32, BI_RGB}};
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), picture.pixels.data(), &info,
              DIB_RGB_COLORS);
    return picture;
}

Picture Capture(HWND window, RECT rect)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    Picture picture = ReadBitmap(memory, bitmap, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

// The bitmap smoothed to `size`, as the launcher smooths a picture of another size than its place.
HBITMAP Fitted(HDC screen, HBITMAP bitmap, const BITMAP& info, SIZE size)
{
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    HBITMAP fitted = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ fromBefore = SelectObject(from, bitmap), toBefore = SelectObject(to, fitted);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(from, fromBefore);
    SelectObject(to, toBefore);
    DeleteDC(from);
    DeleteDC(to);
    return fitted;
}

// The launcher's file, loaded once: the pictures are read many times over.
HMODULE LauncherModule()
{
    static HMODULE module =
        LoadLibraryExW(testenv::launcher.c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

// The launcher's bitmap as it shows it at `size`.
Picture LoadLauncherBitmap(LPCWSTR name, SIZE size)
{
    auto bitmap = static_cast<HBITMAP>(LoadImageW(LauncherModule(), name, IMAGE_BITMAP, 0, 0, 0));
    Picture picture;
    BITMAP info;
    if (bitmap != nullptr && GetObjectW(bitmap, sizeof(info), &info) != 0) {
        HDC screen = GetDC(nullptr);
        const bool ownSize = info.bmWidth == size.cx && info.bmHeight == size.cy;
        HBITMAP shown = ownSize ? bitmap : Fitted(screen, bitmap, info, size);
        picture = ReadBitmap(screen, shown, size.cx, size.cy);
        if (!ownSize)
            DeleteObject(shown);
        ReleaseDC(nullptr, screen);
    }
    DeleteObject(bitmap);
    return picture;
}

} // namespace

std::wstring LargestBitmap(const std::wstring& small, const std::wstring& large)
{
    return FindResourceW(LauncherModule(), large.c_str(), MAKEINTRESOURCEW(2)) != nullptr ? large
                                                                                          : small;
}

int PixelsDiffering(HWND window, const RECT& clientRect, LPCWSTR bitmap, POINT origin, SIZE size)
{
    const Picture shown = Capture(window, clientRect), carried = LoadLauncherBitmap(bitmap, size);
    if (carried.width < origin.x + shown.width || carried.height < origin.y + shown.height)
        return -1;
    constexpr uint32_t kFiveBits = 0x00F8F8F8;
    int different = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const size_t at = static_cast<size_t>((origin.y + y) * carried.width + origin.x + x);
            different +=
                ((shown.pixels[static_cast<size_t>(y * shown.width + x)] ^ carried.pixels[at]) &
                 kFiveBits) != 0;
        }
    }
    return different;
}
