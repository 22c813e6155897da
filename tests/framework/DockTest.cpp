// Docking: the rows of a dock bar as arithmetic, and bars docked in a frame's
// dock bars at rectangles, around a status bar and a view.
#include "framework/Afx.h"

#include "TestResources.h"
#include "BarTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dock_test {

using bar_test_support::CBoxBar;
using bar_test_support::RectText;

TEST(DockRows, BarsShareRowsGoBackToTheirPlacesAndWrapPastTheEnd)
{
    struct Case
    {
        const char* name;
        std::vector<AFX_DOCKITEM> items;
        std::vector<const char*> rects;
        std::vector<BOOL> wrapped;
        const char* size;
    };
    const Case cases[] = {
        { "two rows", { { CSize(100, 20), 0, TRUE }, { CSize(50, 30), 0, FALSE }, { CSize(80, 20), 0, TRUE } },
          { "0,0,100,20", "100,0,150,30", "0,30,80,50" }, { FALSE, FALSE, FALSE }, "150,50" },
        { "where the user left it", { { CSize(100, 20), 0, TRUE }, { CSize(50, 20), 220, FALSE } },
          { "0,0,100,20", "220,0,270,20" }, { FALSE, FALSE }, "270,20" },
        { "pushed back from the end", { { CSize(100, 20), 0, TRUE }, { CSize(50, 20), 380, FALSE } },
          { "0,0,100,20", "350,0,400,20" }, { FALSE, FALSE }, "400,20" },
        { "not pushed before the row's position", { { CSize(300, 20), 0, TRUE }, { CSize(150, 20), 0, FALSE } },
          { "0,0,300,20", "300,0,450,20" }, { FALSE, FALSE }, "450,20" },
        { "starting at the end wraps",
          { { CSize(200, 20), 0, TRUE }, { CSize(200, 25), 0, FALSE }, { CSize(100, 20), 0, FALSE } },
          { "0,0,200,20", "200,0,400,25", "0,25,100,45" }, { FALSE, FALSE, TRUE }, "400,45" },
        { "a first bar never wraps", { { CSize(500, 20), 0, TRUE } }, { "0,0,500,20" }, { FALSE }, "500,20" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSize size;
        std::vector<AFX_DOCKPLACE> places = AfxLayoutDockRows(c.items, 400, &size);
        ASSERT_EQ(c.rects.size(), places.size());
        for (size_t i = 0; i < places.size(); ++i)
        {
            EXPECT_EQ(c.rects[i], RectText(places[i].rect)) << i;
            EXPECT_EQ(c.wrapped[i], places[i].bWrapped) << i;
        }
        EXPECT_EQ(c.size, std::to_string(size.cx) + "," + std::to_string(size.cy));
    }
}

class CDockFrame : public bar_test_support::CPaneFrame
{
public:
    int nEndDrags = 0;
    BOOL CreateFrame() { return CreatePaneFrame("Docking"); }

protected:
    void OnEndDrag(NMHDR*, LRESULT*) { ++nEndDrags; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockFrame, CFrameWnd)
    ON_NOTIFY(TBN_ENDDRAG, AFX_IDW_TOOLBAR, OnEndDrag)
END_MESSAGE_MAP()

TEST(Docking, DockBarsLieBetweenTheStatusBarAndTheBarsMadeAfterThem)
{
    CDockFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    frame.EnableDocking(CBRS_ALIGN_ANY);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&frame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&toolBar);
    CBoxBar docked(CSize(60, 30));
    ASSERT_TRUE(docked.Create(&frame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 50));
    docked.EnableDocking(CBRS_ALIGN_LEFT);
    frame.DockControlBar(&docked);
    CBoxBar after(CSize(25, 25));
    ASSERT_TRUE(after.Create(&frame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 51));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();

    CRect client;
    frame.GetClientRect(&client);
    CRect rectStatus = frame.ChildRect(status);
    CRect rectTop = frame.ChildRect(*frame.DockBar(AFX_IDW_DOCKBAR_TOP));
    CRect rectLeft = frame.ChildRect(*frame.DockBar(AFX_IDW_DOCKBAR_LEFT));
    CRect rectAfter = frame.ChildRect(after);
    CRect rectPane = frame.ChildRect(frame.pane);
    EXPECT_EQ(client.bottom, rectStatus.bottom);
    EXPECT_EQ(RectText(CRect(0, 0, client.right, toolBar.CalcFixedLayout(FALSE, TRUE).cy)), RectText(rectTop));
    EXPECT_EQ(RectText(CRect(0, rectTop.bottom, 30, rectStatus.top)), RectText(rectLeft));
    EXPECT_EQ(RectText(CRect(30, rectTop.bottom, 55, rectStatus.top)), RectText(rectAfter));
    EXPECT_EQ(RectText(CRect(55, rectTop.bottom, client.right, rectStatus.top)), RectText(rectPane));
    // The docked bars took their dock bars' sides.
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, toolBar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(frame.DockBar(AFX_IDW_DOCKBAR_LEFT), docked.m_pDockBar);
    EXPECT_EQ(frame.DockBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd, ::GetParent(docked.m_hWnd));

    // Notifications of a docked tool bar reach the frame.
    bar_test_support::SendToolBarEndDrag(toolBar);
    EXPECT_EQ(1, frame.nEndDrags);

    // Hiding the tool bar gives its row to the pane.
    frame.ShowControlBar(&toolBar, FALSE, FALSE);
    EXPECT_EQ(0, frame.ChildRect(frame.pane).top);
    frame.DestroyWindow();
}

TEST(Docking, AroundAnMdiClientTheClientGetsWhatTheDockBarsAndBarsLeave)
{
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTMDI));
    CStatusBar status;
    ASSERT_TRUE(status.Create(pFrame));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(pFrame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&toolBar);
    CBoxBar docked(CSize(60, 30));
    ASSERT_TRUE(docked.Create(pFrame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 52));
    docked.EnableDocking(CBRS_ALIGN_LEFT);
    pFrame->DockControlBar(&docked);
    CBoxBar after(CSize(25, 25));
    ASSERT_TRUE(after.Create(pFrame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 53));
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->RecalcLayout();

    auto childRect = [&](HWND hWnd) {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        pFrame->ScreenToClient(&rect);
        return rect;
    };
    CRect client;
    pFrame->GetClientRect(&client);
    CRect rectStatus = childRect(status.m_hWnd);
    CRect rectTop = childRect(pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd);
    CRect rectLeft = childRect(pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd);
    EXPECT_EQ(client.bottom, rectStatus.bottom);
    EXPECT_EQ(RectText(CRect(0, rectTop.bottom, 30, rectStatus.top)), RectText(rectLeft));
    EXPECT_EQ(RectText(CRect(30, rectTop.bottom, 55, rectStatus.top)), RectText(childRect(after.m_hWnd)));
    EXPECT_EQ(RectText(CRect(55, rectTop.bottom, client.right, rectStatus.top)),
              RectText(childRect(pFrame->m_hWndMDIClient)));
    // Hidden, the tool bar gives its row to the client.
    pFrame->ShowControlBar(&toolBar, FALSE, FALSE);
    EXPECT_EQ(0, childRect(pFrame->m_hWndMDIClient).top);
    pFrame->DestroyWindow();
}

TEST(Docking, BarsDockedAtRectanglesShareOrStartRowsAndALongRowWraps)
{
    CDockFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.EnableDocking(CBRS_ALIGN_ANY);
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    CRect client;
    frame.GetClientRect(&client);
    const int nWidth = client.Width() / 2;
    CBoxBar a(CSize(nWidth, 30)), b(CSize(nWidth, 30)), c(CSize(60, 30)), d(CSize(60, 30));
    CBoxBar* bars[] = { &a, &b, &c, &d };
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_TRUE(bars[i]->Create(&frame, CBRS_TOP, AFX_IDW_CONTROLBAR_FIRST + 60 + i));
        bars[i]->EnableDocking(CBRS_ALIGN_ANY);
    }
    const int A = AFX_IDW_CONTROLBAR_FIRST + 60, B = A + 1, C = A + 2, D = A + 3;
    CRect origin(0, 0, 0, 0);
    frame.DockBar(AFX_IDW_DOCKBAR_TOP)->ClientToScreen(&origin);
    auto At = [&](int x, int y, int cx) {
        return CRect(origin.left + x, origin.top + y, origin.left + x + cx, origin.top + y + 30);
    };

    frame.DockControlBar(&a, AFX_IDW_DOCKBAR_TOP, At(0, 0, nWidth));
    CRect rect = At(nWidth + 10, 5, 60);
    frame.DockControlBar(&c, AFX_IDW_DOCKBAR_TOP, &rect);   // same row, after a
    EXPECT_EQ((std::vector<int>{ A, C, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    rect = At(0, 40, 60);
    frame.DockControlBar(&d, AFX_IDW_DOCKBAR_TOP, &rect);   // below: a new row
    EXPECT_EQ((std::vector<int>{ A, C, 0, D, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    rect = At(-100, -20, 60);
    frame.DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect);   // above: a new first row
    EXPECT_EQ((std::vector<int>{ B, 0, A, C, 0, D, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    frame.RecalcLayout();
    EXPECT_EQ(90, frame.ChildRect(*frame.DockBar(AFX_IDW_DOCKBAR_TOP)).Height());
    EXPECT_EQ(RectText(CRect(nWidth + 10, 30, nWidth + 70, 60)), RectText(frame.ChildRect(c)));

    // b joins a's row at its end: the row no longer fits, c starts at the end and wraps.
    rect = At(nWidth + 5, 35, 60);
    frame.DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect);
    EXPECT_EQ((std::vector<int>{ A, B, 0, C, 0, D, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(90, frame.ChildRect(*frame.DockBar(AFX_IDW_DOCKBAR_TOP)).Height());

    // Docked elsewhere, a bar leaves its place; docked back without a rectangle it takes it again.
    frame.DockControlBar(&c, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ((std::vector<int>{ A, B, 0, -1, 0, D, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, c.GetBarStyle() & CBRS_ALIGN_ANY);
    frame.DockControlBar(&c, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ((std::vector<int>{ A, B, 0, C, 0, D, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(0, frame.DockBar(AFX_IDW_DOCKBAR_LEFT)->GetDockedCount());
    frame.DestroyWindow();
}

TEST(Docking, WithoutADockBarIdTheBarTakesTheFirstSideItMayDockAt)
{
    CDockFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM);
    struct Case
    {
        const char* name;
        DWORD dwBarStyle;
        DWORD dwDockStyle;
        UINT nExpected;   // 0: not docked
    };
    const Case cases[] = {
        { "its own side", CBRS_LEFT, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_LEFT },
        { "no single side", CBRS_NOALIGN, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_BOTTOM },
        { "its side is not allowed", CBRS_TOP, CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT },
        { "nowhere allowed", CBRS_TOP, CBRS_ALIGN_TOP, 0 },
    };
    UINT nID = AFX_IDW_CONTROLBAR_FIRST + 70;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CBoxBar bar;
        ASSERT_TRUE(bar.Create(&frame, c.dwBarStyle, nID++));
        bar.EnableDocking(c.dwDockStyle);
        frame.DockControlBar(&bar);
        EXPECT_EQ(c.nExpected, bar.m_pDockBar ? (UINT)bar.m_pDockBar->GetDlgCtrlID() : 0u);
    }
    frame.DestroyWindow();
}

class CThrowingFrame : public CFrameWnd
{
public:
    void PostNcDestroy() override {}

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        AfxThrowResourceException();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Docking, AnExceptionOutOfOnCreateFailsTheCreation)
{
    testing_support::MessageBoxRecorder boxes;
    CThrowingFrame frame;
    EXPECT_FALSE(frame.Create(nullptr, "Throws", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200)));
    EXPECT_EQ(nullptr, frame.m_hWnd);
    EXPECT_EQ(1u, boxes.Count());
}

} // namespace dock_test
