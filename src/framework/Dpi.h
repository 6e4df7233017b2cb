#pragma once
// The program lays itself out for 96 DPI. On a screen of another DPI every length is that
// length times DPI / 96, rounded here and nowhere else: to the nearest pixel, halves away from
// zero. A rectangle's edges are scaled, not its size, so that neighbours stay neighbours.
#include "NewerWindows.h"

constexpr UINT kDesignDpi = USER_DEFAULT_SCREEN_DPI;

inline int ScaleToDpi(int length, UINT dpi)
{
    return MulDiv(length, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

inline RECT ScaleToDpi(const RECT& rect, UINT dpi)
{
    return {ScaleToDpi(rect.left, dpi), ScaleToDpi(rect.top, dpi), ScaleToDpi(rect.right, dpi),
            ScaleToDpi(rect.bottom, dpi)};
}
