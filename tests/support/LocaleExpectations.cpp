#include "LocaleExpectations.h"

#include <cstdlib>

namespace {

#define MANUAL(mark, suffix) L"support\\Zentrava" mark L"_Kelvane\u2122_II_Manual-" suffix L".pdf"
#define GUIDE(suffix)                                                                              \
    L"support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide" suffix L".rtf"
#define TM L"\u2122"
#define REG L"\u00AE"

const wchar_t kNeutralText[] = L"Please insert the \"Zentrava\u00AE: Kelvane\u2122 II\" DVD.";
const wchar_t kFrenchText[] =
    L"S'il vous pla\u00EEt ins\u00E9rez le \"Zentrava\u2122: Vaudrine\u2122 II\" DVD.";
const wchar_t kGermanText[] = L"Bitte legen Sie die \"Zentrava\u2122: Kelvane\u2122 II\" DVD.";

const LocaleExpectation kLocales[] = {
    {"en_US.UTF-8", L"Error", kNeutralText, MANUAL(REG, L"EN"), GUIDE(L"")},
    {"en_GB.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L"")},
    {"nl_NL.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L"")},
    {"pt_BR.UTF-8", L"Error", kNeutralText, MANUAL(TM, L"EN"), GUIDE(L"")},
    {"fil_PH.UTF-8", L"Error", kNeutralText, MANUAL(REG, L"EN"), GUIDE(L"")},
    {"de_DE.UTF-8", L"Fehler", kGermanText, MANUAL(TM, L"DE"), GUIDE(L"-DE")},
    {"de_AT.UTF-8", L"Fehler", kGermanText, MANUAL(TM, L"DE"), GUIDE(L"-DE")},
    {"fr_FR.UTF-8", L"Erreur", kFrenchText, MANUAL(TM, L"FR"), GUIDE(L"-FR")},
    {"fr_BE.UTF-8", L"Erreur", kFrenchText, MANUAL(TM, L"FR"), GUIDE(L"-FR")},
    {"fr_CA.UTF-8", L"",
     L"S'il vous pla\u00EEt ins\u00E9rez le \"Zentrava\u00AE: Vaudrine\u2122 II\" DVD.",
     MANUAL(REG, L"FR"), GUIDE(L"-FR")},
    {"es_ES.UTF-8", L"Error",
     L"Por favor, introduzca el \"Zentrava\u2122: Morvisca\u2122 II\" DVD.", MANUAL(TM, L"SP"),
     GUIDE(L"-SP")},
    {"it_IT.UTF-8", L"Errore",
     L"Si prega di inserire il DVD \"Zentrava\u2122: Tarpelle\u2122 II\".", MANUAL(TM, L"IT"),
     GUIDE(L"-IT")},
    {"pl_PL.UTF-8", L"B\u0142\u0105d",
     L"Prosz\u0119 wlo\u017Cy\u0107 p\u0142yt\u0119 DVD z \"Zentrava\u2122: Kelvane\u2122 II\".",
     MANUAL(TM, L"PL"), GUIDE(L"")},
    {"ru_RU.UTF-8", L"\u041E\u0448\u0438\u0431\u043A\u0430",
     L"\u041F\u043E\u0436\u0430\u043B\u0443\u0439\u0441\u0442\u0430, \u0432\u0441\u0442\u0430\u0432"
     L"\u044C\u0442\u0435 \u0434\u0438\u0441\u043A DVD \"Zentrava\u2122: Kelvane\u2122 II\".",
     MANUAL(TM, L"RU"), GUIDE(L"")},
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
