// What only a window of this process shows: the picture fallbacks of the rollover button, which
// the launcher's own complete sets never need (the pictures built into this program,
// TestPictures.rc, lack some), how it takes a late pointer move or one stamped at the very moment
// of a leave, which no real pointer can be made to send, the caption's small icon, since Wine
// answers WM_GETICON from another process with nothing, and a move to a screen of another scale.
#include "../../src/app/MainFrame.h"
#include "../../src/framework/HighContrast.h"
#include "../../src/framework/WinApp.h"
#include "../harness/Harness.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255);

class RolloverButton : public testing::Test
{
protected:
    RolloverButton()
    {
        frame->Create(nullptr, L"test", WS_POPUP | WS_VISIBLE, {100, 100, 500, 300});
        button.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, {20, 20, 320, 52}, frame,
                      1000);
    }
    ~RolloverButton() override { frame->DestroyWindow(); }

    // The colour the button, drawn 16 pixels square in the given item state, has at the point.
    COLORREF Drawn(UINT state, POINT at = {0, 0})
    {
        HDC dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {{static_cast<DWORD>(sizeof(BITMAPINFOHEADER)), 16, 16, 1, 32, BI_RGB}};
        void* bits = nullptr;
        HGDIOBJ previous =
            SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        DRAWITEMSTRUCT item = {ODT_BUTTON,    0, 0, 0, state, button.GetSafeHwnd(), dc,
                               {0, 0, 16, 16}};
        button.DrawItem(&item);
        const COLORREF colour = GetPixel(dc, at.x, at.y);
        DeleteObject(SelectObject(dc, previous));
        DeleteDC(dc);
        return colour;
    }

    CFrameWnd* frame = new CFrameWnd; // owns itself once its window exists
    CRolloverBitmapButton button;
};

TEST_F(RolloverButton, AnIncompleteSetIsReplacedByTheWholeEnglishSet)
{
    EXPECT_TRUE(button.LoadBitmapSet("IDB_PARTIAL_BTN", "de"));
    RECT rect;
    GetWindowRect(button.GetSafeHwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 8) << "sized to the English up picture";
    EXPECT_EQ(rect.bottom - rect.top, 3);
    EXPECT_EQ(Drawn(0), kRed);
    EXPECT_EQ(Drawn(ODS_SELECTED), kYellow) << "the English down picture, not the German one";
    button.SetHover(true);
    EXPECT_EQ(Drawn(0), kWhite);
    EXPECT_EQ(Drawn(ODS_SELECTED), kYellow) << "pressed wins over the highlight";
}

// The button that Enter would run after the pointer left it keeps the focus: lit, or where the
// system shows keyboard cues, framed by a focus rectangle inside its up picture.
TEST_F(RolloverButton, KeepingTheFocusItShowsItIsSelected)
{
    BOOL cues = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    EXPECT_TRUE(button.LoadBitmapSet("IDB_PARTIAL_BTN", "en"));
    const POINT cue = {4, 3}; // on the focus rectangle's dotted line
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "cues shown" : "cues hidden");
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(shown), 0);
        EXPECT_EQ(Drawn(ODS_FOCUS), shown ? kRed : kWhite);
        EXPECT_NE(Drawn(ODS_FOCUS, cue), kRed) << "a focus rectangle or the rollover";
        EXPECT_EQ(Drawn(0, cue), kRed) << "without the focus, up";
        button.SetHover(true);
        EXPECT_EQ(Drawn(ODS_FOCUS, cue), kWhite) << "lit by the pointer: the rollover alone";
        button.SetHover(false);
    }
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(cues != FALSE), 0);
}

TEST_F(RolloverButton, AnIncompleteEnglishSetEndsTheFallbackAndShowsTheUpPicture)
{
    EXPECT_TRUE(button.LoadBitmapSet("IDB_BROKEN_BTN", "xx"));
    button.SetHover(true);
    EXPECT_EQ(Drawn(ODS_SELECTED), kRed);
    EXPECT_EQ(Drawn(0), kRed);
    // Nothing at all of that name: nothing drawn, nothing kept.
    EXPECT_TRUE(button.LoadBitmapSet("IDB_NO_SUCH_BTN", "de"));
    EXPECT_EQ(Drawn(0), RGB(0, 0, 0));
}

// Only a whole large picture of twice the small one's size is shown, in every bit of its colour;
// any other leaves the small one enlarged. A garbled one is drawn as it decodes, never a crash.
TEST(Picture, ALargePictureDamagedOrMissingLeavesTheSmallOneEnlarged)
{
    const std::pair<const char*, COLORREF> cases[] = {{"IDB_WHOLE_2X", RGB(0x12, 0x34, 0x56)},
                                                      {"IDB_WRONG_SIZE_2X", kRed},
                                                      {"IDB_CUT_2X", kRed},
                                                      {"IDB_NONE_2X", kRed},
                                                      {"IDB_GARBLED_2X", CLR_INVALID}};
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, CreateBitmap(16, 6, 1, 32, nullptr));
    for (const auto& [name, colour] : cases) {
        CPicture picture;
        ASSERT_TRUE(picture.Load("IDB_PARTIAL_BTN_UP_EN", name, 2 * USER_DEFAULT_SCREEN_DPI));
        const SIZE size = picture.SizeAt(2 * USER_DEFAULT_SCREEN_DPI);
        EXPECT_EQ(size.cx * 1000 + size.cy, 16006) << name;
        picture.Draw(dc, {0, 0, 16, 6});
        EXPECT_TRUE(colour == CLR_INVALID || GetPixel(dc, 8, 3) == colour) << name;
    }
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
}

// A name outside the system's code page (Russian on a Western system) is kept whole: an ANSI
// window, or one subclassed by an ANSI procedure, turns it into question marks.
TEST_F(RolloverButton, KeepsANameOutsideTheSystemsCodePage)
{
    const std::wstring name = L"\x0423\x0441\x0442\x0430\x043D\x043E\x0432\x0438\x0442\x044C";
    SetWindowTextW(button.GetSafeHwnd(), name.c_str());
    EXPECT_EQ(testenv::Narrow(TextOf(button.GetSafeHwnd())), testenv::Narrow(name));
    CButton named;
    named.Create(name.c_str(), WS_CHILD, {0, 0, 10, 10}, frame, 1001);
    EXPECT_EQ(testenv::Narrow(TextOf(named.GetSafeHwnd())), testenv::Narrow(name));
}

// Makes GetMessageTime answer the present tick: the time of a message just taken off the queue.
void TakeAMessageStampedNow()
{
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    MSG message;
    PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE);
}

// Wine can deliver a move of a visit after its leave: with the pointer gone it starts no visit.
// With the pointer on the button a move starts one, even stamped at the leave's very moment.
TEST_F(RolloverButton, OnlyAPointerOnTheButtonStartsAVisit)
{
    const auto leaveThenMove = [&](POINT pointer) {
        MovePointer(pointer);
        Settle(300);
        TakeAMessageStampedNow();
        ::SendMessageW(button.GetSafeHwnd(), WM_MOUSELEAVE, 0, 0);
        ::SendMessageW(button.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        Settle(300);
        return button.IsHovered();
    };
    RECT rect;
    GetWindowRect(button.GetSafeHwnd(), &rect);
    EXPECT_TRUE(leaveThenMove({rect.left + 10, rect.top + 10})) << "a return within the tick";
    EXPECT_FALSE(leaveThenMove(kParkedPointer)) << "a late move of a visit that has ended";
}

// The launcher's own window, made in this process.
class LauncherWindow : public testing::Test
{
protected:
    LauncherWindow() { app.m_pMainWnd = frame; }
    ~LauncherWindow() override
    {
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
        MSG quit; // the one the closing frame posts
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    HWND Window() const { return frame->GetSafeHwnd(); }

    CWinApp app;
    CMainFrame* frame = new CMainFrame; // owns itself once its window exists
};

TEST_F(LauncherWindow, TheCaptionCarriesTheLaunchersIcon)
{
    ICONINFO info = {};
    EXPECT_TRUE(GetIconInfo(
        reinterpret_cast<HICON>(::SendMessageW(Window(), WM_GETICON, ICON_SMALL, 0)), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// Wine gives every screen one scale, so no window of it is ever moved to a screen of another:
// the messages such a move brings are sent here. The suggested rectangles are the old window
// scaled, which Windows 8.1 (captions unscaled) and Wine (frames at the system's DPI) get wrong:
// the window takes their place, and the size its client area needs; at 192 DPI every place and
// picture is doubled.
TEST_F(LauncherWindow, OnAScreenOfAnotherScaleTakesTheSuggestedPlaceAndScalesItsContent)
{
    ShowWindow(Window(), SW_SHOWNA);
    for (const UINT dpi : {120u, 168u, 192u, 96u}) {
        SCOPED_TRACE(dpi);
        SIZE size = {1, 1};
        EXPECT_TRUE(
            ::SendMessageW(Window(), WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)));
        RECT suggested = {0, 20, MulDiv(635, dpi, 96), 20 + MulDiv(416, dpi, 96)}, window, client;
        ::SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        Settle();
        GetWindowRect(Window(), &window);
        GetClientRect(Window(), &client);
        EXPECT_EQ(window.left * 1000 + window.top, 20) << "the suggested place";
        if (dpi == USER_DEFAULT_SCREEN_DPI) {
            EXPECT_EQ((window.right - window.left) * 1000 + window.bottom - window.top, 635416);
        } else {
            EXPECT_EQ(client.right * 1000 + client.bottom,
                      MulDiv(635, dpi, 96) * 1000 + MulDiv(395, dpi, 96));
            EXPECT_GE(size.cx * 1000 + size.cy, client.right * 1000 + client.bottom)
                << "asked the size first";
        }
        if (dpi == 192) {
            RECT exit;
            GetWindowRect(GetDlgItem(Window(), kExitId), &exit);
            MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&exit), 2);
            EXPECT_EQ(exit.left * 1000 + exit.top, 342692) << "the Exit button's place, doubled";
            EXPECT_EQ(exit.right * 1000 + exit.bottom, 942756);
            EXPECT_EQ(PixelsDiffering(Window(), exit, L"IDB_EXIT_BTN_UP_EN_2X", {0, 0}, {600, 64}),
                      0);
            // Right of the column and below where the example game's descriptions show.
            EXPECT_EQ(PixelsDiffering(Window(), {950, 340, 1270, 790},
                                      LargestBitmap(L"#131").c_str(), {950, 340}, {1270, 790}),
                      0)
                << "the large background";
        }
    }
    // Made larger than its picture, the window paints the rest over what was there.
    SetWindowPos(Window(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HDC screen = GetDC(Window());
    const RECT stale = {0, 0, 700, 500};
    FillRect(screen, &stale, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RedrawWindow(Window(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GetPixel(screen, 680, 10), RGB(0, 0, 0)) << "right of the background";
    ReleaseDC(Window(), screen);
}

// Wine always reports high contrast off: the system's answer is switched here, the window told as
// Windows tells it, and looked at.
TEST_F(LauncherWindow, InHighContrastShowsItsTextsInTheSystemsColours)
{
    const auto switchTo = [&](int answer) {
        SetHighContrastAnswer(answer);
        ::SendMessageW(Window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        Settle();
    };
    const auto count = [&](const RECT& rect, int colour) {
        return PixelsOfColour(Window(), rect, GetSysColor(colour));
    };
    ShowWindow(Window(), SW_SHOWNA);
    ::SendMessageW(Window(), WM_KEYDOWN, VK_TAB, 0);
    switchTo(TRUE);
    // Inside the frames of the top button (Install, selected) and of Exit; the logo's place; the
    // rest, above where the example game's descriptions show.
    RECT top;
    GetWindowRect(GetDlgItem(Window(), kInstallId), &top);
    MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&top), 2);
    InflateRect(&top, -2, -2);
    const RECT exit = {173, 348, 469, 376}, logo = {0, 0, 130, 116}, plain = {480, 0, 620, 20};
    EXPECT_EQ(count(plain, COLOR_WINDOW), 140 * 20) << "a plain window";
    EXPECT_GT(count(logo, COLOR_WINDOWTEXT), 20) << "the title in place of the logo";
    EXPECT_GT(count(exit, COLOR_BTNFACE), 296 * 28 / 2);
    EXPECT_GT(count(exit, COLOR_BTNTEXT), 20) << "Exit's label";
    EXPECT_GT(count(top, COLOR_HIGHLIGHT), 296 * 28 / 2) << "the selection";
    EXPECT_GT(count(top, COLOR_HIGHLIGHTTEXT), 20) << "its label";
    switchTo(kAskTheSystem);
    EXPECT_EQ(
        PixelsDiffering(Window(), {171, 346, 471, 378}, L"IDB_EXIT_BTN_UP_EN", {0, 0}, {300, 32}),
        0)
        << "the pictures again once it is off";
}

} // namespace
