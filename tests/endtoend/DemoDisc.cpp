// The demo disc's whole life: Install runs the demo setup, the next start offers Play with the
// game's version, Manual and Readme open the installed documents, Play starts the game in its
// installation folder, uninstalling brings Install back. The disc's programs are of this test
// build's architecture: in the i386 run a 32-bit setup writes the key, which 64-bit Windows
// keeps under Wow6432Node, and the shipped launcher must find it there.
#include "Scenario.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

bool Installed()
{
    // The key as the 64-bit registry holds it: a 32-bit setup's under Wow6432Node.
    const std::string key = GameKey(sizeof(void*) == 4);
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened) != 0)
        return false;
    RegCloseKey(opened);
    return true;
}

void StartTheTopButton(LauncherProcess& launcher)
{
    PressKey(launcher.Frame(), VK_TAB);
    PressKey(launcher.Frame(), VK_RETURN);
    EXPECT_TRUE(launcher.HasExited(5000)) << "the launcher closes once it has started it";
}

TEST(DemoDisc, InstallPlayAndUninstall)
{
    TestRegistry registry;
    ScratchFolder scratch;
    const std::wstring demo = testenv::demoDisc, launcherOnDisc = demo + L"\\launcher.exe";
    wchar_t programFiles[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles);
    // The demo setup installs under Program Files as the game's key is under Software.
    const std::wstring installed =
        std::wstring(programFiles) + L"\\" + testenv::Widen(GameKey().substr(strlen("Software\\")));
    {
        LauncherProcess launcher(demo, launcherOnDisc);
        ASSERT_NE(launcher.Child(kInstallId), nullptr);
        EXPECT_EQ(launcher.Caption(), ExpandTableWords(L"@title  v. 0.0.0"));
        StartTheTopButton(launcher);
        ASSERT_TRUE(WaitUntil(&Installed, 20000)) << "the demo setup registers the game";
    }
    EXPECT_TRUE(FileExists(installed + L"\\" + ExpandTableWords(L"@default-game")));
    Settle(1500); // the setup window closes itself

    const std::wstring viewer = scratch / L"viewer.exe";
    CopyIn(testenv::programs + L"\\recorder.exe", viewer);
    AssociateWith(L".pdf", viewer);
    AssociateWith(L".rtf", viewer);
    const std::pair<int, std::wstring> documents[] = {{kManualId, ExpandTableWords(L"\\@manual")},
                                                      {kReadmeId, ExpandTableWords(L"\\@guide")}};
    {
        LauncherProcess launcher(demo, launcherOnDisc);
        EXPECT_EQ(launcher.Child(kInstallId), nullptr) << "Play takes the top place";
        EXPECT_EQ(launcher.Caption(), ExpandTableWords(L"@title  v. 1.0.0"));
        for (const auto& document : documents) {
            Click(launcher.Child(document.first));
            ASSERT_TRUE(WaitUntil([&] { return FileExists(viewer + L".log"); }));
            Settle(200);
            const std::string log = ReadWholeFile(viewer + L".log");
            const std::wstring commandLine(reinterpret_cast<const wchar_t*>(log.data()),
                                           log.size() / 2);
            EXPECT_NE(commandLine.find(installed + document.second), std::wstring::npos)
                << testenv::Narrow(commandLine, CP_UTF8);
            DeleteFileW((viewer + L".log").c_str());
        }
    }
    RemoveAssociation(L".pdf");
    RemoveAssociation(L".rtf");
    {
        // Afresh: the clicks above left the pointer's selection on Readme.
        LauncherProcess launcher(demo, launcherOnDisc);
        StartTheTopButton(launcher);
    }
    HWND game = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (game = FindWindowW(L"DemoGame", nullptr)); }, 10000));
    // The game says where it was started.
    EXPECT_TRUE(WaitUntil([&] {
        wchar_t text[512] = L"";
        GetWindowTextW(GetWindow(game, GW_CHILD), text, 512);
        return std::wstring(text).find(L"Started in:\n" + installed) != std::wstring::npos;
    }));
    PostMessageW(game, WM_CLOSE, 0, 0);

    EXPECT_EQ(RunAndWait(demo + ExpandTableWords(L"\\@setup-file"), L"/uninstall", demo), 0);
    EXPECT_FALSE(Installed());
    EXPECT_FALSE(FileExists(installed));
    LauncherProcess launcher(demo, launcherOnDisc);
    EXPECT_NE(launcher.Child(kInstallId), nullptr) << "Install is back";
}

} // namespace
