#pragma once
// The application's message box: exclamation icon unless another is given, the application
// title (string 57344) as caption, the main window as owner.
#include <windows.h>

constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpContext = 0);
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpContext = 0);

// The main window of the running application, or none: the owner of every message box.
HWND AfxGetMainWndHandle();
