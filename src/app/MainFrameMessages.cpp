// How the running launcher window answers: painting, keyboard and hover selection, Exit.
#include "MainFrame.h"

#include "../framework/DC.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_COMMAND(IDC_PLAY_BTN, OnPlay)
ON_COMMAND(IDC_INSTALL_BTN, OnInstall)
ON_COMMAND(IDC_MANUAL_BTN, OnManual)
ON_COMMAND(IDC_README_BTN, OnReadme)
ON_COMMAND(IDC_WEB_BTN, OnWeb)
ON_COMMAND(IDC_EXIT_BTN, OnExit)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCTW cs)
{
    return CFrameWnd::OnCreate(cs) == -1 ? -1 : 0;
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg)
{
    // The keys are the window's whichever of its children has the focus: a click gives its
    // button the focus, whose system procedure would take Space and drop every other key.
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && IsChild(m_hWnd, msg->hwnd))
        msg->hwnd = m_hWnd;
    return FALSE;
}

void CMainFrame::OnKeyDown(UINT virtualKey, UINT, UINT flags)
{
    // A key held down repeats; a command runs once for each press, however long it is held.
    const bool repeated = (flags & KF_REPEAT) != 0;
    switch (virtualKey) {
    case VK_TAB:
        MoveSelection(GetKeyState(VK_SHIFT) < 0 ? -1 : +1);
        break;
    case VK_DOWN:
        SelectNextButton();
        break;
    case VK_UP:
        SelectPreviousButton();
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (!repeated)
            ActivateSelectedButton();
        break;
    case VK_ESCAPE:
        if (!repeated)
            OnExit();
        break;
    default:
        break;
    }
}

// Coming back to the window, the keyboard is where the selection was.
void CMainFrame::OnSetFocus(CWnd*)
{
    if (m_selected != -1)
        FocusSelectedButton();
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
    FocusSelectedButton();
}

// The selected button holds the real focus, which every screen reader follows and speaks; it
// draws no focus rectangle, its highlight shows the selection.
void CMainFrame::FocusSelectedButton()
{
    ::SetFocus(m_buttons[m_selected]->GetSafeHwnd());
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
    // Only while the window is in front: a hover must not pull it out of the background.
    if (m_selected != -1 && GetForegroundWindow() == m_hWnd)
        FocusSelectedButton();
}

BOOL CMainFrame::OnEraseBkgnd(CDC* dc)
{
    const SIZE size = m_background.SizeAt(m_dpi);
    m_background.Draw(dc->GetSafeHdc(), {0, 0, size.cx, size.cy});
    return TRUE;
}

// The window was moved to a screen of another DPI (or that screen's scale changed): the system
// suggests the rectangle that keeps it where it was, at the new size.
LRESULT CMainFrame::OnDpiChanged(WPARAM dpi, LPARAM suggestedRect)
{
    m_dpi = LOWORD(dpi);
    const RECT* rect = reinterpret_cast<const RECT*>(suggestedRect);
    SetWindowPos(nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LoadBackground();
    LoadLogo();
    for (CRolloverBitmapButton* button : m_buttons)
        button->SetDpi(m_dpi);
    PlaceChildren();
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 0;
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
