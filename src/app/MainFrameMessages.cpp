// How the running launcher window answers: painting, keyboard and hover selection, Exit.
#include "MainFrame.h"

#include "../framework/DC.h"
#include "../framework/HighContrast.h"
#include "../framework/SystemLibrary.h"

namespace {

// Switches the sounds off and on.
constexpr UINT kMuteKey = 'M';

} // namespace

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
ON_COMMAND_RANGE(IDC_FIRST_MENU_ENTRY, IDC_LAST_MENU_ENTRY, OnMenuCommand)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_NCCREATE, OnNcCreate)
ON_MESSAGE(WM_GETDPISCALEDSIZE, OnGetDpiScaledSize)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_SETTINGCHANGE, OnSystemLookChanged)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSystemLookChanged)
ON_MESSAGE(WM_TIMER, OnTimer)
ON_MESSAGE(WM_CHECK_DISC, OnCheckDiscAsked)
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
    case kMuteKey:
        if (!repeated)
            m_sounds.ToggleMuted();
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
    if (m_buttonCount == 0)
        return;
    if (m_selected != -1)
        SetButtonHover(m_selected, false);
    // From no selection, forward lands on the top button and backward on Exit.
    m_selected += step;
    if (m_selected >= m_buttonCount)
        m_selected = 0;
    else if (m_selected < 0)
        m_selected = m_buttonCount - 1;
    SetButtonHover(m_selected, true);
    FocusSelectedButton();
    ShowLitDescription();
    m_sounds.Play(SOUND_HOVER);
}

// The selected button holds the real focus, which every screen reader follows and speaks.
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
    if (m_selected < 0 || m_selected >= m_buttonCount)
        return;
    CRolloverBitmapButton* button = m_buttons[m_selected];
    // Sent, not posted: the command has run, exactly as for a click, when the key returns.
    SendMessage(WM_COMMAND, MAKEWPARAM(button->GetDlgCtrlID(), BN_CLICKED),
                reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
}

void CMainFrame::OnButtonHover(CRolloverBitmapButton* button)
{
    const int hovered = SlotOf(button);
    // The sound marks a change of the lit button. A click takes the pointer for as long as the
    // button is held, and its return to the pressed button must not cut the press's sound short.
    const bool selectionMoves = hovered != m_selected;
    if (m_selected != -1 && m_selected != hovered)
        SetButtonHover(m_selected, false);
    m_selected = hovered;
    // Only while the window is in front: a hover must not pull it out of the background.
    if (m_selected != -1 && GetForegroundWindow() == m_hWnd)
        FocusSelectedButton();
    ShowLitDescription();
    if (m_selected != -1 && selectionMoves)
        m_sounds.Play(SOUND_HOVER);
}

// The selection stays where the pointer left it; with the window's focus it stays shown, since
// Enter would run it.
void CMainFrame::OnButtonLeave(CRolloverBitmapButton*)
{
    ShowLitDescription();
}

BOOL CMainFrame::OnEraseBkgnd(CDC* dc)
{
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (IsHighContrastOn()) {
        FillRect(dc->GetSafeHdc(), &client, GetSysColorBrush(COLOR_WINDOW));
        return TRUE;
    }
    const SIZE size = m_background.SizeAt(m_dpi);
    m_background.Draw(dc->GetSafeHdc(), {0, 0, size.cx, size.cy});
    // Whatever the picture does not reach is painted too, never left with stale pixels.
    const RECT right = {size.cx, 0, client.right, client.bottom},
               below = {0, size.cy, size.cx, client.bottom};
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(dc->GetSafeHdc(), &right, black);
    FillRect(dc->GetSafeHdc(), &below, black);
    return TRUE;
}

// A per-monitor (v1) aware window's caption and frame follow its DPI only when it asks.
LRESULT CMainFrame::OnNcCreate(WPARAM wParam, LPARAM createStruct)
{
    user32::EnableNonClientDpiScaling(m_hWnd);
    return DefWindowProc(WM_NCCREATE, wParam, createStruct);
}

// Asked before the DPI changes: the size the window will want, rather than the old one scaled.
LRESULT CMainFrame::OnGetDpiScaledSize(WPARAM dpi, LPARAM size)
{
    *reinterpret_cast<SIZE*>(size) = WindowSizeAtDpi(LOWORD(dpi));
    return TRUE;
}

// The window was moved to a screen of another DPI (or that screen's scale changed): it goes
// where the system suggests, at the size its layout needs there.
LRESULT CMainFrame::OnDpiChanged(WPARAM dpi, LPARAM suggestedRect)
{
    m_dpi = LOWORD(dpi);
    const RECT* rect = reinterpret_cast<const RECT*>(suggestedRect);
    const SIZE size = WindowSizeAtDpi(m_dpi);
    SetWindowPos(nullptr, rect->left, rect->top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
    LoadBackground();
    LoadLogo();
    for (int slot = 0; slot < m_buttonCount; ++slot)
        m_buttons[slot]->SetDpi(m_dpi);
    m_description.SetDpi(m_dpi);
    PlaceChildren();
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 0;
}

// High contrast switched on or off, or the system's colours changed: everything is drawn anew.
LRESULT CMainFrame::OnSystemLookChanged(WPARAM, LPARAM)
{
    RereadHighContrast();
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 0;
}

HBRUSH CMainFrame::OnCtlColor(CDC*, CWnd*, UINT)
{
    return nullptr;
}

// The opening sound, once the window has shown itself.
LRESULT CMainFrame::OnTimer(WPARAM timer, LPARAM)
{
    KillTimer(m_hWnd, timer);
    m_sounds.Play(SOUND_OPENING);
    return 0;
}

// Every press of a column button, clicked or keyed, sounds before its command runs.
LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        SlotOf(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))) != -1)
        m_sounds.Play(SOUND_PRESS);
    return CFrameWnd::WindowProc(message, wParam, lParam);
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
