#pragma once
// The pictures drawn for twice the size are carried compressed, in QOI (the build writes them
// from the publisher's PNGs, in full colour), and decoded only when a screen of that scale asks
// for them. Those for 96 DPI stay plain bitmaps.
#include <windows.h>

// The resource type the compressed pictures are carried as.
constexpr char kCompressedPictureType[] = "QOI";

// The program's compressed picture `name` as a 32-bit top-down DIB section; null when the program
// does not carry it, or carries anything but a whole picture of exactly `size`. The header and
// the end of the data are checked before a pixel is decoded, so a damaged or foreign picture
// costs nothing.
HBITMAP LoadCompressedPicture(LPCSTR name, SIZE size);
