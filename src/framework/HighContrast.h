#pragma once
// Windows' high-contrast mode, which people with low vision choose: while it is on, a window
// shows plain text in the system's colours rather than its pictures.
#include <windows.h>

bool IsHighContrastOn();
// The system's settings changed (WM_SETTINGCHANGE, WM_SYSCOLORCHANGE): asks it again.
void RereadHighContrast();
// Wine always reports the mode off: a test in the launcher's own process stands in for the
// system's answer, read when the window is told the settings changed (kAskTheSystem gives the
// question back to Windows).
constexpr int kAskTheSystem = -1;
void SetHighContrastAnswer(int answer);

// The system's message font at the DPI, which the caller deletes; null when it cannot be read.
HFONT CreateMessageFont(UINT dpi);

// Draws the window's own text centred in the item's rectangle, in the system's message font at
// the DPI and the system colours given (COLOR_xxx), over that background; `framed` draws a
// one-pixel frame in the text's colour around it.
void DrawWindowTextPlainly(const DRAWITEMSTRUCT& item, int textColour, int backgroundColour,
                           bool framed, UINT dpi);
