// The buttons under the keyboard and a real pointer.
#include "GuiFixture.h"

namespace {

using Buttons = GuiFixture;

TEST_F(Buttons, KeysLightOneButtonAtATime)
{
    LauncherProcess launcher(disc.Path());
    ASSERT_NE(launcher.Frame(), nullptr);
    PressKey(launcher.Frame(), VK_UP);
    EXPECT_EQ(LitSlots(launcher), std::vector<int>{4}) << "Up from nothing lights Exit";
    PressKey(launcher.Frame(), VK_DOWN);
    EXPECT_EQ(LitSlots(launcher), std::vector<int>{0}) << "Down on Exit wraps to the top";
    PressKey(launcher.Frame(), VK_TAB);
    EXPECT_EQ(LitSlots(launcher), std::vector<int>{1});
}

TEST_F(Buttons, TabLightsTheTopButton)
{
    LauncherProcess launcher(disc.Path());
    PressKey(launcher.Frame(), VK_TAB);
    EXPECT_EQ(LitSlots(launcher), std::vector<int>{0});
}

TEST_F(Buttons, PointerRestingOnAButtonLightsItAndTheKeysGoOnFromThere)
{
    LauncherProcess launcher(disc.Path());
    MovePointer(CentreOf(launcher.Child(kManualId)));
    ASSERT_TRUE(WaitUntil([&] { return ButtonDiffers(launcher, 1, L"ROLLOVER") == 0; }));
    EXPECT_EQ(LitSlots(launcher), std::vector<int>{1});

    MovePointer({2, 2});
    ASSERT_TRUE(WaitUntil([&] { return ButtonDiffers(launcher, 1, L"UP") == 0; }));
    PressKey(launcher.Frame(), VK_TAB);
    EXPECT_EQ(LitSlots(launcher), std::vector<int>{2}) << "Readme after the hovered Manual";
}

TEST_F(Buttons, PressedShowsDownAndReleasingRunsTheCommand)
{
    const std::wstring browser = disc / L"browser.exe";
    disc.CopyIn(testenv::Programs() + L"\\recorder.exe", L"browser.exe");
    AssociateWith(L"https", browser);
    LauncherProcess launcher(disc.Path());
    MovePointer(CentreOf(launcher.Child(kWebId)));
    MouseButton(true);
    EXPECT_TRUE(WaitUntil([&] { return ButtonDiffers(launcher, 3, L"DOWN") == 0; }));
    MouseButton(false);
    EXPECT_TRUE(WaitUntil([&] { return ButtonDiffers(launcher, 3, L"ROLLOVER") == 0; }));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(browser + L".log"); }));
    EXPECT_NE(ReadWholeFile(browser + L".log").find("h\0t\0t\0p\0s\0"), std::string::npos);
    EXPECT_FALSE(launcher.HasExited(200)) << "Web leaves the launcher open";
    RemoveAssociation(L"https");
}

TEST_F(Buttons, EnterOrSpaceWithoutASelectionDoNothing)
{
    LauncherProcess launcher(disc.Path());
    PressKey(launcher.Frame(), VK_RETURN);
    PressKey(launcher.Frame(), VK_SPACE);
    EXPECT_EQ(launcher.WaitForMessageBox(500), nullptr);
    EXPECT_FALSE(launcher.HasExited(0));
    EXPECT_TRUE(LitSlots(launcher).empty());
}

TEST_F(Buttons, ExitSelectedAndEnterEndsTheProgram)
{
    LauncherProcess launcher(disc.Path());
    PressKey(launcher.Frame(), VK_UP);
    PressKey(launcher.Frame(), VK_RETURN);
    EXPECT_TRUE(launcher.HasExited(5000));
}

TEST_F(Buttons, TheExitButtonEndsTheProgram)
{
    LauncherProcess launcher(disc.Path());
    Click(launcher.Child(kExitId));
    EXPECT_TRUE(launcher.HasExited(5000));
}

TEST_F(Buttons, TheCloseBoxEndsTheProgram)
{
    LauncherProcess launcher(disc.Path());
    TITLEBARINFO title = {};
    title.cbSize = sizeof(title);
    ASSERT_TRUE(GetTitleBarInfo(launcher.Frame(), &title));
    const RECT& bar = title.rcTitleBar;
    // The close box is the caption's last button, at its right end.
    const int button = bar.bottom - bar.top;
    MovePointer({bar.right - button / 2 - 1, (bar.top + bar.bottom) / 2});
    MouseButton(true);
    MouseButton(false);
    EXPECT_TRUE(launcher.HasExited(5000));
}

} // namespace
