#include "shared/menuobj/SpeakerSlider.h"

#include "MixerRecorder.h"

#include "shared/menuobj/MObjCreateStruct.h"

#include <gtest/gtest.h>

using mixer_testing::MixerRecorder;

namespace {

const UINT kSliderId = 5003;
const COLORREF kColour = RGB(10, 120, 200);

// One visible page for the whole suite: showing and destroying a top-level
// window is slow under the test platform.
class SpeakerSliderTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_pPage = new CWnd;
        EXPECT_TRUE(s_pPage->CreateEx(0, nullptr, "Page", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
    }
    static void TearDownTestSuite()
    {
        delete s_pPage;
        s_pPage = nullptr;
    }
    CWnd* Page() { return s_pPage; }

    static CWnd* s_pPage;
};

CWnd* SpeakerSliderTest::s_pPage = nullptr;

void Click(CWnd& wnd, int x, int y)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

} // namespace

TEST_F(SpeakerSliderTest, CreationCorrectsTheRectangleAndMakesAVisibleChild)
{
    struct
    {
        RECT rcIn;
        RECT rcExpected;
    } cases[] = {
        { { 10, 20, 40, 60 }, { 10, 20, 60, 45 } },     // too narrow and too high
        { { 10, 20, 210, 30 }, { 10, 20, 210, 36 } },   // too low
        { { 0, 0, 80, 20 }, { 0, 0, 80, 20 } },         // fits
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.rcIn.right);
        CSpeakerSlider slider;
        ASSERT_TRUE(slider.CreateSlider(TBS_BOTH | TBS_NOTICKS, c.rcIn, Page(), kSliderId, kColour));
        EXPECT_EQ(CRect(c.rcExpected), CRect(slider.GetCreateRect()));
        CRect rcWnd;
        slider.GetWindowRect(rcWnd);
        Page()->ScreenToClient(rcWnd);
        EXPECT_EQ(CRect(c.rcExpected), rcWnd);
        EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE), slider.GetStyle() & (WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(CSize(0, 100), CSize(slider.GetRangeMin(), slider.GetRangeMax())) << "range";
    }
}

TEST_F(SpeakerSliderTest, ReflectedColourMessageAnswersTheBackgroundBrush)
{
    CSpeakerSlider slider;
    ASSERT_TRUE(slider.CreateSlider(0, CRect(0, 0, 100, 20), Page(), kSliderId, kColour));
    CClientDC dc(&slider);
    HBRUSH hBrush = (HBRUSH)Page()->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.GetSafeHdc(), (LPARAM)slider.m_hWnd);
    LOGBRUSH lb = {};
    ASSERT_EQ(int(sizeof(lb)), ::GetObjectA(hBrush, sizeof(lb), &lb));
    EXPECT_EQ(kColour, lb.lbColor);
}

// Paint, clicks, drags and destruction of a slider in design mode.
TEST_F(SpeakerSliderTest, DesignModeSliderNeverCallsAMixerFunction)
{
    MixerRecorder recorder;
    {
        CSpeakerSlider slider;
        ASSERT_TRUE(slider.CreateSlider(TBS_BOTH | TBS_NOTICKS, CRect(10, 10, 210, 35), Page(), kSliderId, kColour));
        slider.SetEditMode(TRUE);
        EXPECT_TRUE(slider.GetMixer().IsInactive());
        slider.UpdateWindow();
        EXPECT_TRUE(slider.IsInitialised());
        EXPECT_EQ(0, slider.GetPos());

        slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
        slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 10));
        EXPECT_TRUE(slider.IsDragging());
        slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 10));
        slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(150, 10));
        EXPECT_FALSE(slider.IsDragging());
        Click(slider, 2, 10);
        Click(slider, 198, 10);
    }
    EXPECT_EQ(0, recorder.Total());
}

TEST_F(SpeakerSliderTest, RunModeSliderShowsTheVolumeAndSetsItsEndsNearTheEdges)
{
    MixerRecorder recorder;
    {
        CSpeakerSlider slider;
        ASSERT_TRUE(slider.CreateSlider(TBS_BOTH | TBS_NOTICKS, CRect(10, 10, 210, 35), Page(), kSliderId, kColour));
        slider.UpdateWindow();
        EXPECT_EQ(1, recorder.Count("Open"));
        EXPECT_EQ(25, slider.GetPos());   // 16384 of 65535

        Click(slider, 2, 10);
        EXPECT_EQ(0u, MixerRecorder::Volume());
        Click(slider, 200 - CSpeakerSlider::kEndMargin, 10);
        EXPECT_EQ(65535u, MixerRecorder::Volume());

        // Moves over the same point hand the position on once.
        int nSetsBefore = recorder.Count("SetControlDetails");
        slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
        slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
        slider.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(70, 10));
        EXPECT_EQ(nSetsBefore + 1, recorder.Count("SetControlDetails"));
    }
    EXPECT_EQ(1, recorder.Count("Close"));
}

TEST_F(SpeakerSliderTest, LinkedStructFollowsTheWindowWithItsSize)
{
    CMObjCreateStruct crStruct;
    crStruct.m_rect = CRect(10, 10, 40, 50);
    CSpeakerSlider slider;
    ASSERT_TRUE(slider.CreateSlider(0, crStruct.m_rect, Page(), kSliderId, kColour));
    slider.SetLinkedStruct(&crStruct);
    slider.MoveWindow(CRect(100, 60, 150, 85), TRUE);
    EXPECT_TRUE(::EqualRect(CRect(100, 60, 130, 100), &crStruct.m_rect));
}
