// The insert-disc message follows the user's interface language (one run per locale).
#include "../../src/docs/InsertDiscMessage.h"
#include "../support/Recording.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct MessageCase
{
    const char* lang;
    const wchar_t* caption;
    const wchar_t* text;
};

const wchar_t kNeutralText[] = L"Please insert the \"Zentrava\u00AE: Kelvane\u2122 II\" DVD.";
const wchar_t kFrenchText[] =
    L"S'il vous pla\u00EEt ins\u00E9rez le \"Zentrava\u2122: Vaudrine\u2122 II\" DVD.";
const wchar_t kGermanText[] = L"Bitte legen Sie die \"Zentrava\u2122: Kelvane\u2122 II\" DVD.";

const MessageCase kCases[] = {
    {"en_US.UTF-8", L"Error", kNeutralText},
    {"en_GB.UTF-8", L"Error", kNeutralText},
    {"nl_NL.UTF-8", L"Error", kNeutralText},
    {"pt_BR.UTF-8", L"Error", kNeutralText},
    {"de_DE.UTF-8", L"Fehler", kGermanText},
    {"de_AT.UTF-8", L"Fehler", kGermanText},
    {"fr_FR.UTF-8", L"Erreur", kFrenchText},
    {"fr_BE.UTF-8", L"Erreur", kFrenchText},
    {"fr_CA.UTF-8", L"",
     L"S'il vous pla\u00EEt ins\u00E9rez le \"Zentrava\u00AE: Vaudrine\u2122 II\" DVD."},
    {"es_ES.UTF-8", L"Error",
     L"Por favor, introduzca el \"Zentrava\u2122: Morvisca\u2122 II\" DVD."},
    {"it_IT.UTF-8", L"Errore",
     L"Si prega di inserire il DVD \"Zentrava\u2122: Tarpelle\u2122 II\"."},
    {"pl_PL.UTF-8", L"B\u0142\u0105d",
     L"Prosz\u0119 wlo\u017Cy\u0107 p\u0142yt\u0119 DVD z \"Zentrava\u2122: Kelvane\u2122 II\"."},
    {"ru_RU.UTF-8", L"\u041E\u0448\u0438\u0431\u043A\u0430",
     L"\u041F\u043E\u0436\u0430\u043B\u0443\u0439\u0441\u0442\u0430, \u0432\u0441\u0442\u0430\u0432"
     L"\u044C\u0442\u0435 \u0434\u0438\u0441\u043A DVD \"Zentrava\u2122: Kelvane\u2122 II\"."},
};

TEST(InsertDiscMessageLocale, SpeaksTheInterfaceLanguage)
{
    const char* lang = std::getenv("LANG");
    ASSERT_NE(lang, nullptr);
    Recording recording;
    ShowInsertDiscMessage();
    const std::vector<RecordedCall> boxes = recording.MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    const RecordedCall& box = boxes[0];
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK)) << "one OK button and no icon";
    EXPECT_EQ(box.owner, nullptr) << "no main window here";
    for (const MessageCase& c : kCases) {
        if (std::string(lang) == c.lang) {
            EXPECT_EQ(box.caption, c.caption);
            EXPECT_EQ(box.text, c.text);
            return;
        }
    }
    FAIL() << "no expectation for LANG=" << lang;
}

TEST(LoadUiLanguageString, CutsToTheBufferAndEndsTheText)
{
    wchar_t small[6];
    EXPECT_EQ(LoadUiLanguageString(57344, small, 6), 5);
    EXPECT_STREQ(small, L"Simpl");
    wchar_t buffer[100] = L"stale";
    EXPECT_EQ(LoadUiLanguageString(4000, buffer, 100), 0) << "no such string";
    EXPECT_STREQ(buffer, L"");
}

} // namespace
