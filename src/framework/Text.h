#pragma once
// The launcher keeps its texts as byte strings; the file system and the shell are handed UTF-16,
// converted by the code page each text was written in.
#include <windows.h>

#include <string>

// UTF-16 text. Its own traits make the compiler build the few members used here, with the
// launcher's flags, instead of linking the library's whole prebuilt wide string with its
// exception and unwind tables (about 30 KB).
struct WideCharTraits : std::char_traits<wchar_t>
{};
using WideString = std::basic_string<wchar_t, WideCharTraits>;

// The game's own names (its documents, with "™" as 0x99 and "®" as 0xAE) were written in
// Windows-1252 and mean that on every system, whatever the system's ANSI code page.
constexpr UINT kGameNamesCodePage = 1252;

// Texts read from the system (registry values, locale codes) are in its ANSI code page. A text
// ends at its first zero byte, as the system would read it: a registry value that starts with
// one is an empty command, not a command of nothing.
WideString Widen(const std::string& text, UINT codePage = CP_ACP);
