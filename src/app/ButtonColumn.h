#pragma once
#include <windows.h>

// The command slots of today's five buttons, and the commands the buttons send.

enum ButtonSlot
{
    SLOT_LAUNCH = 0,
    SLOT_MANUAL = 1,
    SLOT_README = 2,
    SLOT_WEB = 3,
    SLOT_EXIT = 4,
    SLOT_COUNT = 5
};

enum ControlId
{
    IDC_EXIT_BTN = 134,
    IDC_PLAY_BTN = 135,
    IDC_WEB_BTN = 136,
    IDC_MANUAL_BTN = 137,
    IDC_README_BTN = 138,
    IDC_INSTALL_BTN = 139,
    // The other actions' buttons: this plus the entry's place in the menu.
    IDC_FIRST_MENU_ENTRY = 140,
    IDC_LAST_MENU_ENTRY = 157
};

// The logo and the column's buttons are visible owner-drawn push buttons.
constexpr DWORD kOwnerDrawButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;

// Where the button of the slot lies in the window's client area at 96 DPI, in a column of
// `count` buttons: the bottom one where Exit always was, the others above it.
RECT ColumnButtonRect(int slot, int count);
