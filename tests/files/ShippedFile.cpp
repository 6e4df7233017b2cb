// The launcher that ships, read as a file: a PE32 GUI program for i386 without a time stamp that
// imports only DLLs every Windows loads from its system folder, and every resource it must
// carry in the stated format.
#include "../endtoend/Scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace {

HMODULE Shipped()
{
    static HMODULE module =
        LoadLibraryExW(testenv::shipped.c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

std::string Data(LPCWSTR type, LPCWSTR name, WORD language)
{
    HRSRC resource = FindResourceExW(Shipped(), type, name, language);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(Shipped(), resource)));
    return resource != nullptr ? std::string(data, SizeofResource(Shipped(), resource)) : "";
}

// A callback of the platform's: stdcall on i386, so not a lambda.
BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::set<WORD>*>(list)->insert(language);
    return TRUE;
}

std::set<WORD> Languages(LPCWSTR type, LPCWSTR name)
{
    std::set<WORD> languages;
    EnumResourceLanguagesW(Shipped(), type, name, CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

TEST(ShippedFile, IsAPe32GuiProgramImportingOnlyKnownDlls)
{
    // The image as the loader maps it; the handle's low bits only mark it as a data file.
    const auto* image = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(Shipped()) & ~3u);
    ASSERT_NE(image, nullptr) << testenv::Narrow(testenv::shipped);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(
        image + reinterpret_cast<const IMAGE_DOS_HEADER*>(image)->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->FileHeader.TimeDateStamp, 0u) << "reproducible: no time stamp";
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    // Known DLLs: Windows loads them from the system folder whatever lies beside the program.
    const std::set<std::string> known = {"kernel32.dll", "user32.dll",  "gdi32.dll",
                                         "advapi32.dll", "shell32.dll", "msvcrt.dll"};
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
             image + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
         entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(image + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        EXPECT_EQ(known.count(name), 1u) << name;
    }
}

// Every picture a 16-bit 5-5-5 bitmap of its size, with the header and padding stated, found by
// name whatever the case, in English; no language beyond the profile's.
TEST(ShippedFile, EveryPictureInItsFormat)
{
    struct Kind
    {
        std::vector<std::wstring> names;
        LONG width, height;
    } kinds[] = {{{L"#131"}, 635, 395}, {{}, 130, 116}, {{}, 300, 32}};
    const std::vector<std::wstring> languages =
        Split(ExpandTableWords(L"@picture-languages"), L" ");
    for (const std::wstring& language : languages) {
        kinds[1].names.push_back(std::wstring(L"IDB_GAME_LOGO_") + language);
        for (const wchar_t* button : {L"PLAY", L"INSTALL", L"MANUAL", L"README", L"WEB", L"EXIT"}) {
            for (const wchar_t* state : {L"UP", L"DOWN", L"ROLLOVER"})
                kinds[2].names.push_back(std::wstring(L"IDB_") + button + L"_BTN_" + state + L"_" +
                                         language);
        }
    }
    for (const Kind& kind : kinds) {
        const DWORD pixels =
            ((static_cast<DWORD>(kind.width) * 2 + 3) & ~3u) * static_cast<DWORD>(kind.height);
        const BITMAPINFOHEADER expected = {40,         kind.width, kind.height, 1, 16, BI_RGB,
                                           pixels + 2, 3779,       3779,        0, 0};
        for (const std::wstring& name : kind.names) {
            const std::string data = Data(RT_BITMAP, name.c_str(), 1033);
            EXPECT_EQ(Languages(RT_BITMAP, name.c_str()), std::set<WORD>{1033})
                << testenv::Narrow(name);
            ASSERT_EQ(data.size(), sizeof(expected) + pixels + 2) << testenv::Narrow(name);
            EXPECT_EQ(std::memcmp(data.data(), &expected, sizeof(expected)), 0)
                << testenv::Narrow(name);
            EXPECT_EQ(data.substr(data.size() - 2), std::string(2, '\0')) << testenv::Narrow(name);
        }
    }
    EXPECT_EQ(kinds[2].names.size(), 18 * languages.size());
    const std::pair<const char*, bool> found[] = {{"IDB_PLAY_BTN_UP_en", true},
                                                  {"idb_game_logo_en", true},
                                                  {"IDB_GAME_LOGO_En", true},
                                                  {"IDB_GAME_LOGO_xx", false}};
    for (const auto& name : found)
        EXPECT_EQ(FindResourceA(Shipped(), name.first, MAKEINTRESOURCEA(2)) != nullptr, name.second)
            << name.first;
}

TEST(ShippedFile, IconsStringsAndManifest)
{
    // Four sizes in two depths.
    const std::string group = Data(RT_GROUP_ICON, MAKEINTRESOURCEW(128), 0);
    std::multiset<std::pair<int, int>> icons;
    for (size_t entry = 6; entry + 14 <= group.size(); entry += 14)
        icons.emplace(group[entry] == 0 ? 256 : static_cast<BYTE>(group[entry]),
                      static_cast<BYTE>(group[entry + 6]));
    EXPECT_EQ(icons,
              (std::multiset<std::pair<int, int>>{
                  {16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}, {256, 8}, {256, 32}}));
    // The messages in the profile's languages (their texts are each locale's scenarios').
    std::set<WORD> languages;
    for (const std::wstring& language : Split(ExpandTableWords(L"@message-languages"), L" "))
        languages.insert(static_cast<WORD>(std::stoi(language)));
    EXPECT_EQ(Languages(RT_STRING, MAKEINTRESOURCEW(129 / 16 + 1)), languages);
    const std::string block = Data(RT_STRING, MAKEINTRESOURCEW(57344 / 16 + 1), 0);
    const auto* application = reinterpret_cast<const wchar_t*>(block.data());
    EXPECT_EQ(std::wstring(application + 1, static_cast<size_t>(application[0])),
              ExpandTableWords(L"@app-title"));
    // Wine treats every program as per-monitor aware: only the file shows what Windows is told.
    const std::string manifest = Data(RT_MANIFEST, MAKEINTRESOURCEW(1), 0);
    for (const char* setting : {"level=\"asInvoker\"", ">PerMonitorV2, PerMonitor<", ">true/pm<"})
        EXPECT_NE(manifest.find(setting), std::string::npos) << setting;
}

} // namespace
