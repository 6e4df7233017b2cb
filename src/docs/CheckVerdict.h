#pragma once
// What the disc's check found, said for the player: every damaged file with what was wrong and
// what to do about it, or how much was found intact.
#include "DiscVerifier.h"

struct CheckOutcome
{
    std::vector<Finding> findings;
    bool cancelled;
    size_t filesChecked; // before a cancel, else all of them
    ULONGLONG bytes;
    DWORD milliseconds;
    bool comparedContent;
};

WideString VerdictText(const DiscManifest& files, const CheckOutcome& outcome);
// A count of bytes in megabytes, to a tenth: "12.5".
WideString Megabytes(ULONGLONG bytes);
WideString Decimal(ULONGLONG value);
// The verdict in a window of its own, owned by the launcher's, from which it can be copied or
// saved as a text file.
void ShowVerdict(HWND owner, const WideString& verdict);
