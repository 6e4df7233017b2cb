#pragma once
// The user's locale as two codes, and the things the launcher localizes by them.
#include <windows.h>

#include <cstddef>
#include <string>

// Two-letter language ("de") and country ("US") of the user's locale; "en" and "US" when the
// language cannot be read in two letters, an empty country when only the country cannot.
void ReadUserLocale(std::string& language, std::string& country);

// The game's title in the language, for the caption and screen readers: any Unicode text.
const wchar_t* GetGameTitle(const std::string& language);

// A text chosen by the exact two-letter language code: a file name in Windows-1252 bytes, or
// a text the player reads in UTF-16.
template <typename Character> struct LanguageEntryOf
{
    const char* language;
    const Character* value;
};
using LanguageEntry = LanguageEntryOf<char>;
using WideLanguageEntry = LanguageEntryOf<wchar_t>;

template <typename Character, size_t N>
const Character* LookupByLanguage(const LanguageEntryOf<Character> (&table)[N],
                                  const std::string& language, const Character* otherwise)
{
    for (const LanguageEntryOf<Character>& entry : table) {
        if (language == entry.language)
            return entry.value;
    }
    return otherwise;
}

// The manual's path relative to the disc or the installation folder.
std::string SelectManualFile(const std::string& language, const std::string& country);
