// The toolkit splitter's drag without live sizing: an inverted tracker
// follows the mouse inside the panes' minimum sizes, the panes are sized
// once when the button is released, and a lost capture sizes nothing.
#include "toolkit/frame/XTSplitterWnd.h"

#include "framework/Afx.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTSplitterTestFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records each tracker inversion and draws on a given DC.
class CXTTrackerProbe : public CXTSplitterWnd
{
public:
    void OnInvertTracker(const CRect& rect) override
    {
        inverted.push_back(rect.left);
        CXTSplitterWnd::OnInvertTracker(rect);
    }
    void Draw(HDC hDC, const CRect& rect, HBRUSH hBrush) const { DrawTrackerOn(hDC, rect, hBrush); }
    std::vector<LONG> inverted;
};

// The three-pane splitter, dragged without live sizing.
class XTSplitterTrackerTest : public toolkit_test::XTThreePaneSplitterTest
{
protected:
    void SetUp() override
    {
        XTThreePaneSplitterTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_FALSE(m_splitter.IsLiveDrag());
    }
    void Send(UINT message, int x) { m_splitter.SendMessage(message, MK_LBUTTON, MAKELPARAM(x, 50)); }
};

TEST_F(XTSplitterTrackerTest, TrackerFollowsWithinTheMinimumsAndSizesOnRelease)
{
    struct Case
    {
        const char* name;
        int xRelease;
        int nWidth0;
        int nWidth1;
    };
    // The bar is taken 3 pixels inside (x = 103): its left edge is x - 3.
    const Case cases[] = {
        { "to the right", 153, 150, 70 },
        { "past the next pane's minimum", 400, 210, 10 },
        { "past the pane's own minimum", 0, 10, 210 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_splitter.SetColumnInfo(0, 100, 10);
        m_splitter.SetColumnInfo(1, 120, 10);
        m_splitter.RecalcLayout();
        Send(WM_LBUTTONDOWN, 103);
        EXPECT_EQ(100, m_splitter.GetTrackerRect().left);
        Send(WM_MOUSEMOVE, 123);
        Send(WM_MOUSEMOVE, c.xRelease);
        EXPECT_EQ(100, Width(0));   // nothing sized while the tracker moves
        EXPECT_EQ(c.nWidth0, m_splitter.GetTrackerRect().left);
        Send(WM_LBUTTONUP, c.xRelease);
        EXPECT_EQ(c.nWidth0, Width(0));
        EXPECT_EQ(c.nWidth1, Width(1));
        EXPECT_TRUE(m_splitter.GetTrackerRect().IsRectEmpty());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(XTSplitterTrackerTest, LostCaptureEndsTheDragWithoutSizing)
{
    Send(WM_LBUTTONDOWN, 103);
    ASSERT_EQ(m_splitter.m_hWnd, ::GetCapture());
    Send(WM_MOUSEMOVE, 160);
    ::ReleaseCapture();
    EXPECT_FALSE(m_splitter.m_bTracking);
    EXPECT_TRUE(m_splitter.GetTrackerRect().IsRectEmpty());
    Send(WM_LBUTTONUP, 160);
    EXPECT_EQ(100, Width(0));
    EXPECT_EQ(120, Width(1));
}

TEST(XTSplitterTrackerDraw, TrackerInvertsTheBarsLastFourPixelsOrDotsItsFrame)
{
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        CRect rect;
        CRect inverted;   // empty: a dotted frame instead
    };
    const Case cases[] = {
        { "column bar", 0, CRect(10, 0, 16, 40), CRect(12, 0, 16, 40) },
        { "row bar", 0, CRect(0, 10, 40, 16), CRect(0, 12, 40, 16) },
        { "dotted", SPLITSTYLE_DOTTRACKER, CRect(10, 0, 16, 40), CRect(0, 0, 0, 0) },
    };
    const COLORREF clrFace = RGB(200, 200, 200);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CXTTrackerProbe splitter;
        splitter.SetSplitStyle(c.dwStyle);
        toolkit_test::CCanvas canvas(40, 40, clrFace);
        splitter.Draw(canvas.dc, c.rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        if (!c.inverted.IsRectEmpty())
        {
            EXPECT_EQ(c.inverted.Width() * c.inverted.Height(), canvas.Count(clrFace ^ 0xFFFFFF, CRect(0, 0, 40, 40)));
            EXPECT_EQ(clrFace ^ 0xFFFFFF, canvas.At(c.inverted.left, c.inverted.top));
            EXPECT_EQ(clrFace ^ 0xFFFFFF, canvas.At(c.inverted.right - 1, c.inverted.bottom - 1));
        }
        else
        {
            // Every other pixel of the frame's outline, nothing inside.
            const int nOutline = 2 * (c.rect.Width() + c.rect.Height()) - 4;
            EXPECT_EQ(nOutline / 2, canvas.Count(clrFace ^ 0xFFFFFF, c.rect));
            CRect inside = c.rect;
            inside.DeflateRect(1, 1);
            EXPECT_EQ(0, canvas.Count(clrFace ^ 0xFFFFFF, inside));
        }
    }
}

TEST_F(XTSplitterTrackerTest, TrackerIsErasedWhereItWasBeforeItIsDrawnAgain)
{
    CXTTrackerProbe splitter;
    m_splitter.DestroyWindow();
    m_panes.clear();
    ASSERT_TRUE(splitter.CreateStatic(&m_parent, 1, 2, WS_CHILD | WS_VISIBLE, 100));
    splitter.MoveWindow(0, 0, 300, 100);
    splitter.SetColumnInfo(0, 100, 10);
    splitter.RecalcLayout();
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(103, 50));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(133, 50));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(133, 50));
    // Drawn, erased and drawn at the new place, erased at the end.
    EXPECT_EQ((std::vector<LONG>{ 100, 100, 130, 130 }), splitter.inverted);
}

} // namespace
