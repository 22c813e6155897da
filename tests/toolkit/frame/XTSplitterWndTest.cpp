// The toolkit's splitter: hiding and showing columns and rows, the active
// pane moving on, exchanged views, style flags, live dragging and how its
// boxes, borders and bars are painted.
#include "toolkit/frame/XTSplitterWnd.h"

#include "toolkit/frame/XTGlobalData.h"

#include "framework/Afx.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTSplitterTestFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class XTSplitterTest : public toolkit_test::XTThreePaneSplitterTest
{
protected:
    CWnd* Pane(int col) { return m_panes[(size_t)col].get(); }
    // The parent stays hidden (a shown top-level window costs Wine seconds to destroy).
    BOOL Visible(int col) { return (Pane(col)->GetStyle() & WS_VISIBLE) != 0; }
};

TEST_F(XTSplitterTest, HiddenColumnComesBackInItsPlaceWithItsWidth)
{
    ASSERT_EQ(120, Width(1));
    m_splitter.CollapseColumn(1);
    EXPECT_EQ(2, m_splitter.GetColumnCount());
    EXPECT_EQ(1, m_splitter.GetCollapsedColumn());
    EXPECT_FALSE(Visible(1));
    EXPECT_EQ(Pane(2), m_splitter.GetPane(0, 1));
    EXPECT_EQ(100, Width(0));

    m_splitter.RestoreColumn();
    EXPECT_EQ(3, m_splitter.GetColumnCount());
    EXPECT_EQ(-1, m_splitter.GetCollapsedColumn());
    EXPECT_TRUE(Visible(1));
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(Pane(col), m_splitter.GetPane(0, col));
    EXPECT_EQ(100, Width(0));
    EXPECT_EQ(120, Width(1));
}

TEST_F(XTSplitterTest, HidingTheActiveColumnActivatesTheNext)
{
    struct Case
    {
        int nActive;
        int nNext;
    };
    const Case cases[] = { { 1, 2 }, { 2, 0 } };
    m_parent.ShowWindow(SW_SHOW);
    m_parent.SetActiveWindow();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nActive);
        Pane(c.nActive)->SetFocus();
        ASSERT_EQ(Pane(c.nActive)->m_hWnd, ::GetFocus());
        m_splitter.CollapseColumn(c.nActive);
        EXPECT_EQ(Pane(c.nNext)->m_hWnd, ::GetFocus());
        m_splitter.RestoreColumn();
    }
}

TEST_F(XTSplitterTest, WhatCannotBeHiddenOrShownChangesNothing)
{
    struct Case
    {
        const char* name;
        void (*act)(CXTSplitterWnd&);
    };
    const Case cases[] = {
        { "column -1", [](CXTSplitterWnd& s) { s.CollapseColumn(-1); } },
        { "column past the last", [](CXTSplitterWnd& s) { s.CollapseColumn(3); } },
        { "the only row", [](CXTSplitterWnd& s) { s.CollapseRow(0); } },
        { "restore with nothing hidden", [](CXTSplitterWnd& s) { s.RestoreColumn(); } },
        { "restore a row with nothing hidden", [](CXTSplitterWnd& s) { s.RestoreRow(); } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.act(m_splitter);
        EXPECT_EQ(3, m_splitter.GetColumnCount());
        EXPECT_EQ(1, m_splitter.GetRowCount());
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(Pane(col), m_splitter.GetPane(0, col));
        EXPECT_EQ(120, Width(1));
    }
    // Hiding a second column shows the first again; two of three hidden never happens.
    m_splitter.CollapseColumn(0);
    m_splitter.CollapseColumn(2);
    EXPECT_EQ(2, m_splitter.GetColumnCount());
    EXPECT_EQ(Pane(0), m_splitter.GetPane(0, 0));
    EXPECT_EQ(Pane(1), m_splitter.GetPane(0, 1));
}

TEST_F(XTSplitterTest, SwapAndSubstituteExchangeThePaneId)
{
    CWnd other;
    ASSERT_TRUE(other.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &m_splitter, 5));
    EXPECT_FALSE(m_splitter.SwapPaneViews(0, 1, Pane(1)));
    EXPECT_EQ(Pane(1), m_splitter.GetPane(0, 1));

    EXPECT_TRUE(m_splitter.SwapPaneViews(0, 1, &other));
    EXPECT_EQ(&other, m_splitter.GetPane(0, 1));
    EXPECT_EQ(5, Pane(1)->GetDlgCtrlID());

    EXPECT_EQ(nullptr, m_splitter.SubstituteView(0, 1, &other));
    EXPECT_EQ(&other, m_splitter.SubstituteView(0, 1, Pane(1)));
    EXPECT_EQ(Pane(1), m_splitter.GetPane(0, 1));
    EXPECT_EQ(0, other.GetDlgCtrlID());
    EXPECT_FALSE(other.IsWindowVisible());
}

class CChangedView : public CView
{
    DECLARE_DYNCREATE(CChangedView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { ++nInitialUpdates; }
    int nInitialUpdates = 0;
};
IMPLEMENT_DYNCREATE(CChangedView, CView)

TEST_F(XTSplitterTest, ChangedViewTakesThePaneAndItsSize)
{
    EXPECT_EQ(Pane(1), m_splitter.ChangeView(0, 1, RUNTIME_CLASS(CChangedView)));
    CChangedView* pView = dynamic_cast<CChangedView*>(m_splitter.GetPane(0, 1));
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(1, pView->nInitialUpdates);
    EXPECT_EQ(0, Pane(1)->GetDlgCtrlID());
    EXPECT_FALSE(Pane(1)->IsWindowVisible());
    EXPECT_EQ(120, Width(1));
    CRect rect;
    pView->GetClientRect(&rect);
    EXPECT_EQ(120, rect.Width());
    EXPECT_EQ(nullptr, m_splitter.ChangeView(0, 1, RUNTIME_CLASS(CChangedView)));
    EXPECT_EQ(pView, m_splitter.GetPane(0, 1));
}

TEST_F(XTSplitterTest, NoSizeStyleAnswersBorderAndNoFullDragIgnoresTheSystem)
{
    CPoint point(105, 50);
    m_splitter.ClientToScreen(&point);
    EXPECT_EQ(HTCLIENT, m_splitter.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
    m_splitter.SetSplitStyle(SPLITSTYLE_NOSIZE);
    EXPECT_EQ(HTBORDER, m_splitter.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));

    BOOL bSaved = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bSaved, 0);
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    m_splitter.SetSplitStyle(SPLITSTYLE_NOFULLDRAG);
    m_splitter.SendMessage(WM_SETTINGCHANGE, SPI_SETDRAGFULLWINDOWS);
    EXPECT_FALSE(m_splitter.IsLiveDrag());
    m_splitter.SetSplitStyle(0);
    EXPECT_TRUE(m_splitter.IsLiveDrag());
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, bSaved, nullptr, 0);
}

TEST_F(XTSplitterTest, DraggingABarResizesThePanesAtEachMove)
{
    // Live only while the system drags full windows.
    BOOL bSaved = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bSaved, 0);
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    m_splitter.SetSplitStyle(0);
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, bSaved, nullptr, 0);
    ASSERT_TRUE(m_splitter.IsLiveDrag());
    const int x = 103;   // inside the bar right of column 0
    m_splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 50));
    for (int dx : { 20, 50, -30 })
    {
        SCOPED_TRACE(dx);
        m_splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, 50));
        EXPECT_EQ(100 + dx, Width(0));
    }
    m_splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x - 30, 50));
    EXPECT_EQ(70, Width(0));
}

TEST_F(XTSplitterTest, BoxesBordersAndBarsArePaintedInTheLookOfTheDay)
{
    struct Access : CXTSplitterWnd
    {
        using CXTSplitterWnd::OnDrawSplitter;
    };
    const CXTGlobalData& d = xtAfxData;
    const COLORREF none = RGB(255, 0, 255);
    struct Case
    {
        const char* name;
        int nType;
        BOOL bFlat;
        DWORD dwStyle;
        // Pixels: outer top-left, outer bottom-right, inner top-left, inner bottom-right, the middle.
        COLORREF clr[5];
    };
    const Case cases[] = {
        { "box, classic", 0, FALSE, 0,
          { d.m_clr3DFace, d.m_clrWindowFrame, d.m_clr3DHilight, d.m_clr3DShadow, d.m_clr3DFace } },
        { "box, flat", 0, TRUE, 0,
          { d.m_clr3DFace, d.m_clr3DFace, d.m_clr3DShadow, d.m_clr3DHilight, d.m_clr3DFace } },
        { "border, classic", 1, FALSE, 0,
          { d.m_clr3DShadow, d.m_clr3DHilight, d.m_clrWindowFrame, d.m_clr3DFace, none } },
        { "border, flat", 1, TRUE, 0,
          { d.m_clr3DFace, d.m_clr3DFace, d.m_clr3DShadow, d.m_clr3DHilight, none } },
        { "border, flat, none asked for", 1, TRUE, SPLITSTYLE_NOBORDER, { none, none, none, none, none } },
        { "bar", 2, FALSE, 0, { d.m_clr3DFace, d.m_clr3DFace, d.m_clr3DFace, d.m_clr3DFace, d.m_clr3DFace } },
    };
    toolkit_test::FlatLookScope look;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        xtAfxData.m_bFlatLook = c.bFlat;
        m_splitter.SetSplitStyle(c.dwStyle);
        toolkit_test::CCanvas canvas(20, 20, none);
        static_cast<Access&>(m_splitter).OnDrawSplitter(&canvas.dc, c.nType, CRect(2, 2, 18, 18));
        const CPoint at[] = { CPoint(2, 2), CPoint(17, 17), CPoint(3, 3), CPoint(16, 16), CPoint(10, 10) };
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c.clr[i], canvas.At(at[i].x, at[i].y)) << i;
        EXPECT_EQ(none, canvas.At(1, 1));
    }
    m_splitter.SetSplitStyle(0);
}

} // namespace
