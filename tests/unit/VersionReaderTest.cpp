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
