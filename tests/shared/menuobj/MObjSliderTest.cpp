#include "shared/menuobj/MObjSlider.h"

#include "MixerRecorder.h"

#include <gtest/gtest.h>

using mixer_testing::MixerRecorder;

namespace {

const int kSliderId = 5006;
const COLORREF kColour = RGB(200, 200, 100);

} // namespace

TEST(MObjSliderTest, DesignModeObjectMakesAnInactiveTrackbarOfCorrectedSizeThatFollowsTheObject)
{
    MixerRecorder recorder;
    CWnd page;
    ASSERT_TRUE(page.CreateEx(0, nullptr, "Page", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    struct
    {
        RECT rcStruct;
        SIZE sizeWindow;
    } cases[] = { { { 10, 10, 40, 50 }, { 50, 25 } }, { { 10, 60, 210, 70 }, { 200, 16 } } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.sizeWindow.cx);
        CMObjCreateStruct crStruct;
        crStruct.m_rect = c.rcStruct;
        CMObjSlider slider;
        ASSERT_TRUE(slider.Create(&crStruct, &page, kSliderId, kColour, TRUE));
        EXPECT_EQ(kSliderId, crStruct.m_nID);
        EXPECT_EQ(kColour, crStruct.m_crColor);
        const CSpeakerSlider& wnd = slider.GetSlider();
        EXPECT_TRUE(wnd.IsEditMode());
        EXPECT_EQ(DWORD(CMObjSlider::kTrackbarStyle), wnd.GetStyle() & 0xFFFF);
        CRect rcWnd;
        wnd.GetWindowRect(rcWnd);
        EXPECT_EQ(c.sizeWindow.cx, rcWnd.Width());
        EXPECT_EQ(c.sizeWindow.cy, rcWnd.Height());

        // The object moves its trackbar; the struct keeps the object's rectangle.
        slider.MoveTo(100, 120, 60, 20);
        wnd.GetWindowRect(rcWnd);
        page.ScreenToClient(rcWnd);
        EXPECT_EQ(CPoint(100, 120), rcWnd.TopLeft());
        EXPECT_TRUE(::EqualRect(CRect(100, 120, 160, 140), &crStruct.m_rect));
    }
    page.DestroyWindow();
    EXPECT_EQ(0, recorder.Total());
}
