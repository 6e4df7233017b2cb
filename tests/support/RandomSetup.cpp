#include "RandomSetup.h"

#include "TestEnvironment.h"
#include "TestRegistry.h"

#include <windows.h>

namespace {

enum Placement
{
    kAbsent,
    kFile,
    kFolder,
    kHidden,
    kPlacementCount
};

const wchar_t* const kDiscFiles[] = {
    L"setup.exe",
    L"support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf",
    L"support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide.rtf",
};
const wchar_t* const kInstalledFiles[] = {
    L"Game.exe",
    L"bin\\Tarvok2.exe",
    L"support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf",
    L"support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide.rtf",
    L"Reader\\AcroRd32.exe",
};
const char* const kAppFiles[] = {"Game.exe", "bin\\Tarvok2.exe", "", "missing.exe"};
const wchar_t* const kInstallers[] = {L"AdbeRdr934_en_US.exe", L"AdbeRdr930_en_GB.exe",
                                      L"AdbeRdr934_de_DE.exe", L"ReaderSetup.exe"};
constexpr size_t kMaxRandomBytes = 300;

} // namespace

RandomSetup::RandomSetup(std::mt19937& random, const ScratchFolder& disc,
                         const ScratchFolder& install, const std::wstring& program)
    : m_random(random), m_program(program)
{
    ArrangeRegistry(install);
    ArrangeFolder(disc, kDiscFiles, static_cast<int>(std::size(kDiscFiles)));
    ArrangeFolder(install, kInstalledFiles, static_cast<int>(std::size(kInstalledFiles)));
    ArrangeInstallers(disc);
    if (Pick(2, "read-only") == 1)
        disc.MakeReadOnly();
}

int RandomSetup::Pick(int choices, const char* what)
{
    const int choice = static_cast<int>(m_random() % static_cast<unsigned>(choices));
    m_description += std::string(what) + "=" + std::to_string(choice) + " ";
    return choice;
}

std::string RandomSetup::RandomBytes()
{
    return ::RandomBytes(m_random, m_random() % kMaxRandomBytes);
}

void RandomSetup::ArrangeRegistry(const ScratchFolder& install)
{
    const std::string installPath = testenv::Narrow(install.Path(), CP_ACP);
    const std::string reader = testenv::Narrow(install / L"Reader\\AcroRd32.exe", CP_ACP);
    struct GameKey
    {
        HKEY hive;
        const char* key;
    };
    const GameKey places[] = {{HKEY_LOCAL_MACHINE, kTestGameKey},
                              {HKEY_LOCAL_MACHINE, kTestGameKeyWow64},
                              {HKEY_CURRENT_USER, kTestGameKey}};
    for (const GameKey& place : places) {
        switch (Pick(5, "path")) {
        case 1:
            TestRegistry::SetString(place.hive, place.key, "Path", installPath);
            break;
        case 2:
            TestRegistry::SetString(place.hive, place.key, "Path", installPath + "\\gone");
            break;
        case 3:
            TestRegistry::SetString(place.hive, place.key, "Path", "");
            break;
        case 4:
            TestRegistry::SetRaw(place.hive, place.key, "Path", REG_BINARY, RandomBytes());
            break;
        default:
            break;
        }
        const int appFile = Pick(static_cast<int>(std::size(kAppFiles)) + 2, "appfile");
        if (appFile < static_cast<int>(std::size(kAppFiles)))
            TestRegistry::SetString(place.hive, place.key, "AppFile", kAppFiles[appFile]);
        else if (appFile == static_cast<int>(std::size(kAppFiles)))
            TestRegistry::SetRaw(place.hive, place.key, "AppFile", REG_SZ, RandomBytes());
    }
    for (const char* key : {kTestReaderKey, kTestAcrobatKey}) {
        switch (Pick(4, "reader")) {
        case 1:
            TestRegistry::SetString(HKEY_LOCAL_MACHINE, key, "", reader);
            break;
        case 2:
            TestRegistry::SetString(HKEY_LOCAL_MACHINE, key, "", "");
            break;
        case 3:
            TestRegistry::SetRaw(HKEY_LOCAL_MACHINE, key, "", REG_EXPAND_SZ, RandomBytes());
            break;
        default:
            break;
        }
    }
}

void RandomSetup::ArrangeFolder(const ScratchFolder& folder, const wchar_t* const* files, int count)
{
    for (int i = 0; i < count; ++i)
        Place(folder, files[i], Pick(kPlacementCount, "file"));
}

void RandomSetup::ArrangeInstallers(const ScratchFolder& disc)
{
    for (const wchar_t* installer : kInstallers)
        Place(disc, std::wstring(L"support\\adobe\\") + installer,
              Pick(kPlacementCount, "installer"));
}

void RandomSetup::Place(const ScratchFolder& folder, const std::wstring& relative, int how)
{
    if (how == kAbsent)
        return;
    if (how == kFolder) {
        folder.MakeFolder(relative);
        return;
    }
    const bool isProgram =
        relative.size() > 4 && relative.compare(relative.size() - 4, 4, L".exe") == 0;
    if (isProgram && !m_program.empty())
        folder.CopyIn(m_program, relative);
    else
        folder.WriteFile(relative);
    if (how == kHidden)
        folder.Hide(relative);
}

std::string RandomBytes(std::mt19937& random, size_t size)
{
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

bool IsLauncherMessage(const std::wstring& caption, const std::wstring& text)
{
    const std::wstring workingDirectory = L"Unable to set current working directory to:\n";
    if (caption == L"Error")
        return text == L"Please insert the \"Zentrava\u00AE: Kelvane\u2122 II\" DVD.";
    return caption == L"SimpleExtMFC" &&
           (text == L"There is no command line associated with this button. " ||
            text.compare(0, workingDirectory.size(), workingDirectory) == 0);
}
