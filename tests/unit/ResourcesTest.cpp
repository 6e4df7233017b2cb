// Every resource the shipped launcher must carry, read back from the built PE32 file.
#include "../support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class ShippedResources : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        module = LoadLibraryExW(testenv::ShippedLauncher().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite() { FreeLibrary(module); }

    // A callback of the platform's: stdcall on i386, so not a lambda.
    static BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
    {
        reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
        return TRUE;
    }

    static std::vector<WORD> Languages(LPCWSTR type, LPCWSTR name)
    {
        std::vector<WORD> languages;
        EnumResourceLanguagesW(module, type, name, CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        std::sort(languages.begin(), languages.end());
        return languages;
    }

    static std::string Data(LPCWSTR type, LPCWSTR name, WORD language)
    {
        HRSRC resource = FindResourceExW(module, type, name, language);
        if (resource == nullptr)
            return std::string();
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
        return std::string(data, SizeofResource(module, resource));
    }

    static HMODULE module;
};

HMODULE ShippedResources::module = nullptr;

struct BitmapKind
{
    LONG width, height;
    DWORD size;
};

void ExpectBitmapFormat(const std::string& data, const BitmapKind& kind, const std::wstring& name)
{
    ASSERT_EQ(data.size(), kind.size) << testenv::Narrow(name, CP_UTF8);
    BITMAPINFOHEADER header;
    std::memcpy(&header, data.data(), sizeof(header));
    const DWORD rows =
        ((static_cast<DWORD>(kind.width) * 2 + 3) & ~3u) * static_cast<DWORD>(kind.height);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, kind.width);
    EXPECT_EQ(header.biHeight, kind.height);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 16);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(header.biSizeImage, rows + 2);
    EXPECT_EQ(header.biXPelsPerMeter, 3779);
    EXPECT_EQ(header.biYPelsPerMeter, 3779);
    EXPECT_EQ(header.biClrUsed, 0u);
    EXPECT_EQ(header.biClrImportant, 0u);
    EXPECT_EQ(data.substr(data.size() - 2), std::string(2, '\0'));
}

TEST_F(ShippedResources, EveryPictureInItsFormat)
{
    ASSERT_NE(module, nullptr) << testenv::Narrow(testenv::ShippedLauncher(), CP_UTF8);
    const wchar_t* languages[] = {L"DE", L"EN", L"ES", L"FR", L"IT", L"PL", L"RU"};
    const wchar_t* bases[] = {L"IDB_PLAY_BTN",   L"IDB_INSTALL_BTN", L"IDB_MANUAL_BTN",
                              L"IDB_README_BTN", L"IDB_WEB_BTN",     L"IDB_EXIT_BTN"};
    const wchar_t* states[] = {L"UP", L"DOWN", L"ROLLOVER"};
    const std::vector<WORD> english = {1033};
    int buttons = 0;
    for (const wchar_t* language : languages) {
        for (const wchar_t* base : bases) {
            for (const wchar_t* state : states) {
                const std::wstring name = std::wstring(base) + L"_" + state + L"_" + language;
                EXPECT_EQ(Languages(RT_BITMAP, name.c_str()), english);
                ExpectBitmapFormat(Data(RT_BITMAP, name.c_str(), 1033), {300, 32, 19242}, name);
                ++buttons;
            }
        }
        const std::wstring logo = std::wstring(L"IDB_GAME_LOGO_") + language;
        ExpectBitmapFormat(Data(RT_BITMAP, logo.c_str(), 1033), {130, 116, 30202}, logo);
    }
    EXPECT_EQ(buttons, 126);
    ExpectBitmapFormat(Data(RT_BITMAP, MAKEINTRESOURCEW(131), 1033), {635, 395, 502482}, L"131");
}

TEST_F(ShippedResources, PicturesAreFoundByNameWhateverTheCase)
{
    for (const char* name : {"IDB_PLAY_BTN_UP_de", "idb_game_logo_en", "IDB_GAME_LOGO_En"}) {
        HBITMAP bitmap = LoadBitmapA(module, name);
        EXPECT_NE(bitmap, nullptr) << name;
        DeleteObject(bitmap);
    }
    EXPECT_EQ(LoadBitmapA(module, "IDB_GAME_LOGO_nl"), nullptr);
}

TEST_F(ShippedResources, IconGroupHoldsFourSizesInTwoDepths)
{
    const std::string group = Data(RT_GROUP_ICON, MAKEINTRESOURCEW(128), 0);
    ASSERT_GE(group.size(), 6u);
    const auto* header = reinterpret_cast<const WORD*>(group.data());
    ASSERT_EQ(header[2], 8);
    std::vector<std::pair<int, int>> entries;
    for (int i = 0; i < header[2]; ++i) {
        const auto* entry = reinterpret_cast<const BYTE*>(group.data() + 6 + 14 * i);
        const int size = entry[0] == 0 ? 256 : entry[0];
        WORD bits;
        std::memcpy(&bits, entry + 6, sizeof(bits));
        entries.emplace_back(size, bits);
    }
    std::sort(entries.begin(), entries.end());
    const std::vector<std::pair<int, int>> expected = {{16, 8}, {16, 32}, {32, 8},  {32, 32},
                                                       {48, 8}, {48, 32}, {256, 8}, {256, 32}};
    EXPECT_EQ(entries, expected);
}

std::wstring StringFromBlock(const std::string& block, int index)
{
    const auto* data = reinterpret_cast<const WORD*>(block.data());
    for (int i = 0; i < index; ++i)
        data += 1 + *data;
    return std::wstring(reinterpret_cast<const wchar_t*>(data + 1), *data);
}

TEST_F(ShippedResources, StringTablesInEightLanguages)
{
    const LPCWSTR messageBlock = MAKEINTRESOURCEW(129 / 16 + 1);
    const std::vector<WORD> languages = {0, 7, 10, 12, 16, 1045, 1049, 3084};
    EXPECT_EQ(Languages(RT_STRING, messageBlock), languages);
    EXPECT_EQ(StringFromBlock(Data(RT_STRING, messageBlock, 3084), 129 % 16), L"")
        << "Canadian French has no caption";
    EXPECT_EQ(StringFromBlock(Data(RT_STRING, messageBlock, 1049), 129 % 16),
              L"\u041E\u0448\u0438\u0431\u043A\u0430");
    EXPECT_EQ(StringFromBlock(Data(RT_STRING, MAKEINTRESOURCEW(57344 / 16 + 1), 0), 0),
              L"SimpleExtMFC");
}

TEST_F(ShippedResources, ManifestAsksForNoElevation)
{
    const std::string manifest = Data(RT_MANIFEST, MAKEINTRESOURCEW(1), 0);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

} // namespace
