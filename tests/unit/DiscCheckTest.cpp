#include "../../src/docs/DiscCheck.h"
#include "../support/Recording.h"
#include "../support/Scratch.h"

#include <gtest/gtest.h>

namespace {

class DiscCheck : public testing::Test
{
protected:
    // The full path, empty for an empty name.
    WideString Pattern(const std::wstring& relative) const
    {
        return relative.empty() ? WideString() : WideString((disc / relative).c_str());
    }

    ScratchFolder disc;
    Recording recording;
};

TEST_F(DiscCheck, AnOrdinaryFileIsPresentAndNamed)
{
    disc.WriteFile(L"support\\guide.rtf");
    std::vector<WideString> names = {L"stale"};
    EXPECT_EQ(CheckFileOnDisc(Pattern(L"support\\guide.rtf"), &names, false), 0);
    EXPECT_EQ(names, std::vector<WideString>{L"guide.rtf"});
    EXPECT_TRUE(recording.Calls().empty());
}

TEST_F(DiscCheck, FoldersHiddenFilesAndNothingCountAsMissing)
{
    disc.MakeFolder(L"support\\folder.rtf");
    disc.WriteFile(L"support\\hidden.rtf");
    disc.Hide(L"support\\hidden.rtf");
    for (const std::wstring& name : {L"support\\folder.rtf", L"support\\hidden.rtf",
                                     L"support\\absent.rtf", L"absent\\x.rtf", L""}) {
        std::vector<WideString> names = {L"stale"};
        EXPECT_EQ(CheckFileOnDisc(Pattern(name), &names, true), 1) << name;
        EXPECT_TRUE(names.empty()) << name;
    }
    EXPECT_TRUE(recording.Calls().empty()) << "quiet checks show nothing";
}

TEST_F(DiscCheck, AMissingFileAsksForTheDiscUnlessQuiet)
{
    EXPECT_EQ(CheckFileOnDisc(Pattern(L"absent.pdf"), nullptr, false), 1);
    ASSERT_EQ(recording.MessageBoxes().size(), 1u);
    EXPECT_EQ(recording.MessageBoxes()[0].type, static_cast<UINT>(MB_OK));
}

TEST_F(DiscCheck, OnlyTheFirstWildcardMatchCounts)
{
    disc.WriteFile(L"a1.exe");
    disc.WriteFile(L"a2.exe");
    std::vector<WideString> names;
    EXPECT_EQ(CheckFileOnDisc(Pattern(L"a*.exe"), &names, true), 0);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(names[0] == L"a1.exe" || names[0] == L"a2.exe") << names[0].c_str();
}

TEST_F(DiscCheck, ListingCountsFilesHiddenOnesTooButNoFolders)
{
    std::vector<WideString> names = {L"stale"};
    EXPECT_EQ(ListFiles(Pattern(L"adobe\\*"), names), -1);
    EXPECT_TRUE(names.empty());

    disc.MakeFolder(L"adobe\\sub");
    EXPECT_EQ(ListFiles(Pattern(L"adobe\\*"), names), 0) << "only . .. and a folder";

    disc.WriteFile(L"adobe\\one.exe");
    disc.WriteFile(L"adobe\\two.exe");
    disc.Hide(L"adobe\\two.exe");
    EXPECT_EQ(ListFiles(Pattern(L"adobe\\*"), names), 2);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<WideString>{L"one.exe", L"two.exe"}));
    EXPECT_EQ(ListFiles(Pattern(L"adobe\\none*"), names), -1);
}

} // namespace
