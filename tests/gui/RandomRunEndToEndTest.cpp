// Seeded random arrangements with the real shell, the launcher in its own process: every button
// pressed, every message box read and answered. The launcher always answers, shows only its own
// messages and leaves with exit code 0. Recorders stand in for every program it may start.
#include "../support/NotepadStandIn.h"
#include "../support/RandomSetup.h"
#include "GuiFixture.h"

#include <algorithm>

namespace {

constexpr unsigned kSeed = 20261208;
constexpr int kArrangements = 8;
constexpr DWORD kPressDeadline = 15000;

void CALLBACK ClickHandled(HWND, UINT, ULONG_PTR handled, LRESULT)
{
    *reinterpret_cast<bool*>(handled) = true;
}

// Presses the button as the system would, then answers every message box the press shows,
// until the launcher has handled the press or closed.
void PressAndAnswer(LauncherProcess& launcher, int id, const std::string& what)
{
    bool handled = false;
    SendMessageCallbackW(launcher.Child(id), BM_CLICK, 0, 0, &ClickHandled,
                         reinterpret_cast<ULONG_PTR>(&handled));
    const DWORD start = GetTickCount();
    while (!handled && !launcher.HasExited(0) && GetTickCount() - start < kPressDeadline) {
        HWND box = launcher.WaitForMessageBox(100); // runs our messages: the answer comes
        if (box == nullptr)
            continue;
        const MessageBoxContent content = ReadMessageBox(box);
        EXPECT_TRUE(IsLauncherMessage(content.caption, content.text))
            << what << testenv::Narrow(content.text, CP_UTF8);
        PressOk(box);
        WaitUntil([&] { return !IsWindow(box); });
    }
    EXPECT_TRUE(handled || launcher.HasExited(0)) << "the launcher stopped answering; " << what;
}

using RandomRunEndToEnd = GuiFixture;

TEST_F(RandomRunEndToEnd, EveryButtonAnswersAndTheLauncherExitsCleanly)
{
    NotepadStandIn notepad;
    std::mt19937 random(kSeed);
    for (int arrangement = 0; arrangement < kArrangements; ++arrangement) {
        TestRegistry::Clear();
        ScratchFolder caseDisc, install;
        const RandomSetup setup(random, caseDisc, install, testenv::Programs() + L"\\recorder.exe");
        const std::string what =
            "arrangement " + std::to_string(arrangement) + ": " + setup.Description();
        LauncherProcess launcher(caseDisc.Path());
        ASSERT_NE(launcher.Frame(), nullptr) << what;
        EXPECT_EQ(launcher.WaitForMessageBox(0), nullptr) << "start-up shows nothing; " << what;

        std::vector<int> presses = {kManualId, kReadmeId, kWebId,
                                    launcher.Child(kInstallId) != nullptr ? kInstallId : kPlayId};
        std::shuffle(presses.begin(), presses.end(), random);
        presses.push_back(kExitId);
        // A started game or setup closes the launcher: the presses end there.
        for (size_t i = 0; i < presses.size() && !launcher.HasExited(0); ++i)
            PressAndAnswer(launcher, presses[i], what + " button " + std::to_string(presses[i]));
        ASSERT_TRUE(launcher.HasExited(5000)) << what;
        EXPECT_EQ(launcher.ExitCode(), 0u) << what;
    }
}

} // namespace
