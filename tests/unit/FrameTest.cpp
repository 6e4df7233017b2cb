// The launcher window as start-up builds it, and its keyboard and hover selection.
#include "../support/FrameFixture.h"

#include "../../src/app/ButtonColumn.h"

namespace {

using Frame = FrameFixture;

CRolloverBitmapButton* Rollover(HWND button)
{
    return static_cast<CRolloverBitmapButton*>(CWnd::FromHandle(button));
}

std::wstring Caption(HWND window)
{
    wchar_t text[256];
    GetWindowTextW(window, text, 256);
    return text;
}

RECT ChildRect(HWND parent, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(Frame, IsAFixedCaptionedWindowCentredOnTheScreen)
{
    HWND frame = Start();
    const LONG style = GetWindowLongW(frame, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX | WS_SYSMENU),
              WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_VISIBLE), 0);
    EXPECT_TRUE(GetWindowLongW(frame, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    RECT screen, window;
    GetClientRect(GetDesktopWindow(), &screen);
    GetWindowRect(frame, &window);
    EXPECT_EQ(window.left, (screen.right - 635) / 2);
    EXPECT_EQ(window.top, (screen.bottom - 416) / 2);
    EXPECT_EQ(window.right - window.left, 635);
    EXPECT_EQ(window.bottom - window.top, 416);
    EXPECT_NE(SendMessageW(frame, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(Frame, CaptionCarriesTheGamesVersion)
{
    EXPECT_EQ(Caption(Start()), L"Zentrava: Kelvane 2  v. 0.0.0") << "no game: version unknown";
    DestroyWindow(m_frame);

    // The registered executable's version; the default one when none is registered.
    disc.CopyIn(testenv::Programs() + L"\\stub_long_version.exe", L"bin\\Tarvok2.exe");
    EXPECT_EQ(Caption(Start()).substr(0, 30), L"Zentrava: Kelvane 2  v. 0.1.2.");
    DestroyWindow(m_frame);

    TestRegistry::SetString(
        HKEY_LOCAL_MACHINE, kTestGameKeyWow64, "AppFile",
        testenv::Narrow(testenv::Programs() + L"\\stub_one_translation.exe", CP_ACP));
    EXPECT_EQ(Caption(Start()), L"Zentrava: Kelvane 2  v. 1.2.3 beta");
}

TEST_F(Frame, LogoAndColumnSitWhereTheArtExpectsThem)
{
    HWND frame = Start();
    HWND logo = GetWindow(frame, GW_CHILD);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(GetDlgCtrlID(logo), IDC_PLAY_BTN);
    const RECT logoRect = ChildRect(frame, logo);
    EXPECT_EQ(logoRect.left, 0);
    EXPECT_EQ(logoRect.top, 0);
    EXPECT_EQ(logoRect.right, 130);
    EXPECT_EQ(logoRect.bottom, 116);

    const int column[] = {IDC_INSTALL_BTN, IDC_MANUAL_BTN, IDC_README_BTN, IDC_WEB_BTN,
                          IDC_EXIT_BTN};
    for (int slot = 0; slot < 5; ++slot) {
        HWND button = Button(column[slot]);
        ASSERT_NE(button, nullptr) << slot;
        const RECT rect = ChildRect(frame, button);
        EXPECT_EQ(rect.left, 171) << slot;
        EXPECT_EQ(rect.top, 186 + 40 * slot) << slot;
        EXPECT_EQ(rect.right - rect.left, 300) << slot;
        EXPECT_EQ(rect.bottom - rect.top, 32) << slot;
        EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & 0xFFFF000F, static_cast<LONG>(0x5000000B))
            << slot;
    }
}

TEST_F(Frame, TopButtonIsPlayOnlyWhenAnInstallationIsRegistered)
{
    Start();
    EXPECT_NE(Button(IDC_INSTALL_BTN), nullptr);
    DestroyWindow(m_frame);

    // Per-user registrations do not count at start-up; the 64-bit Windows key does.
    TestRegistry::SetString(HKEY_CURRENT_USER, kTestGameKey, "Path", "C:\\Games");
    Start();
    EXPECT_NE(Button(IDC_INSTALL_BTN), nullptr);
    DestroyWindow(m_frame);

    TestRegistry::SetString(HKEY_LOCAL_MACHINE, kTestGameKeyWow64, "Path", "C:\\Games");
    HWND frame = Start();
    EXPECT_EQ(Button(IDC_INSTALL_BTN), nullptr);
    std::vector<RECT> plays;
    for (HWND child = GetWindow(frame, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == IDC_PLAY_BTN)
            plays.push_back(ChildRect(frame, child));
    }
    ASSERT_EQ(plays.size(), 2u) << "the logo and the Play button";
    EXPECT_EQ(plays[1].left, 171);
    EXPECT_EQ(plays[1].top, 186);
}

struct KeyCase
{
    const char* name;
    std::vector<UINT> keys;
    int lit; // slot highlighted afterwards, -1 for none
};

TEST_F(Frame, NavigationKeysMoveOneHighlightAroundTheColumn)
{
    const KeyCase cases[] = {
        {"nothing", {}, -1},
        {"tab lights the top", {VK_TAB}, 0},
        {"down lights the top", {VK_DOWN}, 0},
        {"up lights exit", {VK_UP}, 4},
        {"down on exit wraps", {VK_UP, VK_DOWN}, 0},
        {"up on the top wraps", {VK_TAB, VK_UP}, 4},
        {"other keys do nothing", {VK_TAB, VK_LEFT, VK_ESCAPE, 'A'}, 0},
        {"three tabs", {VK_TAB, VK_TAB, VK_TAB}, 2},
    };
    const int column[] = {IDC_INSTALL_BTN, IDC_MANUAL_BTN, IDC_README_BTN, IDC_WEB_BTN,
                          IDC_EXIT_BTN};
    for (const KeyCase& c : cases) {
        Start();
        for (UINT key : c.keys)
            Key(key);
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(Rollover(Button(column[slot]))->IsHovered(), slot == c.lit)
                << c.name << ", slot " << slot;
        DestroyWindow(m_frame);
        m_frame = nullptr;
    }
}

TEST_F(Frame, HoverMovesTheSelectionAndKeysGoOnFromThere)
{
    Start();
    Key(VK_TAB);
    SendMessageW(Button(IDC_WEB_BTN), WM_MOUSEHOVER, 0, 0);
    EXPECT_FALSE(Rollover(Button(IDC_INSTALL_BTN))->IsHovered());
    EXPECT_TRUE(Rollover(Button(IDC_WEB_BTN))->IsHovered());
    Key(VK_TAB);
    EXPECT_FALSE(Rollover(Button(IDC_WEB_BTN))->IsHovered());
    EXPECT_TRUE(Rollover(Button(IDC_EXIT_BTN))->IsHovered());

    // Leaving clears the button's own highlight but keeps the selection.
    SendMessageW(Button(IDC_EXIT_BTN), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Rollover(Button(IDC_EXIT_BTN))->IsHovered());
    Key(VK_DOWN);
    EXPECT_TRUE(Rollover(Button(IDC_INSTALL_BTN))->IsHovered());
}

TEST_F(Frame, EnterAndSpaceRunTheSelectedButtonsCommand)
{
    Start();
    Key(VK_RETURN);
    Key(VK_SPACE);
    EXPECT_TRUE(recording.Calls().empty()) << "no selection: nothing runs";
    EXPECT_FALSE(CloseRequested());

    Key(VK_TAB);
    Key(VK_SPACE);
    ASSERT_EQ(recording.Calls().size(), 1u) << "the top button is Install";
    EXPECT_EQ(recording.Calls()[0].file, L".\\setup.exe");
    EXPECT_TRUE(CloseRequested());

    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_TRUE(CloseRequested()) << "Exit";
    EXPECT_EQ(recording.Calls().size(), 1u);
}

} // namespace
