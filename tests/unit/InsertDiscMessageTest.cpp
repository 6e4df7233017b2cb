// The insert-disc message follows the user's interface language (one run per locale).
#include "../../src/docs/InsertDiscMessage.h"
#include "../support/LocaleExpectations.h"
#include "../support/Recording.h"

#include <gtest/gtest.h>

namespace {

TEST(InsertDiscMessageLocale, SpeaksTheInterfaceLanguage)
{
    const LocaleExpectation* expected = ExpectationForThisLocale();
    ASSERT_NE(expected, nullptr) << "no expectation for this LANG";
    Recording recording;
    ShowInsertDiscMessage();
    const std::vector<RecordedCall> boxes = recording.MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK)) << "one OK button and no icon";
    EXPECT_EQ(boxes[0].owner, nullptr) << "no main window here";
    EXPECT_EQ(boxes[0].caption, expected->caption);
    EXPECT_EQ(boxes[0].text, expected->text);
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
