#pragma once
// Numbered resources of the launcher. Pictures of the logo and the buttons are named, not
// numbered: their names carry the language (see the button picture loading).

#define IDI_MAINFRAME 128
#define IDS_INSERT_DISC_CAPTION 129
#define IDS_INSERT_DISC_TEXT 130
#define IDB_BACKGROUND 131
#define IDB_BACKGROUND_2X 132
#define IDS_NO_UNINSTALLER 133

// The framework's application title entry.
#define IDS_APP_TITLE 57344
