#include "../../src/install/VersionReader.h"
#include "../support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

std::string Stub(const char* name)
{
    return testenv::Narrow(testenv::Programs(), CP_ACP) + "\\stub_" + name + ".exe";
}

const char* Version(const char* stub)
{
    return GetFileVersionString(Stub(stub).c_str());
}

TEST(GetFileVersionString, ReadsTheOnlyTranslationsTable)
{
    ASSERT_NE(Version("one_translation"), nullptr);
    EXPECT_STREQ(Version("one_translation"), "1.2.3 beta");
}

TEST(GetFileVersionString, KeepsTheFirst250CharactersOfALongText)
{
    const char* version = Version("long_version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(std::strlen(version), 250u);
    EXPECT_EQ(std::string(version).substr(0, 6), "0.1.2.");
}

TEST(GetFileVersionString, NothingWithoutAVersionBlockOrFile)
{
    EXPECT_EQ(Version("no_version"), nullptr);
    EXPECT_EQ(GetFileVersionString("Z:\\no\\such\\file.exe"), nullptr);
    EXPECT_EQ(GetFileVersionString(""), nullptr);
}

TEST(GetFileVersionString, AnEmptyTranslationListMeansTheUsersLanguageInUnicode)
{
    ASSERT_NE(Version("zero_translations"), nullptr);
    EXPECT_STREQ(Version("zero_translations"), "3.0 unicode");
}

TEST(GetFileVersionString, AnEmptyFileVersionIsAnEmptyText)
{
    ASSERT_NE(Version("empty_version"), nullptr);
    EXPECT_STREQ(Version("empty_version"), "");
}

// Blocks written raw: the whole one shows that the damaged ones differ only in their damage. A
// block cut inside its text gives what the file holds of it, and nothing that the previous
// block (the same size) left in memory.
TEST(GetFileVersionString, DamagedBlocksAreNeverReadPastTheirEnd)
{
    ASSERT_NE(Version("whole_block"), nullptr);
    EXPECT_STREQ(Version("whole_block"), "4.0 whole text");
    ASSERT_NE(Version("cut_in_text"), nullptr);
    EXPECT_STREQ(Version("cut_in_text"), "4.0 ");
    EXPECT_EQ(Version("cut_in_header"), nullptr);
}

// With two translations the reader looks under the user's language and code page 04B0: the
// English table for an English user, and nothing for a German one (whose table is 040704E4).
TEST(GetFileVersionStringLocale, TwoTranslationsFollowTheUsersLanguage)
{
    const char* version = Version("two_translations");
    if (GetUserDefaultLangID() == MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)) {
        ASSERT_NE(version, nullptr);
        EXPECT_STREQ(version, "2.0 english");
    } else {
        EXPECT_EQ(version, nullptr);
    }
}

} // namespace
