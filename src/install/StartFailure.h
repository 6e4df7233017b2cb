#pragma once
// Why the shell started nothing, and what the player is told of it.
#include "../framework/Text.h"

#include <windows.h>

// The system's error for a failed ShellExecuteEx, from its answer and the thread's last error.
DWORD ErrorOfShell(HINSTANCE answer);

// The player's own No or cancel, at an elevation prompt or a dialog the shell showed.
bool IsPlayersNo(DWORD error);

// Nothing for the player's own No; sayMissing for a file or folder that is not there; else a box
// with the name and the system's own words for the error, in the user's language.
void SayStartFailure(DWORD error, const WideString& name, void (*sayMissing)());
