// The demo disc's whole life: Install runs the demo setup, the next start offers Play with the
// game's version, Play starts the game in its installation folder, uninstalling brings Install
// back.
#include "GuiFixture.h"

namespace {

const wchar_t kInstalled[] = L"C:\\Program Files\\Halvorn\\Zentrava Kelvane 2";

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

bool Installed()
{
    HKEY key = nullptr;
    const bool found = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestGameKey, 0, KEY_READ, &key) == 0;
    if (found)
        RegCloseKey(key);
    return found;
}

using DemoDisc = GuiFixture;

TEST_F(DemoDisc, InstallPlayAndUninstall)
{
    const std::wstring disc = testenv::DemoDisc();
    const std::wstring launcherOnDisc = disc + L"\\launcher.exe";
    {
        LauncherProcess launcher(disc, launcherOnDisc);
        ASSERT_NE(launcher.Child(kInstallId), nullptr);
        EXPECT_EQ(Caption(launcher.Frame()), L"Zentrava: Kelvane 2  v. 0.0.0");
        PressKey(launcher.Frame(), VK_TAB);
        PressKey(launcher.Frame(), VK_RETURN);
        EXPECT_TRUE(launcher.HasExited(5000)) << "the launcher closes once setup has started";
        ASSERT_TRUE(WaitUntil(&Installed, 20000)) << "the demo setup registers the game";
    }
    EXPECT_TRUE(FileExists(std::wstring(kInstalled) + L"\\bin\\Tarvok2.exe"));
    EXPECT_TRUE(FileExists(std::wstring(kInstalled) +
                           L"\\support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf"));
    Settle(1500); // the setup window closes itself

    {
        LauncherProcess launcher(disc, launcherOnDisc);
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
    EXPECT_NE(std::wstring(text).find(std::wstring(L"Started in:\n") + kInstalled),
              std::wstring::npos);
    PostMessageW(game, WM_CLOSE, 0, 0);

    EXPECT_EQ(RunAndWait(disc + L"\\setup.exe", L"/uninstall"), 0);
    EXPECT_FALSE(Installed());
    EXPECT_FALSE(FileExists(kInstalled));
    LauncherProcess launcher(disc, launcherOnDisc);
    EXPECT_NE(launcher.Child(kInstallId), nullptr) << "Install is back";
}

} // namespace
