#include "shared/menuobj/MObjBasis.h"

#include "TestWindows.h"
#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

using menuobj_testing::BitmapCanvas;
using testing_values::Ints;

namespace {

// An object with its rectangle, as the container leaves it after creation.
class CTestObject : public CMObjBasis
{
public:
    CTestObject(const RECT& rc, BOOL bEditMode, CWnd* pParent = nullptr, CWnd* pMoveWnd = nullptr)
    {
        m_pCrStruct = &m_struct;
        m_struct.m_rect = rc;
        Init(rc, pParent, pMoveWnd, bEditMode);
    }

    CMObjCreateStruct m_struct;
};

// A page window with a child that stands for an object's window.
class PageWindow
{
public:
    PageWindow()
    {
        EXPECT_TRUE(m_page.CreateEx(0, nullptr, "Page", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        EXPECT_TRUE(m_child.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_page, 100));
    }

    CWnd m_page;
    CWnd m_child;
};

CRect ChildRect(CWnd& child)
{
    CRect rc;
    child.GetWindowRect(rc);
    child.GetParent()->ScreenToClient(rc);
    return rc;
}

} // namespace

TEST(MObjBasisTest, SnapRoundsTowardZeroOnTheGrid)
{
    CTestObject object(CRect(0, 0, 10, 10), TRUE);
    static const struct { int nStep, v, nSnapped; } kCases[] = {
        { 1, 57, 57 }, { 0, 57, 57 }, { -5, 57, 57 }, { 10, 57, 50 }, { 10, -7, 0 },
        { 10, -17, -10 }, { 10, 50, 50 }, { 2, 3, 2 },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.nStep << " " << c.v);
        object.SetGridSize(c.nStep);
        EXPECT_EQ(c.nSnapped, object.Snap(c.v));
    }
}

// The frame lies three pixels outside; hit tests leave the right and bottom
// edges outside.
TEST(MObjBasisTest, FrameAndHitTests)
{
    CTestObject object(CRect(10, 20, 110, 46), TRUE);
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(object.GetObjectRect()));
    EXPECT_EQ(CRect(7, 17, 113, 49), CRect(object.GetFrameRect()));
    EXPECT_EQ((Ints{ 1, 1, 0, 0, 0 }), (Ints{ object.HitTest(10, 20), object.HitTest(109, 45), object.HitTest(110, 30),
                                             object.HitTest(50, 46), object.HitTest(9, 30) }));
    EXPECT_EQ((Ints{ 1, 1, 0, 0 }),
              (Ints{ object.IsInsideRect(CRect(10, 20, 110, 46)), object.IsInsideRect(CRect(0, 0, 400, 300)),
                     object.IsInsideRect(CRect(11, 20, 110, 46)), object.IsInsideRect(CRect(10, 20, 109, 46)) }));
}

TEST(MObjBasisTest, CanMoveByKeepsTheFrameInsideTheWindow)
{
    // Frame (7, 17) - (113, 49) in a window of 200 by 100.
    CTestObject object(CRect(10, 20, 110, 46), TRUE);
    object.SetSelected(TRUE);
    static const struct { int dx, dy; BOOL bAllowed; } kCases[] = {
        { -7, 0, TRUE },  { -8, 0, FALSE }, { 87, 0, TRUE },  { 88, 0, FALSE }, { 0, -17, TRUE },
        { 0, -18, FALSE }, { 0, 51, TRUE }, { 0, 52, FALSE }, { -7, 51, TRUE }, { 87, -18, FALSE },
        { 0, 0, TRUE },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        EXPECT_EQ(c.bAllowed, object.CanMoveBy(c.dx, c.dy, 200, 100));
    }

    // Objects that do not follow the drag never refuse it.
    object.SetSelected(FALSE);
    EXPECT_TRUE(object.CanMoveBy(-100, -100, 200, 100));
    CTestObject running(CRect(10, 20, 110, 46), FALSE);
    running.SetSelected(TRUE);
    EXPECT_TRUE(running.CanMoveBy(-100, -100, 200, 100));
}

TEST(MObjBasisTest, ADraggedFrameBecomesTheSnappedRectangleOfObjectStructAndWindow)
{
    PageWindow page;
    CTestObject object(CRect(10, 20, 110, 46), TRUE, &page.m_page, &page.m_child);
    object.SetGridSize(10);
    object.SetSelected(TRUE);
    EXPECT_TRUE(object.OffsetDragFrame(17, 25));
    EXPECT_EQ(CRect(24, 42, 130, 74), CRect(object.GetFrameRect()));
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(object.GetObjectRect()));

    object.ApplyDragFrame();
    CRect expected(20, 40, 120, 66);
    EXPECT_EQ(expected, CRect(object.GetObjectRect()));
    EXPECT_EQ(expected, CRect(object.m_struct.m_rect));
    EXPECT_EQ(CRect(17, 37, 123, 69), CRect(object.GetFrameRect()));
    EXPECT_EQ(expected, ChildRect(page.m_child));
}

TEST(MObjBasisTest, ObjectsInRunModeIgnoreDrags)
{
    PageWindow page;
    CTestObject object(CRect(10, 20, 110, 46), FALSE, &page.m_page, &page.m_child);
    object.SetSelected(TRUE);
    EXPECT_FALSE(object.OffsetDragFrame(5, 5));
    object.ApplyDragFrame();
    EXPECT_EQ(CRect(7, 17, 113, 49), CRect(object.GetFrameRect()));
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(object.m_struct.m_rect));

    CTestObject unselected(CRect(10, 20, 110, 46), TRUE);
    EXPECT_FALSE(unselected.OffsetDragFrame(5, 5));
    EXPECT_EQ(CRect(7, 17, 113, 49), CRect(unselected.GetFrameRect()));
}

TEST(MObjBasisTest, MoveToSnapsTheCornerAndKeepsTheSize)
{
    PageWindow page;
    CTestObject object(CRect(0, 0, 10, 10), FALSE, &page.m_page, &page.m_child);
    object.SetGridSize(10);
    object.MoveTo(57, 33, 80, 25);
    CRect expected(50, 30, 130, 55);
    EXPECT_EQ(expected, CRect(object.GetObjectRect()));
    EXPECT_EQ(expected, CRect(object.m_struct.m_rect));
    EXPECT_EQ(expected, ChildRect(page.m_child));
}

TEST(MObjBasisTest, ASelectedObjectInDesignModeDrawsThreeFrames)
{
    CTestObject object(CRect(10, 10, 40, 30), TRUE);
    const COLORREF kBlue = RGB(0, 0, 128);
    {
        BitmapCanvas canvas(60, 50, kBlue);
        object.Draw(canvas.DC());
        EXPECT_EQ(kBlue, canvas.Pixel(7, 7));
    }
    object.SetSelected(TRUE);
    BitmapCanvas canvas(60, 50, kBlue);
    object.Draw(canvas.DC());
    // Frames on (7, 7) - (43, 33), one pixel in and two pixels in; nothing inside or outside.
    for (int nInset = 0; nInset < 3; ++nInset)
    {
        SCOPED_TRACE(nInset);
        for (int x = 7 + nInset; x < 43 - nInset; ++x)
            EXPECT_NE(kBlue, canvas.Pixel(x, 7 + nInset)) << x;
    }
    EXPECT_EQ((Ints{ int(kBlue), int(kBlue), int(kBlue) }),
              (Ints{ int(canvas.Pixel(6, 6)), int(canvas.Pixel(10, 10)), int(canvas.Pixel(25, 20)) }));

    CTestObject running(CRect(10, 10, 40, 30), FALSE);
    running.SetSelected(TRUE);
    BitmapCanvas runCanvas(60, 50, kBlue);
    running.Draw(runCanvas.DC());
    EXPECT_EQ(kBlue, runCanvas.Pixel(7, 7));
}

TEST(MObjBasisTest, TheTabLabelShowsTheNumberOnRed)
{
    PageWindow page;
    CTestObject object(CRect(30, 40, 130, 66), TRUE, &page.m_page);
    object.ShowTabLabel(TRUE, 3);
    EXPECT_TRUE(object.HasTabLabel());
    EXPECT_EQ(3, object.GetTabNumber());
    HWND hLabel = ::GetDlgItem(page.m_page, 0xFFFF);
    ASSERT_NE(nullptr, hLabel);
    CWnd* pLabel = CWnd::FromHandle(hLabel);
    EXPECT_EQ(CRect(31, 41, 51, 59), ChildRect(*pLabel));
    CString strText;
    pLabel->GetWindowText(strText);
    EXPECT_EQ("3", strText);

    EXPECT_EQ(3, object.SetTabNumber(12));
    pLabel->GetWindowText(strText);
    EXPECT_EQ("12", strText);

    // The label paints its number on red.
    HDC hDC = ::GetDC(hLabel);
    LRESULT hBrush = page.m_page.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hLabel);
    LOGBRUSH lb = {};
    ASSERT_NE(0, ::GetObjectA((HBRUSH)hBrush, sizeof(lb), &lb));
    EXPECT_EQ(RGB(255, 0, 0), lb.lbColor);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(hDC));
    ::ReleaseDC(hLabel, hDC);

    object.ShowTabLabel(FALSE, 12);
    EXPECT_FALSE(object.HasTabLabel());
    EXPECT_EQ(nullptr, ::GetDlgItem(page.m_page, 0xFFFF));
    EXPECT_EQ(12, object.GetTabNumber());
}
