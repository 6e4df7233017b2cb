// A screen narrower and lower than the window (this test program runs on a 600 x 400 desktop of
// its own): the overhang splits with the division truncated toward zero, (600 - 635) / 2 = -17.
#include "../harness/Harness.h"

#include <gtest/gtest.h>

namespace {

TEST(SmallScreen, TheWindowHangsOverTheEdges)
{
    RECT screen;
    GetClientRect(GetDesktopWindow(), &screen);
    ASSERT_EQ(screen.right, 600);
    ASSERT_EQ(screen.bottom, 400);
    ScratchFolder disc;
    LauncherProcess launcher(disc.Path());
    RECT rect;
    GetWindowRect(launcher.Frame(), &rect);
    EXPECT_EQ(rect.left, -17);
    EXPECT_EQ(rect.top, -8);
    EXPECT_EQ(rect.right, 618);
    EXPECT_EQ(rect.bottom, 408);
}

} // namespace
