#pragma once
#include "DiscVerifier.h"

// Runs the check in a window owned by the launcher's: the file being read, a bar, megabytes
// done, speed and time left, and Cancel. True when the check ran to its end; false as soon as
// the player cancels, the check stopping at its next read.
bool ShowCheckProgress(HWND owner, CDiscVerifier& verifier, const DiscManifest& files);
