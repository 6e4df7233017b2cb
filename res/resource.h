#pragma once
// Numbered resources of the launcher. Pictures of the logo and the buttons are named, not
// numbered: their names carry the language (see the button picture loading).

#define IDI_MAINFRAME 128
#define IDS_INSERT_DISC_CAPTION 129
#define IDS_INSERT_DISC_TEXT 130
#define IDB_BACKGROUND 131
#define IDB_BACKGROUND_2X 132
#define IDS_NO_UNINSTALLER 133
// The disc's list of files (`make disc` builds it into the disc's launcher alone), and the
// windows of its check.
#define IDR_DISC_MANIFEST 134
#define IDD_CHECK_PROGRESS 135
#define IDD_CHECK_VERDICT 136
#define IDC_CHECK_FILE 1001
#define IDC_CHECK_BAR 1002
#define IDC_CHECK_STATUS 1003
#define IDC_VERDICT_TEXT 1004
#define IDC_VERDICT_COPY 1005
#define IDC_VERDICT_SAVE 1006

// The framework's application title entry.
#define IDS_APP_TITLE 57344
