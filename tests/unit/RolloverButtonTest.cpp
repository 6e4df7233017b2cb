// The rollover button on its own: its pictures, its drawing and a real pointer.
#include "../../src/button/RolloverBitmapButton.h"
#include "../../src/framework/FrameWnd.h"
#include "../support/Input.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255);

class CountingListener : public ButtonEventsListner
{
public:
    void OnButtonHover(CRolloverBitmapButton* button) override
    {
        ++hovers;
        last = button;
    }
    int hovers = 0;
    CRolloverBitmapButton* last = nullptr;
};

class RolloverButton : public testing::Test
{
protected:
    RolloverButton()
    {
        const RECT frameRect = {100, 100, 500, 300};
        frame->Create(nullptr, "test", WS_POPUP | WS_VISIBLE, frameRect);
        const RECT rect = {20, 20, 320, 52};
        button.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, frame, 1000);
        button.SetListener(&listener);
    }
    ~RolloverButton() override { frame->DestroyWindow(); }

    // The colour the button draws at its top-left corner in the given item state.
    COLORREF Drawn(UINT state)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc, target);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.itemState = state;
        item.hwndItem = button.GetSafeHwnd();
        item.hDC = dc;
        item.rcItem = {0, 0, 2, 2};
        button.DrawItem(&item);
        const COLORREF colour = GetPixel(dc, 0, 0);
        SelectObject(dc, previous);
        DeleteObject(target);
        DeleteDC(dc);
        return colour;
    }

    SIZE Size() const
    {
        RECT rect;
        GetWindowRect(button.GetSafeHwnd(), &rect);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }

    CFrameWnd* frame = new CFrameWnd; // owns itself once its window exists
    CRolloverBitmapButton button;
    CountingListener listener;
};

TEST_F(RolloverButton, AnIncompleteSetIsReplacedByTheWholeEnglishSet)
{
    EXPECT_TRUE(button.LoadBitmapSet("IDB_PARTIAL_BTN", "de"));
    EXPECT_EQ(Size().cx, 8) << "sized to the English up picture";
    EXPECT_EQ(Size().cy, 3);
    EXPECT_EQ(Drawn(0), kRed);
    EXPECT_EQ(Drawn(ODS_SELECTED), kYellow) << "the English down picture, not the German one";
    EXPECT_EQ(Drawn(ODS_FOCUS), kRed) << "never a focus look";
    button.SetHover(true);
    EXPECT_EQ(Drawn(0), kWhite);
    EXPECT_EQ(Drawn(ODS_SELECTED), kYellow) << "pressed wins over the highlight";
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

TEST_F(RolloverButton, OneHoverPerVisitOfTheRealPointer)
{
    ASSERT_TRUE(button.LoadBitmapSet("IDB_PLAY_BTN", "en"));
    MovePointer({5, 5});
    MovePointer({200, 140}); // inside the button
    MovePointer({210, 142});
    MovePointer({230, 138});
    EXPECT_EQ(listener.hovers, 1);
    EXPECT_EQ(listener.last, &button);
    EXPECT_TRUE(button.IsHovered());

    MovePointer({5, 5});
    EXPECT_FALSE(button.IsHovered()) << "leaving clears the highlight";
    EXPECT_EQ(listener.hovers, 1) << "leaving tells nobody";
    MovePointer({200, 140});
    EXPECT_EQ(listener.hovers, 2) << "a new visit";
    MovePointer({5, 5});
}

} // namespace
