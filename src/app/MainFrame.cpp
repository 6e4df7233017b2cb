#include "MainFrame.h"

#include "../../res/resource.h"
#include "../framework/SystemLibrary.h"
#include "../framework/Text.h"
#include "Language.h"

namespace {

constexpr int kWindowWidth = 635;
constexpr int kWindowHeight = 416;
// The client area the background fills; at 96 DPI the frame is made by its outer size.
constexpr RECT kClientRect = {0, 0, 635, 395};
// WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX: no maximize box and no sizing border.
constexpr DWORD kFrameStyle = 0x80C20000;
constexpr wchar_t kVersionSeparator[] = L"  v. ";
constexpr UINT_PTR kOpeningSoundTimer = 1;
// How long the process may outlive its window for a sound, in milliseconds.
constexpr DWORD kLongestLastSound = 1000;

constexpr RECT kLogoRect = {0, 0, 130, 116};
constexpr char kLogoBaseName[] = "IDB_GAME_LOGO_";
constexpr char kLogoFallbackLanguage[] = "En";

// Centred on the primary screen, the task bar ignored; C++ division truncates toward zero, so
// on a screen smaller than the window the overhang is split the same way.
RECT CentredWindowRect(int width, int height)
{
    RECT screen = {};
    GetClientRect(GetDesktopWindow(), &screen);
    RECT rect;
    rect.left = (screen.right - width) / 2;
    rect.top = (screen.bottom - height) / 2;
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return rect;
}

} // namespace

CMainFrame::CMainFrame()
{
    ReadUserLocale(m_language, m_country);
    LookupInstallation();
    m_title = GetGameTitle(m_language);
    // The version is the game file's text, in the system's code page.
    const WideString caption = m_title + kVersionSeparator + Widen(m_version);

    // Made at the system's DPI, placed by PreCreateWindow once the styles it is sized for are
    // known; should its screen have another DPI by now, it is fitted again before it is shown.
    m_dpi = user32::GetDpiForSystem();
    Create(nullptr, caption.c_str(), kFrameStyle, RECT{});
    ModifyStyle(0, WS_SYSMENU);
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINFRAME));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (const UINT dpi = user32::GetDpiForWindow(m_hWnd); dpi != m_dpi) {
        m_dpi = dpi;
        FitWindowToDpi();
    }

    LoadBackground();
    CreateLogo();
    m_manualFile = SelectManualFile(m_language, m_country);
    CreateButtonColumn();
    // A timer's message comes once every window has painted: the first frame never waits for
    // the sound.
    if (m_sounds.Has(SOUND_OPENING))
        SetTimer(m_hWnd, kOpeningSoundTimer, 0, nullptr);
}

CMainFrame::~CMainFrame()
{
    // The window has gone; the press that closed it is still heard to its end.
    m_sounds.LetFinish(kLongestLastSound);
    for (CRolloverBitmapButton* button : m_buttons)
        delete button;
}

RECT CMainFrame::WindowRectAtDpi(DWORD style, DWORD exStyle) const
{
    const SIZE size = WindowSizeAtDpi(m_dpi, style, exStyle);
    return CentredWindowRect(size.cx, size.cy);
}

SIZE CMainFrame::WindowSizeAtDpi(UINT dpi, DWORD style, DWORD exStyle)
{
    if (dpi == kDesignDpi)
        return {kWindowWidth, kWindowHeight};
    // Above 96 DPI the caption and frame grow too: the window is sized from its client area,
    // so that they never eat into the background.
    RECT frame = ScaleToDpi(kClientRect, dpi);
    user32::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

SIZE CMainFrame::WindowSizeAtDpi(UINT dpi) const
{
    return WindowSizeAtDpi(dpi, static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)),
                           static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE)));
}

void CMainFrame::FitWindowToDpi()
{
    const SIZE size = WindowSizeAtDpi(m_dpi);
    const RECT rect = CentredWindowRect(size.cx, size.cy);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
}

// The frame's thickness at a DPI is the system's to decide: Windows 8.1 does not scale
// captions, and Wine keeps every window's at the system's DPI. What the client area misses or
// has over is measured and put right.
void CMainFrame::FitClientArea()
{
    if (m_dpi == kDesignDpi)
        return;
    const RECT wanted = ScaleToDpi(kClientRect, m_dpi);
    RECT client, window;
    GetClientRect(m_hWnd, &client);
    GetWindowRect(m_hWnd, &window);
    const int missingWidth = wanted.right - client.right,
              missingHeight = wanted.bottom - client.bottom;
    if (missingWidth != 0 || missingHeight != 0)
        SetWindowPos(nullptr, 0, 0, window.right - window.left + missingWidth,
                     window.bottom - window.top + missingHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::LoadBackground()
{
    m_background.Load(MAKEINTRESOURCEA(IDB_BACKGROUND), MAKEINTRESOURCEA(IDB_BACKGROUND_2X), m_dpi);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // Sized for the system menu the constructor adds once the window exists.
    const RECT rect = WindowRectAtDpi(static_cast<DWORD>(cs.style) | WS_SYSMENU, cs.dwExStyle);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    return TRUE;
}

void CMainFrame::CreateLogo()
{
    // The logo carries Play's identifier, so clicking it plays whatever the top button shows.
    m_logo.Create(nullptr, kOwnerDrawButtonStyle, ScaleToDpi(kLogoRect, m_dpi), this, IDC_PLAY_BTN);
    LoadLogo();
    // Never drawn: screen readers say the game's title for it.
    ::SetWindowTextW(m_logo.GetSafeHwnd(), m_title.c_str());
}

void CMainFrame::LoadLogo()
{
    m_logo.SetDpi(m_dpi);
    const std::string name = kLogoBaseName + m_language;
    if (!m_logo.LoadBitmaps(name.c_str()))
        m_logo.LoadBitmaps((std::string(kLogoBaseName) + kLogoFallbackLanguage).c_str());
}

void CMainFrame::PlaceChildren()
{
    PlaceChild(m_logo, kLogoRect);
    PlaceColumn();
}

// In its rectangle scaled as a whole, whatever size its picture gave it.
void CMainFrame::PlaceChild(CWnd& child, const RECT& rect)
{
    const RECT scaled = ScaleToDpi(rect, m_dpi);
    child.SetWindowPos(nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                       scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
