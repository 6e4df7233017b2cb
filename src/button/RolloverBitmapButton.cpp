#include "RolloverBitmapButton.h"

#include "../framework/HighContrast.h"
#include "../framework/SystemLibrary.h"

BEGIN_MESSAGE_MAP(CRolloverBitmapButton, CBitmapButton)
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
END_MESSAGE_MAP()

CRolloverBitmapButton::~CRolloverBitmapButton()
{
    ReleasePictures();
}

void CRolloverBitmapButton::OnMouseMove(UINT flags, POINT point)
{
    // Wine can deliver moves of a visit after its leave, even out of order; arming on one would
    // bring a hover, and a lit button, for a visit that has ended. Where the pointer is now
    // tells a late move from a return, however soon the return comes.
    if (!m_bTracking && IsPointerOnButton()) {
        // Both notifications are one-shot and re-armed only after the leave, so each visit
        // brings at most one hover.
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = 1;
        m_bTracking = comctl32::TrackMouseEvent(&track) && IsTrackedBySystem();
    }
    DefWindowProc(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y));
}

LRESULT CRolloverBitmapButton::OnMouseHover(WPARAM, LPARAM)
{
    // The flag is set before the listener runs so that whatever the listener decides for this
    // button is what the repaint shows.
    m_bHover = true;
    if (m_pListener != nullptr)
        m_pListener->OnButtonHover(this);
    Invalidate(TRUE);
    return 0;
}

LRESULT CRolloverBitmapButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracking = false;
    m_bHover = false;
    if (m_pListener != nullptr)
        m_pListener->OnButtonLeave(this);
    Invalidate(TRUE);
    return 0;
}

// The system decides by the pointer too, a moment later: where it finds the pointer elsewhere by
// then, Wine tracks nothing, sends no leave and says so only when asked. Believed tracked, the
// button would never arm again; so it asks, and the next move tries again.
bool CRolloverBitmapButton::IsTrackedBySystem() const
{
    TRACKMOUSEEVENT query = {};
    query.cbSize = sizeof(query);
    query.dwFlags = TME_QUERY;
    return comctl32::TrackMouseEvent(&query) && query.hwndTrack == m_hWnd &&
           (query.dwFlags & TME_LEAVE) != 0;
}

bool CRolloverBitmapButton::IsPointerOnButton() const
{
    POINT pointer;
    return GetCursorPos(&pointer) && WindowFromPoint(pointer) == m_hWnd;
}

void CRolloverBitmapButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    // In high contrast the label itself, in the system's button colours; lit or held, in its
    // highlight colours.
    if (IsHighContrastOn()) {
        const bool lit = m_bHover || (item->itemState & ODS_SELECTED) != 0;
        DrawWindowTextPlainly(*item, lit ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT,
                              lit ? COLOR_HIGHLIGHT : COLOR_BTNFACE, true, m_dpi);
        return;
    }
    const CPicture* picture = &Shown(m_bitmapUp, m_upName);
    if ((item->itemState & ODS_SELECTED) && Shown(m_bitmapDown, m_downName).IsLoaded())
        picture = &m_bitmapDown;
    else if ((item->itemState & ODS_DISABLED) && Shown(m_bitmapDisabled, m_disabledName).IsLoaded())
        picture = &m_bitmapDisabled;
    else if (m_bHover && Shown(m_bitmapRollover, m_rolloverName).IsLoaded())
        picture = &m_bitmapRollover;
    BlitPicture(*picture, *item);
}

const CPicture& CRolloverBitmapButton::Shown(CPicture& picture, const std::string& name)
{
    if (!picture.IsLoaded() && !name.empty())
        picture.Load(name.c_str(), m_dpi);
    return picture;
}

void CRolloverBitmapButton::SetDpi(UINT dpi)
{
    CBitmapButton::SetDpi(dpi);
    ReleasePictures();
}
