#include "../../src/app/Language.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// "\x99" is the trade mark sign and "\xAE" the registered sign of Windows-1252.
const std::string kManualPrefix = "support\\Zentrava";

struct ManualCase
{
    const char* language;
    const char* country;
    std::string manual;
};

TEST(Language, ManualByLanguageAndCountry)
{
    const ManualCase cases[] = {
        {"en", "US", kManualPrefix + "\xAE_Kelvane\x99_II_Manual-EN.pdf"},
        {"en", "GB", kManualPrefix + "\x99_Kelvane\x99_II_Manual-EN.pdf"},
        {"en", "", kManualPrefix + "\x99_Kelvane\x99_II_Manual-EN.pdf"},
        {"fr", "CA", kManualPrefix + "\xAE_Kelvane\x99_II_Manual-FR.pdf"},
        {"fr", "FR", kManualPrefix + "\x99_Kelvane\x99_II_Manual-FR.pdf"},
        {"fr", "", kManualPrefix + "\x99_Kelvane\x99_II_Manual-FR.pdf"},
        {"it", "CH", kManualPrefix + "\x99_Kelvane\x99_II_Manual-IT.pdf"},
        {"de", "AT", kManualPrefix + "\x99_Kelvane\x99_II_Manual-DE.pdf"},
        {"es", "MX", kManualPrefix + "\x99_Kelvane\x99_II_Manual-SP.pdf"},
        {"pl", "PL", kManualPrefix + "\x99_Kelvane\x99_II_Manual-PL.pdf"},
        {"ru", "RU", kManualPrefix + "\x99_Kelvane\x99_II_Manual-RU.pdf"},
        {"nl", "NL", kManualPrefix + "\x99_Kelvane\x99_II_Manual-EN.pdf"},
        // Comparisons are exact: no case folding, no trimming.
        {"EN", "US", kManualPrefix + "\x99_Kelvane\x99_II_Manual-EN.pdf"},
        {"fr", "ca", kManualPrefix + "\x99_Kelvane\x99_II_Manual-FR.pdf"},
        {"de ", "DE", kManualPrefix + "\x99_Kelvane\x99_II_Manual-EN.pdf"},
    };
    for (const ManualCase& c : cases)
        EXPECT_EQ(SelectManualFile(c.language, c.country), c.manual)
            << c.language << "-" << c.country;
}

TEST(Language, TitleByLanguage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"fr", "Zentrava: Vaudrine 2"}, {"it", "Zentrava: Tarpelle 2"},
        {"es", "Zentrava: Morvisca 2"}, {"en", "Zentrava: Kelvane 2"},
        {"de", "Zentrava: Kelvane 2"},  {"pl", "Zentrava: Kelvane 2"},
        {"ru", "Zentrava: Kelvane 2"},  {"FR", "Zentrava: Kelvane 2"},
        {"", "Zentrava: Kelvane 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetGameTitle(c.first), c.second) << c.first;
}

struct LocaleCase
{
    const char* lang;
    const char* language;
    const char* country;
};

// Runs once per locale (see tests/CMakeLists.txt); LANG says which one this run is.
TEST(LanguageLocale, ReadsTheUsersLocale)
{
    const LocaleCase cases[] = {
        {"en_US.UTF-8", "en", "US"},
        {"en_GB.UTF-8", "en", "GB"},
        {"fr_CA.UTF-8", "fr", "CA"},
        {"fr_FR.UTF-8", "fr", "FR"},
        {"fr_BE.UTF-8", "fr", "BE"},
        {"de_DE.UTF-8", "de", "DE"},
        {"de_AT.UTF-8", "de", "AT"},
        {"es_ES.UTF-8", "es", "ES"},
        {"it_IT.UTF-8", "it", "IT"},
        {"nl_NL.UTF-8", "nl", "NL"},
        {"pt_BR.UTF-8", "pt", "BR"},
        {"pl_PL.UTF-8", "pl", "PL"},
        {"ru_RU.UTF-8", "ru", "RU"},
        {"ja_JP.UTF-8", "ja", "JP"},
        {"zh_CN.UTF-8", "zh", "CN"},
        // Filipino's ISO 639 name has three letters: it does not fit, so English (US).
        {"fil_PH.UTF-8", "en", "US"},
    };
    const char* lang = std::getenv("LANG");
    ASSERT_NE(lang, nullptr);
    std::string language = "stale", country = "stale";
    ReadUserLocale(language, country);
    for (const LocaleCase& c : cases) {
        if (std::string(lang) == c.lang) {
            EXPECT_EQ(language, c.language);
            EXPECT_EQ(country, c.country);
            return;
        }
    }
    FAIL() << "no expectation for LANG=" << lang;
}

} // namespace
