// What each command hands to the shell and shows, in order, against the real registry and
// file system.
#include "../support/FrameFixture.h"
#include "../support/LocaleExpectations.h"

#include "../../src/app/ButtonColumn.h"

namespace {

const std::wstring kNoCommand = L"There is no command line associated with this button. ";
const std::wstring kInsertDisc = L"Please insert the \"Zentrava\u00AE: Kelvane\u2122 II\" DVD.";
const std::wstring kManual = L"support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf";
const std::wstring kGuide = L"support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide.rtf";
constexpr UINT_PTR kFileNotFound = 2;
constexpr UINT_PTR kNoAssociation = 31;

using Commands = FrameFixture;

void ExpectShell(const RecordedCall& call, const std::wstring& file, const std::wstring& parameters)
{
    EXPECT_EQ(call.kind, RecordedCall::ShellOpen);
    EXPECT_EQ(call.file, file);
    EXPECT_EQ(call.parameters, parameters);
}

void ExpectApplicationBox(const RecordedCall& call, const std::wstring& text, HWND owner)
{
    EXPECT_EQ(call.kind, RecordedCall::MessageBox);
    EXPECT_EQ(call.text, text);
    EXPECT_EQ(call.caption, L"SimpleExtMFC");
    EXPECT_EQ(call.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(call.owner, owner);
}

void ExpectInsertDisc(const RecordedCall& call, HWND owner)
{
    EXPECT_EQ(call.kind, RecordedCall::MessageBox);
    EXPECT_EQ(call.text, kInsertDisc);
    EXPECT_EQ(call.caption, L"Error");
    EXPECT_EQ(call.type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(call.owner, owner);
}

TEST_F(Commands, InstallStartsSetupAndCloses)
{
    Start();
    Command(IDC_INSTALL_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u);
    ExpectShell(recording.Calls()[0], L".\\setup.exe", L"/NORESTART");
    EXPECT_TRUE(CloseRequested());
}

TEST_F(Commands, FailedInstallAsksForTheDiscAndThePlayLogoRetriesSetupQuietly)
{
    recording.ShellAnswers(L".\\setup.exe", kFileNotFound);
    HWND frame = Start();
    Command(IDC_INSTALL_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u);
    ExpectShell(recording.Calls()[0], L".\\setup.exe", L"/NORESTART");
    ExpectInsertDisc(recording.Calls()[1], frame);
    EXPECT_FALSE(CloseRequested());

    // Nothing registered: Play runs what slot 0 holds, without a message.
    Command(IDC_PLAY_BTN);
    ASSERT_EQ(recording.Calls().size(), 3u);
    ExpectShell(recording.Calls()[2], L".\\setup.exe", L"/NORESTART");
    EXPECT_FALSE(CloseRequested());
}

TEST_F(Commands, PlayWithNothingRegisteredAndAnEmptySlotSaysSo)
{
    HWND frame = Start();
    Command(IDC_PLAY_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u);
    ExpectApplicationBox(recording.Calls()[0], kNoCommand, frame);
    EXPECT_FALSE(CloseRequested());
}

TEST_F(Commands, PlayStartsTheGameFromItsFolderUserKeyFirst)
{
    ScratchFolder userInstall, machineInstall;
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "Path",
                            testenv::Narrow(userInstall.Path(), CP_ACP));
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "AppFile", "bin\\User.exe");
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path",
                            testenv::Narrow(machineInstall.Path(), CP_ACP));
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "AppFile", "bin\\Machine.exe");
    Start();
    Command(IDC_PLAY_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u);
    ExpectShell(recording.Calls()[0], L"bin\\User.exe", L"");
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(std::wstring(current), userInstall.Path());
    EXPECT_TRUE(CloseRequested());
}

TEST_F(Commands, PlayFromTheMachineKeyWhenTheUserHasNone)
{
    ScratchFolder install;
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path",
                            testenv::Narrow(install.Path(), CP_ACP));
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "AppFile", "Game.exe");
    recording.ShellAnswers(L"Game.exe", kFileNotFound);
    Start();
    Command(IDC_PLAY_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u) << "a failed start of the game is quiet";
    ExpectShell(recording.Calls()[0], L"Game.exe", L"");
    EXPECT_FALSE(CloseRequested());
}

TEST_F(Commands, PlayStopsAtAnInstallationFolderItCannotEnter)
{
    const std::string missing = DiscPath(L"no such folder");
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "Path", missing);
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "AppFile", "Game.exe");
    HWND frame = Start();
    Command(IDC_PLAY_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u);
    ExpectApplicationBox(
        recording.Calls()[0],
        L"Unable to set current working directory to:\n" + testenv::Widen(missing, CP_ACP), frame);
    EXPECT_FALSE(CloseRequested());
}

TEST_F(Commands, PlayWithAnEmptyPathEndsSilently)
{
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "Path", "");
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "AppFile", "Game.exe");
    Start();
    Command(IDC_PLAY_BTN);
    EXPECT_TRUE(recording.Calls().empty());
    EXPECT_FALSE(CloseRequested());
}

TEST_F(Commands, WebOpensTheSiteAndStays)
{
    recording.ShellAnswers(L"https://www.example.com/zentrava-kelvane-2/", kNoAssociation);
    Start();
    Command(IDC_WEB_BTN);
    Command(IDC_WEB_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u) << "a failed open shows nothing";
    ExpectShell(recording.Calls()[1], L"https://www.example.com/zentrava-kelvane-2/", L"");
    EXPECT_FALSE(CloseRequested());
}

TEST_F(Commands, ReadmeChecksTheGuideBeforeOpeningIt)
{
    HWND frame = Start();
    Command(IDC_README_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u);
    ExpectInsertDisc(recording.Calls()[0], frame);

    disc.WriteFile(kGuide);
    disc.Hide(kGuide);
    Command(IDC_README_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u) << "a hidden guide is missing";
    ExpectInsertDisc(recording.Calls()[1], frame);
}

TEST_F(Commands, ReadmeFallsBackToNotepadWithTheGuide)
{
    const std::wstring guide = kGuide;
    disc.WriteFile(kGuide);
    recording.ShellAnswers(guide, kNoAssociation);
    Start();
    Command(IDC_README_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u);
    ExpectShell(recording.Calls()[0], guide, L"");
    ExpectShell(recording.Calls()[1], L"notepad.exe ", guide);
}

TEST_F(Commands, ReadmeLooksUnderTheRegisteredFolderOnly)
{
    ScratchFolder install;
    const std::string folder = testenv::Narrow(install.Path(), CP_ACP) + "\\";
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path", folder);
    disc.WriteFile(kGuide);
    HWND frame = Start();
    Command(IDC_README_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u) << "the disc's copy is not tried";
    ExpectInsertDisc(recording.Calls()[0], frame);

    install.WriteFile(kGuide);
    Command(IDC_README_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u);
    ExpectShell(recording.Calls()[1], install.Path() + L"\\\\" + kGuide, L"");
}

TEST_F(Commands, ManualOpensTheDocumentFirstWithoutChecking)
{
    Start();
    Command(IDC_MANUAL_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u);
    ExpectShell(recording.Calls()[0], kManual, L"");
}

TEST_F(Commands, ManualMissingAfterAFailedOpenOnlyAsksForTheDisc)
{
    const std::wstring manual = kManual;
    recording.ShellAnswers(manual, kNoAssociation);
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestReaderKey, "", "C:\\Reader\\AcroRd32.exe");
    HWND frame = Start();
    Command(IDC_MANUAL_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u);
    ExpectShell(recording.Calls()[0], manual, L"");
    ExpectInsertDisc(recording.Calls()[1], frame);
}

struct ReaderCase
{
    const char* name;
    const char* reader;     // AcroRd32.exe's default value, or null
    const char* acrobat;    // Acrobat.exe's default value, or null
    const wchar_t* started; // the program expected, or null for the no-command box
};

TEST_F(Commands, ManualFallsBackToTheReaderThenAcrobat)
{
    const ReaderCase cases[] = {
        {"reader first", "C:\\Reader\\AcroRd32.exe", "C:\\Acrobat\\Acrobat.exe",
         L"C:\\Reader\\AcroRd32.exe"},
        {"acrobat second", nullptr, "C:\\Acrobat\\Acrobat.exe", L"C:\\Acrobat\\Acrobat.exe"},
        {"empty reader value", "", "C:\\Acrobat\\Acrobat.exe", nullptr},
    };
    const std::wstring manual = kManual;
    disc.WriteFile(kManual);
    recording.ShellAnswers(manual, kNoAssociation);
    HWND frame = Start();
    for (const ReaderCase& c : cases) {
        TestRegistry::Clear();
        if (c.reader != nullptr)
            TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestReaderKey, "", c.reader);
        if (c.acrobat != nullptr)
            TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestAcrobatKey, "", c.acrobat);
        const size_t before = recording.Calls().size();
        Command(IDC_MANUAL_BTN);
        ASSERT_EQ(recording.Calls().size(), before + 2) << c.name;
        ExpectShell(recording.Calls()[before], manual, L"");
        if (c.started != nullptr)
            ExpectShell(recording.Calls()[before + 1], c.started, L" " + manual);
        else
            ExpectApplicationBox(recording.Calls()[before + 1], kNoCommand, frame);
    }
}

TEST_F(Commands, ManualUnderAFolderWithSpacesReachesTheReaderAsOneArgument)
{
    ScratchFolder parent;
    parent.MakeFolder(L"Program Files (x86)\\Zentrava");
    const std::wstring install = parent / L"Program Files (x86)\\Zentrava";
    parent.WriteFile(L"Program Files (x86)\\Zentrava\\" + kManual);
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path",
                            testenv::Narrow(install, CP_ACP));
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestReaderKey, "", "C:\\Reader\\AcroRd32.exe");
    const std::wstring document = install + L"\\" + kManual;
    recording.ShellAnswers(document, kNoAssociation);
    Start();
    Command(IDC_MANUAL_BTN);
    ASSERT_EQ(recording.Calls().size(), 2u);
    ExpectShell(recording.Calls()[0], document, L"");
    ExpectShell(recording.Calls()[1], L"C:\\Reader\\AcroRd32.exe", L" \"" + document + L"\"");
}

// The document names are the game's and the folders the system's: in every code page, both reach
// the file system (the check after a failed open) and the shell (the reader) intact.
TEST_F(Commands, LocaleDocumentsUnderFoldersNamedInTheSystemCodePage)
{
    const LocaleExpectation* expected = ExpectationForThisLocale();
    ASSERT_NE(expected, nullptr);
    const std::wstring folder = expected->folder;
    disc.WriteFile(folder + L"\\" + expected->guide);
    CurrentFolder inDisc(disc / folder);
    Start();
    Command(IDC_README_BTN);
    ASSERT_EQ(recording.Calls().size(), 1u) << "the guide is found on the disc";
    ExpectShell(recording.Calls()[0], expected->guide, L"");

    ScratchFolder install;
    const std::wstring manual = install / folder + L"\\" + expected->manual;
    install.WriteFile(folder + L"\\" + expected->manual);
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path",
                            testenv::Narrow(install / folder, CP_ACP));
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestReaderKey, "", "C:\\Reader\\AcroRd32.exe");
    recording.ShellAnswers(manual, kNoAssociation);
    Command(IDC_MANUAL_BTN);
    ASSERT_EQ(recording.Calls().size(), 3u);
    ExpectShell(recording.Calls()[1], manual, L"");
    ExpectShell(recording.Calls()[2], L"C:\\Reader\\AcroRd32.exe", L" \"" + manual + L"\"");
    EXPECT_TRUE(recording.MessageBoxes().empty()) << "no message: the manual is there";
}

// The registry holds at most 255 characters, and with the manual's name the path passes 260.
// Wine reaches such paths; Windows, for programs not made for long paths, would report the
// manual missing and ask for the disc.
TEST_F(Commands, FoldersNearAndPastTheLengthLimit)
{
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestReaderKey, "", "C:\\Reader\\AcroRd32.exe");
    Start();
    for (size_t length : {200u, 255u}) {
        ScratchFolder parent;
        const std::wstring folder = parent.PathOfLength(length);
        const std::wstring document = folder + L"\\" + kManual;
        parent.WriteFile(document.substr(parent.Path().size() + 1));
        TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path",
                                testenv::Narrow(folder, CP_ACP));
        TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "AppFile", "Game.exe");
        recording.ShellAnswers(document, kNoAssociation);
        const size_t before = recording.Calls().size();
        Command(IDC_MANUAL_BTN);
        ASSERT_EQ(recording.Calls().size(), before + 2) << length;
        ExpectShell(recording.Calls()[before], document, L"");
        ExpectShell(recording.Calls()[before + 1], L"C:\\Reader\\AcroRd32.exe", L" " + document);

        Command(IDC_PLAY_BTN);
        ASSERT_EQ(recording.Calls().size(), before + 3) << length;
        ExpectShell(recording.Calls()[before + 2], L"Game.exe", L"");
        wchar_t current[MAX_PATH + 1];
        GetCurrentDirectoryW(MAX_PATH + 1, current);
        EXPECT_EQ(std::wstring(current), folder) << "Play enters the folder";
        SetCurrentDirectoryW(disc.Path().c_str());
        CloseRequested();
    }
}

struct InstallerCase
{
    const char* name;
    std::vector<std::wstring> files; // in support\adobe
    const wchar_t* started;          // null: the insert-disc message
    std::vector<std::wstring> folders = {};
    std::vector<std::wstring> hidden = {}; // files, hidden
};

// Files that come with an installer on a crowded disc.
std::vector<std::wstring> ManyFilesAnd(const std::wstring& installer)
{
    constexpr int kCount = 300;
    std::vector<std::wstring> files = {installer};
    for (int i = 0; i < kCount; ++i)
        files.push_back(L"ReadMe" + std::to_wstring(i) + L".txt");
    return files;
}

TEST_F(Commands, ReaderInstallerChoice)
{
    const InstallerCase cases[] = {
        {"a single file of any name", {L"ReaderSetup.exe"}, L"support\\adobe\\ReaderSetup.exe"},
        {"exact 9.3.4 over exact 9.3.0",
         {L"AdbeRdr930_en_US.exe", L"AdbeRdr934_en_US.exe", L"AdbeRdr934_en_GB.exe"},
         L"support\\adobe\\AdbeRdr934_en_US.exe"},
        {"exact 9.3.0 over any country",
         {L"AdbeRdr930_en_US.exe", L"AdbeRdr934_en_GB.exe"},
         L"support\\adobe\\AdbeRdr930_en_US.exe"},
        {"any country",
         {L"AdbeRdr930_en_GB.exe", L"AdbeRdr934_de_DE.exe"},
         L"support\\adobe\\AdbeRdr930_en_GB.exe"},
        {"none for the language", {L"AdbeRdr934_de_DE.exe", L"AdbeRdr930_fr_FR.exe"}, nullptr},
        {"no folder", {}, nullptr},
        {"among hundreds of files", ManyFilesAnd(L"AdbeRdr930_en_GB.exe"),
         L"support\\adobe\\AdbeRdr930_en_GB.exe"},
        {"a folder named like the exact installer",
         {L"AdbeRdr930_en_US.exe", L"AdbeRdr934_de_DE.exe"},
         L"support\\adobe\\AdbeRdr930_en_US.exe",
         {L"AdbeRdr934_en_US.exe"}},
        {"only folders named like installers",
         {},
         nullptr,
         {L"AdbeRdr934_en_US.exe", L"AdbeRdr930_en_GB.exe"}},
        {"a hidden exact installer",
         {L"AdbeRdr930_en_GB.exe"},
         L"support\\adobe\\AdbeRdr930_en_GB.exe",
         {},
         {L"AdbeRdr934_en_US.exe"}},
        // The listing counts hidden files, so a lone one is still the disc's only installer.
        {"a single hidden file", {}, L"support\\adobe\\Setup.exe", {}, {L"Setup.exe"}},
    };
    const std::wstring manual = kManual;
    recording.ShellAnswers(manual, kNoAssociation);
    HWND frame = Start();
    for (const InstallerCase& c : cases) {
        ScratchFolder caseDisc;
        CurrentFolder inDisc(caseDisc.Path());
        caseDisc.WriteFile(kManual);
        for (const std::wstring& file : c.files)
            caseDisc.WriteFile(L"support\\adobe\\" + file);
        for (const std::wstring& folder : c.folders)
            caseDisc.MakeFolder(L"support\\adobe\\" + folder);
        for (const std::wstring& file : c.hidden) {
            caseDisc.WriteFile(L"support\\adobe\\" + file);
            caseDisc.Hide(L"support\\adobe\\" + file);
        }
        // As on a DVD: nothing the launcher does needs to write.
        caseDisc.MakeReadOnly();
        ASSERT_NE(GetFileAttributesW((caseDisc / kManual).c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
        const size_t before = recording.Calls().size();
        Command(IDC_MANUAL_BTN);
        ASSERT_EQ(recording.Calls().size(), before + 2) << c.name;
        if (c.started != nullptr)
            ExpectShell(recording.Calls()[before + 1], c.started, L"");
        else
            ExpectInsertDisc(recording.Calls()[before + 1], frame);
    }
}

} // namespace
