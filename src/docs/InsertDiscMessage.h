#pragma once
#include <windows.h>

// Copies string `id` of the program's string table, in the language the user's interface asks
// for, into buffer (at most size - 1 characters, always terminated). The entries are chosen in
// the order Windows' resource loader uses: the user's exact interface language, then its primary
// language with the neutral sub-language, then the neutral entry. A block that exists in the
// chosen language but lacks the string gives an empty text: no other language stands in.
int LoadUiLanguageString(UINT id, wchar_t* buffer, int size);

// Asks the user to insert the game's DVD, in the user's interface language.
void ShowInsertDiscMessage();
