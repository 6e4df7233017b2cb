#include "Screen.h"

#include "TestEnvironment.h"

namespace {

Picture ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), picture.pixels.data(), &info,
              DIB_RGB_COLORS);
    for (uint32_t& pixel : picture.pixels)
        pixel &= 0x00FFFFFF;
    return picture;
}

uint32_t FiveBits(uint32_t pixel)
{
    return pixel & 0x00F8F8F8;
}

} // namespace

Picture CaptureScreen(const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
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

Picture CaptureClient(HWND window, const RECT& clientRect)
{
    RECT rect = clientRect;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return CaptureScreen(rect);
}

Picture LoadLauncherBitmap(LPCWSTR name)
{
    HMODULE module = LoadLibraryExW(testenv::Launcher().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP, 0, 0, 0));
    Picture picture;
    if (bitmap != nullptr) {
        BITMAP info;
        GetObjectW(bitmap, sizeof(info), &info);
        HDC screen = GetDC(nullptr);
        picture = ReadBitmap(screen, bitmap, info.bmWidth, info.bmHeight);
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
    }
    FreeLibrary(module);
    return picture;
}

Picture Crop(const Picture& picture, const RECT& rect)
{
    Picture part;
    part.width = rect.right - rect.left;
    part.height = rect.bottom - rect.top;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            part.pixels.push_back(picture.pixels[static_cast<size_t>(y * picture.width + x)]);
    }
    return part;
}

int DifferentPixels(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height || a.pixels.empty())
        return -1;
    int different = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        different += FiveBits(a.pixels[i]) != FiveBits(b.pixels[i]);
    return different;
}
