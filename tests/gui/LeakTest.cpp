// A thousand hovers, key moves and presses leave the launcher's objects and memory where they
// were, by the working set that Wine really reports (its GetGuiResources and private bytes
// answer 0).
#include "GuiFixture.h"

namespace {

constexpr int kRounds = 1000;
// A thousand leaked memory device contexts cost Wine about 6 MB; a sound round costs nothing.
constexpr SIZE_T kLeakLimit = 1024 * 1024;

// Runs `rounds` of one key move, a hover and leave of the next button and a press of the Web
// button (quietly opening nothing: no browser is associated), each painted at once.
SIZE_T Growth(LauncherProcess& process, int rounds)
{
    HWND frame = process.Frame();
    HWND web = process.Child(kWebId);
    auto round = [&](int i) {
        SendMessageW(frame, WM_KEYDOWN, VK_TAB, 0);
        if (web != nullptr) {
            HWND button = process.Child(kColumn[i % 5]);
            SendMessageW(button, WM_MOUSEHOVER, 0, 0);
            SendMessageW(button, WM_MOUSELEAVE, 0, 0);
            SendMessageW(web, BM_CLICK, 0, 0);
        }
        RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    // Warm up first: caches and heaps settle in the first rounds.
    for (int i = 0; i < 100; ++i)
        round(i);
    const SIZE_T before = process.WorkingSet();
    for (int i = 0; i < rounds; ++i)
        round(i);
    const SIZE_T after = process.WorkingSet();
    return after > before ? after - before : 0;
}

using Leaks = GuiFixture;

TEST_F(Leaks, TheMeasureSeesOneLeakedHandlePerKeyPress)
{
    LauncherProcess leaker(disc.Path(), testenv::Programs() + L"\\leaker.exe");
    ASSERT_NE(leaker.Frame(), nullptr);
    EXPECT_GT(Growth(leaker, kRounds), kLeakLimit);
}

TEST_F(Leaks, AThousandRoundsLeaveTheLauncherWhereItWas)
{
    RemoveAssociation(L"https");
    LauncherProcess launcher(disc.Path());
    ASSERT_NE(launcher.Frame(), nullptr);
    EXPECT_LT(Growth(launcher, kRounds), kLeakLimit);
    EXPECT_EQ(launcher.WaitForMessageBox(0), nullptr);
}

} // namespace
