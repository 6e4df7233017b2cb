// The demo disc's whole life: Install runs the demo setup, the next start offers Play with the
// game's version, Manual and Readme open the installed documents, Play starts the game in its
// installation folder, uninstalling brings Install back. The disc's programs are of this test
// build's architecture: in the i386 run a 32-bit setup writes the key, which 64-bit Windows keeps
// under Wow6432Node, and the shipped launcher must find it there.
#include "GuiFixture.h"

#include <shlobj.h>

namespace {

// Where the setup installs: Program Files as a program of its architecture sees it.
std::wstring InstalledFolder()
{
    wchar_t programFiles[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles);
    return std::wstring(programFiles) + L"\\Halvorn\\Zentrava Kelvane 2";
}

std::wstring Caption(HWND window)
{
    wchar_t text[128];
    GetWindowTextW(window, text, 128);
    return text;
}

HWND FindGameWindow()
{
    return FindWindowW(L"Tarvok2DemoGame", nullptr);
}

// The game's key as the 64-bit registry holds it: a 32-bit setup's under Wow6432Node.
const char* StoredGameKey()
{
    return sizeof(void*) == 4 ? kTestGameKeyWow64 : kTestGameKey;
}

bool Installed()
{
    HKEY key = nullptr;
    const bool found = RegOpenKeyExA(HKEY_LOCAL_MACHINE, StoredGameKey(), 0,
                                     KEY_READ | KEY_WOW64_64KEY, &key) == 0;
    if (found)
        RegCloseKey(key);
    return found;
}

using DemoDisc = GuiFixture;

TEST_F(DemoDisc, InstallPlayAndUninstall)
{
    const std::wstring demo = testenv::DemoDisc();
    const std::wstring launcherOnDisc = demo + L"\\launcher.exe";
    const std::wstring installed = InstalledFolder();
    {
        LauncherProcess launcher(demo, launcherOnDisc);
        ASSERT_NE(launcher.Child(kInstallId), nullptr);
        EXPECT_EQ(Caption(launcher.Frame()), L"Zentrava: Kelvane 2  v. 0.0.0");
        PressKey(launcher.Frame(), VK_TAB);
        PressKey(launcher.Frame(), VK_RETURN);
        EXPECT_TRUE(launcher.HasExited(5000)) << "the launcher closes once setup has started";
        ASSERT_TRUE(WaitUntil(&Installed, 20000)) << "the demo setup registers the game";
    }
    EXPECT_TRUE(FileExists(installed + L"\\bin\\Tarvok2.exe"));
    Settle(1500); // the setup window closes itself

    const std::wstring viewer = PlaceRecorder(disc, L"viewer.exe");
    AssociateWith(L".pdf", viewer);
    AssociateWith(L".rtf", viewer);
    const struct
    {
        int button;
        const wchar_t* document;
    } opened[] = {
        {kManualId, L"\\support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf"},
        {kReadmeId, L"\\support\\Zentrava\u2122_Kelvane\u2122_II_Troubleshooting_Guide.rtf"}};
    {
        LauncherProcess launcher(demo, launcherOnDisc);
        for (const auto& expected : opened) {
            Click(launcher.Child(expected.button));
            RecordedRun run;
            ASSERT_TRUE(LastRun(viewer, run)) << expected.button;
            EXPECT_NE(run.commandLine.find(installed + expected.document), std::wstring::npos)
                << testenv::Narrow(run.commandLine, CP_UTF8);
            DeleteFileW((viewer + L".log").c_str());
        }
    }
    RemoveAssociation(L".pdf");
    RemoveAssociation(L".rtf");

    {
        LauncherProcess launcher(demo, launcherOnDisc);
        EXPECT_EQ(launcher.Child(kInstallId), nullptr) << "Play takes the top place";
        EXPECT_EQ(ButtonDiffers(launcher, 0, L"UP", L"IDB_PLAY_BTN"), 0);
        EXPECT_EQ(Caption(launcher.Frame()), L"Zentrava: Kelvane 2  v. 1.0.0");
        PressKey(launcher.Frame(), VK_TAB);
        PressKey(launcher.Frame(), VK_RETURN);
        EXPECT_TRUE(launcher.HasExited(5000));
    }
    HWND game = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (game = FindGameWindow()) != nullptr; }, 10000));
    wchar_t text[512];
    GetWindowTextW(GetWindow(game, GW_CHILD), text, 512);
    EXPECT_NE(std::wstring(text).find(L"Started in:\n" + installed), std::wstring::npos);
    PostMessageW(game, WM_CLOSE, 0, 0);

    EXPECT_EQ(RunAndWait(demo + L"\\setup.exe", L"/uninstall"), 0);
    EXPECT_FALSE(Installed());
    EXPECT_FALSE(FileExists(installed));
    LauncherProcess launcher(demo, launcherOnDisc);
    EXPECT_NE(launcher.Child(kInstallId), nullptr) << "Install is back";
}

} // namespace
