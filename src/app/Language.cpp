#include "Language.h"

#include <windows.h>

#include "GameProfile.h"

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

constexpr char kManualEnglish[] = GAME_MANUAL_DEFAULT;
constexpr char kManualEnglishUS[] = GAME_MANUAL_EN_US;
constexpr char kManualFrench[] = GAME_MANUAL_FR;
constexpr char kManualFrenchCA[] = GAME_MANUAL_FR_CA;

constexpr LanguageEntry kManuals[] = {GAME_MANUALS};

constexpr wchar_t kTitleEnglish[] = GAME_TITLE_DEFAULT;

constexpr WideLanguageEntry kTitles[] = {GAME_TITLES};

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

const wchar_t* GetGameTitle(const std::string& language)
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
