#include "Language.h"

#include <windows.h>

#include "ButtonColumn.h"
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

// The controls in the order of the profile's labels.
constexpr UINT kNamedControls[] = {IDC_PLAY_BTN,   IDC_INSTALL_BTN, IDC_MANUAL_BTN,
                                   IDC_README_BTN, IDC_WEB_BTN,     IDC_EXIT_BTN};
constexpr size_t kNamedControlCount = sizeof(kNamedControls) / sizeof(kNamedControls[0]);

// Every language the game has button pictures for, English always among them.
struct ButtonNames
{
    const char* language;
    const wchar_t* names[kNamedControlCount];
};
constexpr ButtonNames kButtonNames[] = {GAME_BUTTON_NAMES};
constexpr char kPictureFallbackLanguage[] = "en";

const ButtonNames* FindButtonNames(const std::string& language)
{
    for (const ButtonNames& entry : kButtonNames) {
        if (language == entry.language)
            return &entry;
    }
    return nullptr;
}

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

const wchar_t* GetButtonName(const std::string& language, UINT controlId)
{
    const ButtonNames* names = FindButtonNames(language);
    if (names == nullptr)
        names = FindButtonNames(kPictureFallbackLanguage);
    for (size_t i = 0; names != nullptr && i < kNamedControlCount; ++i) {
        if (kNamedControls[i] == controlId)
            return names->names[i];
    }
    return L"";
}
