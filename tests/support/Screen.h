#pragma once
// Pictures as a player sees them: what is on the screen, and what the launcher carries.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top-down
};

Picture CaptureScreen(const RECT& screenRect);
// The part of a window's client area, in client coordinates, as it is on the screen.
Picture CaptureClient(HWND window, const RECT& clientRect);
// A bitmap resource of the launcher under test, by name or number.
Picture LoadLauncherBitmap(LPCWSTR name);
Picture Crop(const Picture& picture, const RECT& rect);

// Equal at the five bits per channel the pictures are stored with; the count of pixels that
// differ otherwise.
int DifferentPixels(const Picture& a, const Picture& b);
