#include "RolloverBitmapButton.h"

#include "../framework/Dpi.h"
#include "../framework/HighContrast.h"
#include "../framework/SystemLibrary.h"

BEGIN_MESSAGE_MAP(CRolloverBitmapButton, CBitmapButton)
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
END_MESSAGE_MAP()

namespace {

// Inside the picture's own frame, as a push button draws its cue (at 96 DPI).
constexpr int kFocusCueInset = 3;

bool AreKeyboardCuesShown()
{
    BOOL shown = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &shown, 0) && shown;
}

} // namespace

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
    // The button that Enter would run shows it after the pointer has left it too: with a focus
    // rectangle where the system shows keyboard cues, else lit as for the pointer.
    const bool focused = (item->itemState & ODS_FOCUS) != 0;
    const bool cued = focused && !m_bHover && AreKeyboardCuesShown();
    const bool lit = m_bHover || (focused && !cued);
    // In high contrast the label itself, in the system's button colours; lit or held, in its
    // highlight colours.
    if (IsHighContrastOn()) {
        const bool highlighted = lit || (item->itemState & ODS_SELECTED) != 0;
        DrawWindowTextPlainly(*item, highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT,
                              highlighted ? COLOR_HIGHLIGHT : COLOR_BTNFACE, true, m_dpi);
    } else {
        const CPicture* picture = &Shown(m_bitmapUp, m_upName);
        if ((item->itemState & ODS_SELECTED) && Shown(m_bitmapDown, m_downName).IsLoaded())
            picture = &m_bitmapDown;
        else if ((item->itemState & ODS_DISABLED) &&
                 Shown(m_bitmapDisabled, m_disabledName).IsLoaded())
            picture = &m_bitmapDisabled;
        else if (lit && Shown(m_bitmapRollover, m_rolloverName).IsLoaded())
            picture = &m_bitmapRollover;
        BlitPicture(*picture, *item);
    }
    if (cued) {
        RECT cue = item->rcItem;
        const int inset = ScaleToDpi(kFocusCueInset, m_dpi);
        InflateRect(&cue, -inset, -inset);
        DrawFocusRect(item->hDC, &cue);
    }
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
