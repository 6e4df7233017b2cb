// Rules that the end-to-end runs cannot reach with the inputs a real system gives: registry
// values of every type and size, locale codes no locale produces, strings longer than their
// buffer, the player's No to an elevation prompt (which Wine never shows), descriptions longer
// than their area (which the build refuses, but a system's larger font can make), a list of the
// disc's files damaged in the launcher itself (which its signature would show). In process,
// against the real registry, message boxes, fonts and the launcher's own resources.
#include "../../src/app/DescriptionArea.h"
#include "../../src/app/Language.h"
#include "../../src/docs/DiscManifest.h"
#include "../../src/docs/InsertDiscMessage.h"
#include "../../src/framework/HighContrast.h"
#include "../../src/install/RegistryReader.h"
#include "../../src/install/StartFailure.h"
#include "../../src/install/VersionReader.h"
#include "../harness/Harness.h"
#include "GameProfile.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <atomic>
#include <random>
#include <thread>

namespace {

// The key is the game's: the launcher reads only there.
const char* Key()
{
    static const std::string key = GameKey();
    return key.c_str();
}

constexpr size_t kSizes[] = {0, 1, 255, 256, 257, 4096};

struct RawCase
{
    const char* name;
    DWORD type;
    std::string stored;
    bool read;
    std::string expected;
};

TEST(ReadRegistryString, TakesTheStoredBytesWithOneTerminatorRemoved)
{
    TestRegistry registry;
    const std::string zero(1, '\0');
    const RawCase cases[] = {
        {"no terminator", REG_SZ, "C:\\Games", true, "C:\\Games"},
        {"one terminator", REG_SZ, "C:\\Games" + zero, true, "C:\\Games"},
        {"two terminators", REG_SZ, "C:\\Games" + zero + zero, true, "C:\\Games" + zero},
        {"inner zero", REG_BINARY, "ab" + zero + "cd", true, "ab" + zero + "cd"},
        {"unexpanded", REG_EXPAND_SZ, "%TEMP%\\x" + zero, true, "%TEMP%\\x"},
        {"multi string", REG_MULTI_SZ, "C:\\A" + zero + "C:\\B" + zero + zero, true,
         "C:\\A" + zero + "C:\\B" + zero},
        {"dword", REG_DWORD, std::string("\x01\x02\x03\x04", 4), true, "\x01\x02\x03\x04"},
        {"empty", REG_SZ, "", true, ""},
        {"255 bytes and zero", REG_SZ, std::string(255, 'b') + zero, true, std::string(255, 'b')},
        {"missing", REG_NONE, "", false, ""},
    };
    for (const RawCase& c : cases) {
        if (c.type != REG_NONE)
            TestRegistry::Set(HKEY_LOCAL_MACHINE, Key(), c.name, c.type, c.stored);
        std::string out = "stale";
        EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, Key(), c.name, out), c.read) << c.name;
        EXPECT_EQ(out, c.expected) << c.name;
    }
}

// Past 256 bytes a value counts as missing. The ANSI registry call ends a string value that
// lacks its zero with one, so such a string of 256 bytes no longer fits either.
TEST(ReadRegistryString, ValuesOfEveryTypeAndSize)
{
    TestRegistry registry;
    const std::pair<DWORD, const char*> readable[] = {{REG_SZ, "yyynnn"},
                                                      {REG_EXPAND_SZ, "yyynnn"},
                                                      {REG_MULTI_SZ, "yyynnn"},
                                                      {REG_BINARY, "yyyynn"},
                                                      {REG_DWORD, "yyyynn"}};
    std::mt19937 random(20261207); // seeded: every run tries the same bytes
    for (const auto& type : readable) {
        for (size_t i = 0; i < std::size(kSizes); ++i) {
            const std::string what =
                "type " + std::to_string(type.first) + ", " + std::to_string(kSizes[i]) + " bytes";
            const std::string letters(kSizes[i], 'Q');
            TestRegistry::Set(HKEY_LOCAL_MACHINE, Key(), "Path", type.first, letters);
            std::string out;
            EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, Key(), "Path", out),
                      type.second[i] == 'y')
                << what;
            EXPECT_EQ(out, type.second[i] == 'y' ? letters : "") << what;

            // Random bytes: whatever is read is what is stored, less one trailing zero at most.
            std::string bytes(kSizes[i], '\0');
            for (char& byte : bytes)
                byte = static_cast<char>(random());
            TestRegistry::Set(HKEY_LOCAL_MACHINE, Key(), "Path", type.first, bytes);
            if (ReadRegistryString(HKEY_LOCAL_MACHINE, Key(), "Path", out))
                EXPECT_TRUE(out == bytes || out + '\0' == bytes) << what << ", random";
        }
    }
}

struct ManualCase
{
    const char* language;
    const char* country;
    const char* manual;
};

// Comparisons are exact: no case folding, no trimming; an unknown country takes the language's
// plain manual. The names are the profile's, as the launcher is built with them.
TEST(Language, CodesNoLocaleGives)
{
    const ManualCase manuals[] = {
        {"EN", "US", GAME_MANUAL_DEFAULT},  {"en", "", GAME_MANUAL_DEFAULT},
        {"fr", "ca", GAME_MANUAL_FR},       {"fr", "", GAME_MANUAL_FR},
        {"de ", "DE", GAME_MANUAL_DEFAULT},
    };
    for (const ManualCase& c : manuals)
        EXPECT_EQ(SelectManualFile(c.language, c.country), c.manual)
            << c.language << "-" << c.country;
    for (const char* language : {"FR", "", "it "})
        EXPECT_STREQ(GetGameTitle(language), GAME_TITLE_DEFAULT) << language;
}

// The launcher reads one version a process; only a second read in the same process shows a
// buffer that kept the first one's text where the cut block ends.
TEST(GetFileVersionString, ACutBlockAfterAWholeOne)
{
    const std::string programs = testenv::Narrow(testenv::programs, CP_ACP);
    EXPECT_STREQ(GetFileVersionString((programs + "\\stub_whole_block.exe").c_str()),
                 "4.0 whole text");
    EXPECT_STREQ(GetFileVersionString((programs + "\\stub_cut_in_text.exe").c_str()), "4.0 ");
}

TEST(LoadUiLanguageString, CutsToTheBufferAndEndsTheText)
{
    const std::wstring title = TableWord(L"@app-title").substr(0, 5);
    wchar_t small[6];
    EXPECT_EQ(LoadUiLanguageString(57344, small, 6), static_cast<int>(title.size()));
    EXPECT_EQ(small, title);
    wchar_t buffer[100] = L"stale";
    EXPECT_EQ(LoadUiLanguageString(4000, buffer, 100), 0) << "no such string";
    EXPECT_STREQ(buffer, L"");
}

int g_missingSaid = 0;

// What SayStartFailure says of the error: the text of its box, which another thread answers, or
// "missing" when it leaves that to its caller; empty when it says nothing.
std::wstring Said(DWORD error, const wchar_t* name)
{
    std::wstring box;
    std::atomic<bool> returned{false};
    std::thread answerer([&] {
        HWND shown = nullptr;
        while (!returned && !(shown = FindProcessWindow(GetCurrentProcessId(), L"#32770")))
            Sleep(10);
        box = shown != nullptr ? Answer(shown).text : L"";
    });
    g_missingSaid = 0;
    SayStartFailure(error, name, [] { ++g_missingSaid; });
    returned = true;
    answerer.join();
    return g_missingSaid != 0 ? L"missing" : box;
}

TEST(SayStartFailure, ThePlayersNoSaysNothingAMissingFileIsTheCallersOtherFailuresSayWhy)
{
    const wchar_t name[] = L"C:\\disc\\notes.xyz";
    const std::wstring why = name + std::wstring(L"\n\n");
    for (DWORD error : {ERROR_CANCELLED, ERROR_ACCESS_DENIED})
        EXPECT_EQ(Said(error, name), L"") << error;
    for (DWORD error : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND})
        EXPECT_EQ(Said(error, name), L"missing") << error;
    const std::wstring said = Said(ERROR_SHARING_VIOLATION, name);
    EXPECT_EQ(said.substr(0, why.size()), why);
    EXPECT_GT(said.size(), why.size() + 10) << "the system's words";
    // The No is said by the last error alone, whatever the shell answers.
    SetLastError(ERROR_CANCELLED);
    EXPECT_EQ(ErrorOfShell(reinterpret_cast<HINSTANCE>(SE_ERR_ACCESSDENIED)), ERROR_CANCELLED);
}

// Whole in the message font, or smaller, or ended by an ellipsis: always within the area. A
// word wider than the area breaks; it is never cut at the edge.
TEST(LayOutDescription, ShowsTheTextWholeSmallerOrEndedByAnEllipsisAlwaysWithinTheArea)
{
    enum Shown
    {
        kWhole,
        kSmaller,
        kEnded
    };
    const WideString sentence = L"Meet other captains in the forum. ";
    const struct
    {
        WideString text;
        SIZE area;
        Shown shown;
    } cases[] = {{L"Visits the website.", {134, 140}, kWhole},
                 {L"Donaudampfschifffahrtsgesellschaftskapit\x00e4n", {60, 140}, kWhole},
                 {sentence + sentence + sentence, {134, 52}, kSmaller},
                 {sentence + sentence + sentence + sentence + sentence, {134, 30}, kEnded}};
    HDC dc = CreateCompatibleDC(nullptr);
    for (const UINT dpi : {96u, 192u}) {
        LOGFONTW full = {}, shown = {};
        HFONT message = CreateMessageFont(dpi);
        GetObjectW(message, sizeof(full), &full);
        DeleteObject(message);
        for (const auto& c : cases) {
            SCOPED_TRACE(testenv::Narrow(c.text.c_str()) + " at " + std::to_string(dpi));
            const SIZE area = {MulDiv(c.area.cx, dpi, 96), MulDiv(c.area.cy, dpi, 96)};
            const DescriptionLayout layout = LayOutDescription(dc, c.text, area, dpi);
            GetObjectW(layout.font, sizeof(shown), &shown);
            const RECT extent = DescriptionExtent(dc, layout.font, layout.text, area.cx);
            EXPECT_TRUE(extent.right <= area.cx && extent.bottom <= area.cy);
            EXPECT_EQ(shown.lfHeight == full.lfHeight, c.shown == kWhole);
            const WideString ended = c.text.substr(0, layout.text.size() - 1) + L"\x2026";
            EXPECT_EQ(layout.text, c.shown == kEnded ? ended : c.text);
            DeleteObject(layout.font);
        }
    }
    DeleteDC(dc);
}

} // namespace

TEST(ParseDiscManifest, TakesWholeLinesOnlyAndRefusesTheRest)
{
    const std::string digest(64, 'a');
    const struct
    {
        std::string text;
        bool read;
    } cases[] = {
        {"# files\n" + digest + " 12 setup.exe\n" + digest + " 0 docs\\Caf\xc3\xa9.txt", true},
        {"", false},
        {"# only a comment\n", false},
        {digest.substr(1) + "g 12 setup.exe", false}, // not hexadecimal
        {digest + " setup.exe", false},               // no size
        {digest + " 12 ", false},                     // no path
        {digest + " 12", false},
        {digest + " 12 \xff\xfe.exe", false}, // not UTF-8
        {digest.substr(10), false},
    };
    for (const auto& test : cases) {
        DiscManifest files;
        EXPECT_EQ(ParseDiscManifest(test.text.data(), test.text.size(), files), test.read)
            << test.text;
    }
    DiscManifest files;
    const std::string whole = cases[0].text;
    ASSERT_TRUE(ParseDiscManifest(whole.data(), whole.size(), files));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].size, 12u);
    EXPECT_EQ(files[0].sha256[31], 0xaa);
    EXPECT_TRUE(files[1].path == WideString(L"docs\\Caf\u00e9.txt"));
}
