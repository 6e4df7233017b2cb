#include "LocaleExpectations.h"

#include <cstdlib>

namespace {

#define MANUAL(mark, suffix) L"support\\Zentrava" mark L"_Kelvane\u2122_II_Manual-" suffix L".pdf"
#define GUIDE(suffix)                                                                              \
    L"support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide" suffix L".rtf"
#define TM L"\u2122"
#define REG L"\u00AE"

// With a space, and for Japanese with "\u30BD", whose second byte in code page 932 is a backslash.
#define WESTERN_FOLDER L"Disque \u00E9t\u00E9 \u00C6"
#define POLISH_FOLDER L"P\u0142yta \u017B\u00F3\u0142w"
#define RUSSIAN_FOLDER L"\u0414\u0438\u0441\u043A \u0418\u0433\u0440\u0430"
#define JAPANESE_FOLDER L"\u30BD\u30D5\u30C8 \u30C7\u30A3\u30B9\u30AF"
#define CHINESE_FOLDER L"\u6E38\u620F \u5149\u76D8"

const wchar_t kNeutralText[] = L"Please insert the \"Zentrava\u00AE: Kelvane\u2122 II\" DVD.";
const wchar_t kFrenchText[] =
    L"S'il vous pla\u00EEt ins\u00E9rez le \"Zentrava\u2122: Vaudrine\u2122 II\" DVD.";
const wchar_t kGermanText[] = L"Bitte legen Sie die \"Zentrava\u2122: Kelvane\u2122 II\" DVD.";

const LocaleExpectation kLocales[] = {
    {"en_US.UTF-8", L"Error", kNeutralText, MANUAL(REG, L"EN"), GUIDE(L""), WESTERN_FOLDER},
    {"en_GB.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L""), WESTERN_FOLDER},
    {"nl_NL.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L""), WESTERN_FOLDER},
    {"pt_BR.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L""), WESTERN_FOLDER},
    {"fil_PH.UTF-8", L"Error", kNeutralText, MANUAL(REG, L"EN"), GUIDE(L""), WESTERN_FOLDER},
    {"de_DE.UTF-8", L"Fehler", kGermanText, MANUAL(TM, L"DE"), GUIDE(L"-DE"), WESTERN_FOLDER},
    {"de_AT.UTF-8", L"Fehler", kGermanText, MANUAL(TM, L"DE"), GUIDE(L"-DE"), WESTERN_FOLDER},
    {"fr_FR.UTF-8", L"Erreur", kFrenchText, MANUAL(TM, L"FR"), GUIDE(L"-FR"), WESTERN_FOLDER},
    {"fr_BE.UTF-8", L"Erreur", kFrenchText, MANUAL(TM, L"FR"), GUIDE(L"-FR"), WESTERN_FOLDER},
    {"fr_CA.UTF-8", L"",
     L"S'il vous pla\u00EEt ins\u00E9rez le \"Zentrava\u00AE: Vaudrine\u2122 II\" DVD.",
     MANUAL(REG, L"FR"), GUIDE(L"-FR"), WESTERN_FOLDER},
    {"es_ES.UTF-8", L"Error",
     L"Por favor, introduzca el \"Zentrava\u2122: Morvisca\u2122 II\" DVD.", MANUAL(TM, L"SP"),
     GUIDE(L"-SP"), WESTERN_FOLDER},
    {"it_IT.UTF-8", L"Errore",
     L"Si prega di inserire il DVD \"Zentrava\u2122: Tarpelle\u2122 II\".", MANUAL(TM, L"IT"),
     GUIDE(L"-IT"), WESTERN_FOLDER},
    {"pl_PL.UTF-8", L"B\u0142\u0105d",
     L"Prosz\u0119 wlo\u017Cy\u0107 p\u0142yt\u0119 DVD z \"Zentrava\u2122: Kelvane\u2122 II\".",
     MANUAL(TM, L"PL"), GUIDE(L""), POLISH_FOLDER},
    {"ru_RU.UTF-8", L"\u041E\u0448\u0438\u0431\u043A\u0430",
     L"\u041F\u043E\u0436\u0430\u043B\u0443\u0439\u0441\u0442\u0430, \u0432\u0441\u0442\u0430\u0432"
     L"\u044C\u0442\u0435 \u0434\u0438\u0441\u043A DVD \"Zentrava\u2122: Kelvane\u2122 II\".",
     MANUAL(TM, L"RU"), GUIDE(L""), RUSSIAN_FOLDER},
    {"ja_JP.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L""), JAPANESE_FOLDER},
    {"zh_CN.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L""), CHINESE_FOLDER},
};

} // namespace

const LocaleExpectation* ExpectationForThisLocale()
{
    const char* lang = std::getenv("LANG");
    for (const LocaleExpectation& row : kLocales) {
        if (lang != nullptr && std::string(lang) == row.lang)
            return &row;
    }
    return nullptr;
}
