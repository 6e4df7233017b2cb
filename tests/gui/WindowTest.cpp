// The window as the player first sees it.
#include "GuiFixture.h"

namespace {

using Window = GuiFixture;

struct TitleCase
{
    const char* lang;
    const wchar_t* title;
};

std::wstring ExpectedTitle()
{
    const TitleCase cases[] = {{"fr", L"Zentrava: Vaudrine 2"},
                               {"it", L"Zentrava: Tarpelle 2"},
                               {"es", L"Zentrava: Morvisca 2"}};
    const std::string lang = std::getenv("LANG");
    for (const TitleCase& c : cases) {
        if (lang.compare(0, 2, c.lang) == 0)
            return c.title;
    }
    return L"Zentrava: Kelvane 2";
}

TEST_F(Window, CentredOnTheDesktop)
{
    LauncherProcess launcher(disc.Path());
    ASSERT_NE(launcher.Frame(), nullptr);
    RECT rect;
    GetWindowRect(launcher.Frame(), &rect);
    EXPECT_EQ(rect.left, 194);
    EXPECT_EQ(rect.top, 176);
    EXPECT_EQ(rect.right, 829);
    EXPECT_EQ(rect.bottom, 592);
}

// A screen narrower and lower than the window (this case runs on a 600 x 400 desktop): the
// overhang splits with the division truncated toward zero, (600 - 635) / 2 = -17, not -18.
TEST_F(Window, SmallScreenHangsOverTheEdges)
{
    RECT screen;
    GetClientRect(GetDesktopWindow(), &screen);
    ASSERT_EQ(screen.right, 600);
    ASSERT_EQ(screen.bottom, 400);
    LauncherProcess launcher(disc.Path());
    ASSERT_NE(launcher.Frame(), nullptr);
    RECT rect;
    GetWindowRect(launcher.Frame(), &rect);
    EXPECT_EQ(rect.left, -17);
    EXPECT_EQ(rect.top, -8);
    EXPECT_EQ(rect.right, 618);
    EXPECT_EQ(rect.bottom, 408);
}

// Caption, background, logo and the up pictures of every button, in this run's locale.
TEST_F(Window, LocaleShowsItsTitleLogoAndPictures)
{
    LauncherProcess launcher(disc.Path());
    ASSERT_NE(launcher.Frame(), nullptr);
    wchar_t caption[128];
    GetWindowTextW(launcher.Frame(), caption, 128);
    EXPECT_EQ(std::wstring(caption), ExpectedTitle() + L"  v. 0.0.0");

    const std::wstring logoName = L"IDB_GAME_LOGO_" + Upper(PictureLanguage());
    EXPECT_EQ(DifferentPixels(CaptureClient(launcher.Frame(), {0, 0, 130, 116}),
                              LoadLauncherBitmap(logoName.c_str())),
              0);

    // The background shows wherever no child covers it: the right-hand strip.
    RECT client;
    GetClientRect(launcher.Frame(), &client);
    const RECT strip = {480, 0, client.right, client.bottom};
    EXPECT_EQ(DifferentPixels(CaptureClient(launcher.Frame(), strip),
                              Crop(LoadLauncherBitmap(MAKEINTRESOURCEW(131)), strip)),
              0);
    EXPECT_TRUE(LitSlots(launcher).empty());
}

TEST_F(Window, TopButtonIsPlayWhenTheGameIsInstalled)
{
    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKey, "Path", "C:\\windows");
    LauncherProcess launcher(disc.Path());
    EXPECT_EQ(launcher.Child(kInstallId), nullptr);
    EXPECT_EQ(ButtonDiffers(launcher, 0, L"UP", L"IDB_PLAY_BTN"), 0);
}

} // namespace
