// Every command of the built launcher with the real shell: recorder programs stand in for the
// setup, the game, the PDF programs, Notepad and the browser, and the message boxes are read
// and answered as a player would.
#include "../support/LocaleExpectations.h"
#include "../support/NotepadStandIn.h"
#include "GuiFixture.h"

namespace {

class EndToEnd : public GuiFixture
{
protected:
    // Reads the message box the launcher shows, answers it and returns what it said.
    static MessageBoxContent Answer(LauncherProcess& launcher)
    {
        HWND box = launcher.WaitForMessageBox(5000);
        EXPECT_NE(box, nullptr) << "no message box";
        if (box == nullptr)
            return {};
        MessageBoxContent content = ReadMessageBox(box);
        PressOk(box);
        WaitUntil([&] { return !IsWindow(box); });
        return content;
    }

    static void ExpectInsertDisc(const MessageBoxContent& box)
    {
        const LocaleExpectation* expected = ExpectationForThisLocale();
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(box.caption, expected->caption);
        EXPECT_EQ(box.text, expected->text);
        EXPECT_FALSE(box.hasIcon);
    }

    static void ExpectApplicationBox(const MessageBoxContent& box, const std::wstring& text)
    {
        EXPECT_EQ(box.caption, L"SimpleExtMFC");
        EXPECT_EQ(box.text, text);
        EXPECT_TRUE(box.hasIcon);
    }

    std::string Ansi(const std::wstring& text) const { return testenv::Narrow(text, CP_ACP); }
};

TEST_F(EndToEnd, InstallStartsSetupFromTheDiscAndCloses)
{
    const std::wstring setup = PlaceRecorder(disc, L"setup.exe");
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kInstallId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(setup, run));
    EXPECT_NE(run.commandLine.find(L"/NORESTART"), std::wstring::npos) << run.commandLine.c_str();
    EXPECT_EQ(run.folder, disc.Path());
    EXPECT_TRUE(launcher.HasExited(5000));
}

TEST_F(EndToEnd, PlayFromTheLogoStartsAUserInstallationInItsFolder)
{
    ScratchFolder install;
    const std::wstring game = PlaceRecorder(install, L"bin\\Game.exe");
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "Path", Ansi(install.Path()));
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "AppFile", "bin\\Game.exe");
    LauncherProcess launcher(disc.Path());
    ASSERT_NE(launcher.Child(kInstallId), nullptr) << "start-up does not look under the user";
    Click(launcher.Child(kPlayId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(game, run));
    EXPECT_EQ(run.folder, install.Path());
    EXPECT_TRUE(launcher.HasExited(5000));
}

TEST_F(EndToEnd, PlayIntoAMissingFolderSaysWhichAndStays)
{
    const std::wstring missing = disc / L"Missing Folder";
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path", Ansi(missing));
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "AppFile", "bin\\Game.exe");
    LauncherProcess launcher(disc.Path());
    PressKey(launcher.Frame(), VK_TAB);
    PressKey(launcher.Frame(), VK_RETURN);
    ExpectApplicationBox(Answer(launcher),
                         L"Unable to set current working directory to:\n" + missing);
    EXPECT_FALSE(launcher.HasExited(300));
}

TEST_F(EndToEnd, PlayWithAnEmptyPathDoesNothing)
{
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "Path", "");
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "AppFile", "Game.exe");
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kPlayId));
    EXPECT_EQ(launcher.WaitForMessageBox(800), nullptr);
    EXPECT_FALSE(launcher.HasExited(0));
}

TEST_F(EndToEnd, TheLogoWithNothingToRunSaysSoThenRunsAFailedInstallQuietly)
{
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kPlayId));
    ExpectApplicationBox(Answer(launcher),
                         L"There is no command line associated with this button. ");

    Click(launcher.Child(kInstallId));
    ExpectInsertDisc(Answer(launcher));
    EXPECT_FALSE(launcher.HasExited(0));

    // The disc is back: the logo runs what Install left in the top slot, without a message.
    const std::wstring setup = PlaceRecorder(disc, L"setup.exe");
    Click(launcher.Child(kPlayId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(setup, run));
    EXPECT_NE(run.commandLine.find(L"/NORESTART"), std::wstring::npos);
    EXPECT_TRUE(launcher.HasExited(5000));
}

TEST_F(EndToEnd, ReadmeFallsBackToNotepadAndNeedsTheGuide)
{
    RemoveAssociation(L".rtf");
    NotepadStandIn notepad;
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kReadmeId));
    ExpectInsertDisc(Answer(launcher));

    const std::wstring guide =
        L"support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide.rtf";
    disc.WriteFile(guide);
    Click(launcher.Child(kReadmeId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(notepad.Path(), run));
    EXPECT_NE(run.commandLine.find(L" " + guide), std::wstring::npos)
        << "the guide, with its \u2122";
    EXPECT_FALSE(launcher.HasExited(0));
}

// Under a folder with spaces, and under the longest folder the registry holds (255
// characters), which takes the manual's path past 260.
TEST_F(EndToEnd, ManualWithoutAPdfProgramGoesToTheReaderWithTheWholePath)
{
    RemoveAssociation(L".pdf");
    ScratchFolder parent;
    const std::wstring manual = L"support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf";
    const std::wstring reader = PlaceRecorder(parent, L"Adobe Reader\\AcroRd32.exe");
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestReaderKey, "", Ansi(reader));
    LauncherProcess launcher(disc.Path());
    for (const std::wstring& install :
         {parent / L"Program Files (x86)", parent.PathOfLength(255)}) {
        const std::wstring document = install + L"\\" + manual;
        parent.WriteFile(document.substr(parent.Path().size() + 1));
        TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path", Ansi(install));
        Click(launcher.Child(kManualId));
        RecordedRun run;
        ASSERT_TRUE(LastRun(reader, run));
        const bool quoted = document.find(L' ') != std::wstring::npos;
        EXPECT_NE(run.commandLine.find(quoted ? L"\"" + document + L"\"" : L" " + document),
                  std::wstring::npos)
            << "one argument, " << document.size() << " characters";
        DeleteFileW((reader + L".log").c_str());
    }
}

TEST_F(EndToEnd, ManualWithNoAdobeProgramStartsTheDiscsInstaller)
{
    RemoveAssociation(L".pdf");
    disc.WriteFile(L"support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf");
    const std::wstring installer = PlaceRecorder(disc, L"support\\adobe\\ReaderSetup.exe");
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kManualId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(installer, run));
    EXPECT_FALSE(launcher.HasExited(0));
}

// In each locale: the insert-disc message, and the locale's manual and guide reaching the
// programs registered for them, "™" and "®" intact, from folders named in the locale's code page.
TEST_F(EndToEnd, LocaleInstallWithoutSetupAsksForTheDisc)
{
    LauncherProcess launcher(disc.Path());
    PressKey(launcher.Frame(), VK_TAB);
    PressKey(launcher.Frame(), VK_SPACE);
    ExpectInsertDisc(Answer(launcher));
    EXPECT_FALSE(launcher.HasExited(300));
}

TEST_F(EndToEnd, LocaleManualAndGuideOpenWithTheirPrograms)
{
    const LocaleExpectation* expected = ExpectationForThisLocale();
    ASSERT_NE(expected, nullptr);
    const std::wstring viewer = PlaceRecorder(disc, L"viewer.exe");
    AssociateWith(L".pdf", viewer);
    AssociateWith(L".rtf", viewer);
    const std::wstring folder = std::wstring(expected->folder) + L"\\";
    disc.WriteFile(folder + expected->manual);
    disc.WriteFile(folder + expected->guide);
    LauncherProcess launcher(disc / expected->folder);

    // No installation: both relative to the disc; the registered program gets the full path.
    Click(launcher.Child(kManualId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(viewer, run));
    EXPECT_NE(run.commandLine.find(disc / folder + expected->manual), std::wstring::npos)
        << testenv::Narrow(run.commandLine, CP_UTF8);
    DeleteFileW((viewer + L".log").c_str());

    Click(launcher.Child(kReadmeId));
    ASSERT_TRUE(LastRun(viewer, run));
    EXPECT_NE(run.commandLine.find(disc / folder + expected->guide), std::wstring::npos)
        << testenv::Narrow(run.commandLine, CP_UTF8);
    DeleteFileW((viewer + L".log").c_str());

    // Installed meanwhile: the manual is opened from the installation folder, read afresh.
    ScratchFolder install;
    install.WriteFile(folder + expected->manual);
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path",
                            Ansi(install / expected->folder));
    Click(launcher.Child(kManualId));
    ASSERT_TRUE(LastRun(viewer, run));
    EXPECT_NE(run.commandLine.find(install / folder + expected->manual), std::wstring::npos)
        << testenv::Narrow(run.commandLine, CP_UTF8);
    RemoveAssociation(L".pdf");
    RemoveAssociation(L".rtf");
}

TEST_F(EndToEnd, LocalePlayStartsTheGameInAFolderNamedInTheCodePage)
{
    const LocaleExpectation* expected = ExpectationForThisLocale();
    ASSERT_NE(expected, nullptr);
    ScratchFolder parent;
    const std::wstring install = parent / expected->folder;
    const std::wstring game = PlaceRecorder(parent, std::wstring(expected->folder) + L"\\Game.exe");
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path", Ansi(install));
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "AppFile", "Game.exe");
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kPlayId));
    RecordedRun run;
    ASSERT_TRUE(LastRun(game, run));
    EXPECT_EQ(run.folder, install);
    EXPECT_TRUE(launcher.HasExited(5000));
}

TEST_F(EndToEnd, LocaleManualMissingOnlyAsksForTheDisc)
{
    RemoveAssociation(L".pdf");
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kManualId));
    ExpectInsertDisc(Answer(launcher));
    EXPECT_EQ(launcher.WaitForMessageBox(500), nullptr) << "one message only";
}

// A disc with a French installer for France and one for Canada.
TEST_F(EndToEnd, LocaleReaderInstallerByLanguageAndCountry)
{
    RemoveAssociation(L".pdf");
    const LocaleExpectation* expected = ExpectationForThisLocale();
    ASSERT_NE(expected, nullptr);
    disc.WriteFile(expected->manual);
    const std::wstring france = PlaceRecorder(disc, L"support\\adobe\\AdbeRdr934_fr_FR.exe");
    const std::wstring canada = PlaceRecorder(disc, L"support\\adobe\\AdbeRdr930_fr_CA.exe");
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kManualId));
    const std::string lang = std::getenv("LANG");
    RecordedRun run;
    if (lang == "fr_CA.UTF-8") {
        EXPECT_TRUE(LastRun(canada, run)) << "exact country of the older reader wins";
    } else if (lang.compare(0, 3, "fr_") == 0) {
        EXPECT_TRUE(LastRun(france, run)) << "any country of the newer reader";
    } else {
        ExpectInsertDisc(Answer(launcher));
        EXPECT_FALSE(FileExists(france + L".log") || FileExists(canada + L".log"));
    }
}

} // namespace
