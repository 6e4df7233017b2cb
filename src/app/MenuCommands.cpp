// What each kind of menu entry sends and runs. A new kind of action is one more row here and
// its handler; the column, the keys and the drawing take it as it is.
#include "MainFrame.h"

struct CMainFrame::ActionKind
{
    // Today's five send the identifiers the message map routes to their handlers; the others
    // send their entry's own and run `run`.
    UINT fixedIds[STATE_COUNT];
    void (CMainFrame::*run)(const MenuEntry& entry);
};

// In the order of MenuAction.
const CMainFrame::ActionKind& CMainFrame::KindOf(MenuAction action)
{
    static const ActionKind kinds[] = {
        {{IDC_PLAY_BTN, IDC_INSTALL_BTN}, nullptr},
        {{IDC_MANUAL_BTN, IDC_MANUAL_BTN}, nullptr},
        {{IDC_README_BTN, IDC_README_BTN}, nullptr},
        {{IDC_WEB_BTN, IDC_WEB_BTN}, nullptr},
        {{IDC_EXIT_BTN, IDC_EXIT_BTN}, nullptr},
        {{0, 0}, &CMainFrame::OnUninstall},
        {{0, 0}, &CMainFrame::OnDiscProgram},
        {{0, 0}, &CMainFrame::OnDocument},
        {{0, 0}, &CMainFrame::OnLink},
        {{0, 0}, &CMainFrame::OnExplore},
        {{0, 0}, &CMainFrame::OnVerify},
    };
    return kinds[action];
}

UINT CMainFrame::CommandIdOf(size_t index, GameState state)
{
    const UINT fixed = KindOf(kGameMenu[index].action).fixedIds[state];
    return fixed != 0 ? fixed : IDC_FIRST_MENU_ENTRY + static_cast<UINT>(index);
}

void CMainFrame::OnMenuCommand(UINT id)
{
    const size_t index = id - IDC_FIRST_MENU_ENTRY;
    if (index >= kGameMenuSize)
        return;
    const MenuEntry& entry = kGameMenu[index];
    if (const auto run = KindOf(entry.action).run)
        (this->*run)(entry);
}
