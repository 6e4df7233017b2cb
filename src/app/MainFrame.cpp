#include "MainFrame.h"

#include "../../res/resource.h"
#include "../framework/Text.h"
#include "Language.h"

namespace {

constexpr int kWindowWidth = 635;
constexpr int kWindowHeight = 416;
// WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX: no maximize box and no sizing border.
constexpr DWORD kFrameStyle = 0x80C20000;
constexpr char kVersionSeparator[] = "  v. ";

constexpr RECT kLogoRect = {0, 0, 130, 116};
constexpr char kLogoBaseName[] = "IDB_GAME_LOGO_";
constexpr char kLogoFallbackLanguage[] = "En";

// Centred on the primary screen, the task bar ignored; C++ division truncates toward zero, so
// on a screen smaller than the window the overhang is split the same way.
RECT CentredWindowRect()
{
    RECT screen = {};
    GetClientRect(GetDesktopWindow(), &screen);
    RECT rect;
    rect.left = (screen.right - kWindowWidth) / 2;
    rect.top = (screen.bottom - kWindowHeight) / 2;
    rect.right = rect.left + kWindowWidth;
    rect.bottom = rect.top + kWindowHeight;
    return rect;
}

} // namespace

CMainFrame::CMainFrame()
{
    const RECT rect = CentredWindowRect();
    ReadUserLocale(m_language, m_country);
    LookupInstallation();
    m_title = GetGameTitle(m_language);
    const std::string caption = m_title + kVersionSeparator + m_version;

    Create(nullptr, caption.c_str(), kFrameStyle, rect);
    ModifyStyle(0, WS_SYSMENU);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINFRAME));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    m_background.LoadBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND));
    BITMAP info = {};
    m_background.GetBitmap(&info);
    m_backgroundWidth = info.bmWidth;
    m_backgroundHeight = info.bmHeight;

    CreateLogo();
    m_manualFile = SelectManualFile(m_language, m_country);
    CreateButtonColumn();
}

CMainFrame::~CMainFrame()
{
    m_background.DeleteObject();
    for (CRolloverBitmapButton* button : m_buttons)
        delete button;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    return CFrameWnd::PreCreateWindow(cs) ? TRUE : FALSE;
}

void CMainFrame::CreateLogo()
{
    // The logo carries Play's identifier, so clicking it plays whatever the top button shows.
    m_logo.Create(nullptr, kOwnerDrawButtonStyle, kLogoRect, this, IDC_PLAY_BTN);
    const std::string name = kLogoBaseName + m_language;
    if (!m_logo.LoadBitmaps(name.c_str()))
        m_logo.LoadBitmaps((std::string(kLogoBaseName) + kLogoFallbackLanguage).c_str());
    // Never drawn: screen readers say the game's title for it.
    ::SetWindowTextW(m_logo.GetSafeHwnd(), Widen(m_title, kGameNamesCodePage).c_str());
}
