#include "Language.h"

#include <windows.h>

namespace {

// Two letters and the terminating zero: a longer code does not fit and counts as unreadable.
constexpr int kCodeBufferSize = 3;

bool ReadLocaleCode(LCTYPE type, std::string& code)
{
    char buffer[kCodeBufferSize] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, kCodeBufferSize) != kCodeBufferSize)
        return false;
    code = buffer;
    return true;
}

// "\x99" is the trade mark sign and "\xAE" the registered sign of Windows-1252.
constexpr char kManualEnglish[] = "support\\Zentrava\x99_Kelvane\x99_II_Manual-EN.pdf";
constexpr char kManualEnglishUS[] = "support\\Zentrava\xAE_Kelvane\x99_II_Manual-EN.pdf";
constexpr char kManualFrench[] = "support\\Zentrava\x99_Kelvane\x99_II_Manual-FR.pdf";
constexpr char kManualFrenchCA[] = "support\\Zentrava\xAE_Kelvane\x99_II_Manual-FR.pdf";

constexpr LanguageEntry kManuals[] = {
    {"it", "support\\Zentrava\x99_Kelvane\x99_II_Manual-IT.pdf"},
    {"de", "support\\Zentrava\x99_Kelvane\x99_II_Manual-DE.pdf"},
    {"es", "support\\Zentrava\x99_Kelvane\x99_II_Manual-SP.pdf"},
    {"pl", "support\\Zentrava\x99_Kelvane\x99_II_Manual-PL.pdf"},
    {"ru", "support\\Zentrava\x99_Kelvane\x99_II_Manual-RU.pdf"},
};

constexpr char kTitleEnglish[] = "Zentrava: Kelvane 2";

constexpr LanguageEntry kTitles[] = {
    {"fr", "Zentrava: Vaudrine 2"},
    {"it", "Zentrava: Tarpelle 2"},
    {"es", "Zentrava: Morvisca 2"},
};

} // namespace

void ReadUserLocale(std::string& language, std::string& country)
{
    language.clear();
    country.clear();
    if (!ReadLocaleCode(LOCALE_SISO639LANGNAME, language)) {
        language = "en";
        country = "US";
        return;
    }
    ReadLocaleCode(LOCALE_SISO3166CTRYNAME, country);
}

std::string GetGameTitle(const std::string& language)
{
    return LookupByLanguage(kTitles, language, kTitleEnglish);
}

std::string SelectManualFile(const std::string& language, const std::string& country)
{
    if (language == "en")
        return country == "US" ? kManualEnglishUS : kManualEnglish;
    if (language == "fr")
        return country == "CA" ? kManualFrenchCA : kManualFrench;
    return LookupByLanguage(kManuals, language, kManualEnglish);
}
