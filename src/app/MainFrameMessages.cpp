// How the running launcher window answers: painting, keyboard and hover selection, Exit.
#include "MainFrame.h"

#include "../framework/DC.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_KEYDOWN()
ON_COMMAND(IDC_PLAY_BTN, OnPlay)
ON_COMMAND(IDC_INSTALL_BTN, OnInstall)
ON_COMMAND(IDC_MANUAL_BTN, OnManual)
ON_COMMAND(IDC_README_BTN, OnReadme)
ON_COMMAND(IDC_WEB_BTN, OnWeb)
ON_COMMAND(IDC_EXIT_BTN, OnExit)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCTA cs)
{
    return CFrameWnd::OnCreate(cs) == -1 ? -1 : 0;
}

void CMainFrame::OnKeyDown(UINT virtualKey, UINT, UINT)
{
    switch (virtualKey) {
    case VK_TAB:
    case VK_DOWN:
        SelectNextButton();
        break;
    case VK_UP:
        SelectPreviousButton();
        break;
    case VK_RETURN:
    case VK_SPACE:
        ActivateSelectedButton();
        break;
    default:
        break;
    }
}

void CMainFrame::SelectNextButton()
{
    MoveSelection(+1);
}

void CMainFrame::SelectPreviousButton()
{
    MoveSelection(-1);
}

void CMainFrame::MoveSelection(int step)
{
    if (m_selected != -1)
        SetButtonHover(m_selected, false);
    // From no selection, forward lands on the top button and backward on Exit.
    m_selected += step;
    if (m_selected >= SLOT_COUNT)
        m_selected = 0;
    else if (m_selected < 0)
        m_selected = SLOT_COUNT - 1;
    SetButtonHover(m_selected, true);
    // The keyboard's selection is the focus a screen reader follows and speaks.
    NotifyWinEvent(EVENT_OBJECT_FOCUS, m_buttons[m_selected]->GetSafeHwnd(), OBJID_CLIENT,
                   CHILDID_SELF);
}

void CMainFrame::SetButtonHover(int slot, bool hover)
{
    m_buttons[slot]->SetHover(hover);
    m_buttons[slot]->Invalidate(TRUE);
}

void CMainFrame::ActivateSelectedButton()
{
    if (m_selected < 0 || m_selected >= SLOT_COUNT)
        return;
    CRolloverBitmapButton* button = m_buttons[m_selected];
    // Sent, not posted: the command has run, exactly as for a click, when the key returns.
    SendMessage(WM_COMMAND, MAKEWPARAM(button->GetDlgCtrlID(), BN_CLICKED),
                reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
}

void CMainFrame::OnButtonHover(CRolloverBitmapButton* button)
{
    int hovered = -1;
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        if (m_buttons[slot] == button)
            hovered = slot;
    }
    if (m_selected != -1 && m_selected != hovered)
        SetButtonHover(m_selected, false);
    m_selected = hovered;
}

BOOL CMainFrame::OnEraseBkgnd(CDC* dc)
{
    CDC memory;
    if (memory.CreateCompatibleDC(dc)) {
        HGDIOBJ previous = memory.SelectObject(m_background.GetSafeHandle());
        dc->BitBlt(0, 0, m_backgroundWidth, m_backgroundHeight, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(previous);
    }
    return TRUE;
}

HBRUSH CMainFrame::OnCtlColor(CDC*, CWnd*, UINT)
{
    return nullptr;
}

void CMainFrame::OnExit()
{
    RequestClose();
}

void CMainFrame::RequestClose()
{
    // Posted, so that the close comes after the command that asked for it has finished.
    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}
