#pragma once
// The launcher keeps its texts as byte strings; the file system and the shell are handed UTF-16,
// converted by the code page each text was written in.
#include <windows.h>

#include <string>

// The game's own names (its documents, with "™" as 0x99 and "®" as 0xAE) were written in
// Windows-1252 and mean that on every system, whatever the system's ANSI code page.
constexpr UINT kGameNamesCodePage = 1252;

// Texts read from the system (registry values, locale codes) are in its ANSI code page. A text
// ends at its first zero byte, as the system would read it: a registry value that starts with
// one is an empty command, not a command of nothing.
std::wstring Widen(const std::string& text, UINT codePage = CP_ACP);
