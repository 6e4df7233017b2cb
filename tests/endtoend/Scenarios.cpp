// The table's scenarios in this run's locale, and seeded random arrangements of its pieces: for
// each, every button is pressed and every message box read and answered; the launcher always
// answers, shows only its own messages and leaves with exit code 0.
#include "Scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr unsigned kSeed = 20261208;
constexpr int kArrangements = 8;
constexpr DWORD kPressDeadline = 15000;
constexpr unsigned kMostRandomBytes = 300;
const DWORD kRandomTypes[] = {REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY, REG_DWORD};

TEST(Scenarios, OfThisLocale)
{
    const Table table = LoadTable();
    int run = 0;
    for (const Scenario& scenario : table.scenarios) {
        if (BelongsToThisRun(scenario)) {
            World(table.words).Run(scenario);
            ++run;
        }
    }
    EXPECT_GT(run, 0);
}

// One of each random line's choices, or none; "NAME=#" stands for random bytes of a random type.
std::string Arrange(World& world, const Table& table, std::mt19937& random)
{
    std::string chosen;
    for (const std::vector<std::wstring>& choices : table.randomChoices) {
        const size_t pick = random() % (choices.size() + 1);
        if (pick == choices.size())
            continue;
        const std::wstring& choice = choices[pick];
        if (choice.back() == L'#') {
            std::string bytes(random() % kMostRandomBytes, '\0');
            std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
            world.SetValue(choice.substr(0, choice.size() - 2),
                           kRandomTypes[random() % std::size(kRandomTypes)], bytes);
        } else {
            world.Give(choice);
        }
        chosen += testenv::Narrow(choice) + "  ";
    }
    return chosen;
}

void CALLBACK ClickHandled(HWND, UINT, ULONG_PTR handled, LRESULT)
{
    *reinterpret_cast<bool*>(handled) = true;
}

// Presses the button as the system would, then answers every message box the press shows,
// until the launcher has handled the press or closed.
void PressAndAnswer(World& world, int id)
{
    LauncherProcess& launcher = world.Launcher();
    bool handled = false;
    SendMessageCallbackW(launcher.Child(id), BM_CLICK, 0, 0, &ClickHandled,
                         reinterpret_cast<ULONG_PTR>(&handled));
    for (const DWORD start = GetTickCount();
         !handled && !launcher.HasExited(0) && GetTickCount() - start < kPressDeadline;) {
        if (HWND box = launcher.WaitForMessageBox(100)) { // runs our messages: the answer comes
            const MessageBoxContent content = Answer(box);
            EXPECT_TRUE(world.IsLauncherMessage(content)) << testenv::Narrow(content.text);
        }
    }
    EXPECT_TRUE(handled || launcher.HasExited(0)) << "the launcher stopped answering";
}

TEST(RandomRun, EveryButtonAnswersAndTheLauncherExitsCleanly)
{
    const Table table = LoadTable();
    std::mt19937 random(kSeed);
    for (int arrangement = 0; arrangement < kArrangements; ++arrangement) {
        World world(table.words);
        SCOPED_TRACE("arrangement " + std::to_string(arrangement) + ": " +
                     Arrange(world, table, random));
        LauncherProcess& launcher = world.Launcher();
        EXPECT_EQ(launcher.WaitForMessageBox(0), nullptr) << "start-up shows nothing";
        std::vector<int> presses = {kManualId, kReadmeId, kWebId,
                                    launcher.Child(kInstallId) != nullptr ? kInstallId : kPlayId};
        std::shuffle(presses.begin(), presses.end(), random);
        presses.push_back(kExitId);
        // A started game or setup closes the launcher: the presses end there.
        for (size_t i = 0; i < presses.size() && !launcher.HasExited(0); ++i) {
            SCOPED_TRACE("button " + std::to_string(presses[i]));
            PressAndAnswer(world, presses[i]);
        }
        ASSERT_TRUE(launcher.HasExited(5000));
        DWORD code = STILL_ACTIVE;
        EXPECT_TRUE(GetExitCodeProcess(launcher.Process(), &code) && code == 0) << code;
    }
}

} // namespace
