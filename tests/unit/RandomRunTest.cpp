// Hundreds of seeded random arrangements of the registry, the disc and the installation: for
// each, the launcher starts without a message, every button is pressed, each press hands the
// shell well-formed commands or shows one of the launcher's own messages, and Exit closes it.
#include "../support/FrameFixture.h"
#include "../support/RandomSetup.h"

#include "../../src/app/ButtonColumn.h"

#include <algorithm>

namespace {

constexpr unsigned kSeed = 20261207;
constexpr int kArrangements = 300;
constexpr UINT_PTR kShellAnswers[] = {33, 2, 31}; // started, file not found, no association
// A press starts at most a document, a fallback program and shows one message.
constexpr size_t kMostCallsPerPress = 3;

using RandomRun = FrameFixture;

void ExpectSoundCalls(const std::vector<RecordedCall>& calls, size_t from, const std::string& what)
{
    EXPECT_LE(calls.size() - from, kMostCallsPerPress) << what;
    for (size_t i = from; i < calls.size(); ++i) {
        const RecordedCall& call = calls[i];
        if (call.kind == RecordedCall::ShellOpen)
            EXPECT_FALSE(call.file.empty()) << what;
        else
            EXPECT_TRUE(IsLauncherMessage(call.caption, call.text))
                << what << testenv::Narrow(call.text, CP_UTF8);
    }
}

TEST_F(RandomRun, EveryButtonOfEveryArrangementAnswersAndExitCloses)
{
    std::mt19937 random(kSeed);
    for (int arrangement = 0; arrangement < kArrangements; ++arrangement) {
        TestRegistry::Clear();
        ScratchFolder caseDisc, install;
        const RandomSetup setup(random, caseDisc, install);
        CurrentFolder inDisc(caseDisc.Path());
        const std::string what =
            "arrangement " + std::to_string(arrangement) + ": " + setup.Description();
        recording.ShellAnswersByDefault(kShellAnswers[random() % std::size(kShellAnswers)]);

        const size_t atStart = recording.Calls().size();
        HWND frame = Start();
        ASSERT_NE(frame, nullptr) << what;
        EXPECT_EQ(recording.Calls().size(), atStart) << "start-up shows nothing; " << what;

        std::vector<int> presses = {IDC_MANUAL_BTN, IDC_README_BTN, IDC_WEB_BTN,
                                    Button(IDC_PLAY_BTN) != nullptr ? IDC_PLAY_BTN
                                                                    : IDC_INSTALL_BTN};
        std::shuffle(presses.begin(), presses.end(), random);
        for (int id : presses) {
            const size_t before = recording.Calls().size();
            SendMessageW(Button(id), BM_CLICK, 0, 0);
            ASSERT_TRUE(IsWindow(frame)) << what;
            ExpectSoundCalls(recording.Calls(), before, what + " button " + std::to_string(id));
            CloseRequested(); // a started game or setup would close it: it stays for the next
        }

        SendMessageW(Button(IDC_EXIT_BTN), BM_CLICK, 0, 0);
        MSG msg;
        while (IsWindow(frame) && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        EXPECT_FALSE(IsWindow(frame)) << "Exit closes; " << what;
        m_frame = nullptr;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        } // the quit message the closing frame posts
    }
}

} // namespace
