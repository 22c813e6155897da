// The toolkit's control bar and status bar: inside rectangle, gripper pixels,
// the bar-list menu and a bar's own menu, visibility listeners and idle
// show/hide, the active view of a dying bar, where the status text goes, the
// drag cursor, the style the dock bar keeps, pane widths and the flat pane
// frames.
#include "toolkit/XTResource.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockContext.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTStatusBar.h"

#include "framework/Afx.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/XTTestCanvas.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using toolkit_test::CCanvas;
using toolkit_test::FlatLookScope;

const COLORREF kMagenta = RGB(255, 0, 255);

class CTestBar : public CXTControlBar
{
public:
    BOOL Create(CWnd* pParent, DWORD dwBarStyle, UINT nID, LPCSTR lpszText = nullptr, BOOL bVisible = TRUE)
    {
        if (!CreateBar(nullptr, bVisible ? WS_VISIBLE : 0, dwBarStyle, pParent, nID))
            return FALSE;
        if (lpszText != nullptr)
            SetWindowText(lpszText);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        return CSize(bStretch && bHorz ? 32767 : 40, bStretch && !bHorz ? 32767 : 30);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++nUpdates; }
    void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int nUpdates = 0;
};

class CTestFrame : public CFrameWnd
{
public:
    BOOL CreateFrame() { return Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 340)); }
    void PostNcDestroy() override {}
};

TEST(XTControlBarLayout, InsideRectTakesBordersMarginsAndGripper)
{
    const int b2 = ::GetSystemMetrics(SM_CXBORDER) * 2;
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        BOOL bHorz;
        CRect rect;
        CRect expected;
    };
    const Case cases[] = {
        { "docked at the top with a gripper", CBRS_ALIGN_TOP | CBRS_GRIPPER, TRUE, CRect(0, 0, 100, 30),
          CRect(13, 1, 94, 29) },
        { "floating: no gripper room", CBRS_ALIGN_TOP | CBRS_GRIPPER | CBRS_FLOATING, TRUE, CRect(0, 0, 100, 30),
          CRect(6, 1, 94, 29) },
        { "docked left: margins and gripper turned", CBRS_ALIGN_LEFT | CBRS_GRIPPER, FALSE, CRect(0, 0, 30, 100),
          CRect(1, 13, 29, 94) },
        { "every border", CBRS_ALIGN_TOP | CBRS_BORDER_ANY, TRUE, CRect(0, 0, 100, 30),
          CRect(6 + b2, 1 + b2, 94 - b2, 29 - b2) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestBar bar;
        bar.SetStyle(c.dwStyle);
        CRect rect = c.rect;
        bar.CalcInsideRect(rect, c.bHorz);
        EXPECT_EQ(c.expected, rect);
    }
}

TEST(XTControlBarPaint, FlatGripperLinesStartAtTenPixels)
{
    FlatLookScope flat;
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        CRect rect;
        std::vector<CPoint> lineStarts;   // each line 3 pixels along the bar's width
    };
    const Case cases[] = {
        { "9 high: none", CBRS_ALIGN_TOP | CBRS_GRIPPER, CRect(0, 0, 30, 9), {} },
        { "10 high: one", CBRS_ALIGN_TOP | CBRS_GRIPPER, CRect(0, 0, 30, 10), { CPoint(2, 4) } },
        { "14 high: three", CBRS_ALIGN_TOP | CBRS_GRIPPER, CRect(0, 0, 30, 14),
          { CPoint(2, 4), CPoint(2, 6), CPoint(2, 8) } },
        { "10 wide, docked left", CBRS_ALIGN_LEFT | CBRS_GRIPPER, CRect(0, 0, 10, 30), { CPoint(4, 2) } },
        { "floating", CBRS_ALIGN_TOP | CBRS_GRIPPER | CBRS_FLOATING, CRect(0, 0, 30, 14), {} },
    };
    const COLORREF clrGripper = xtAfxData.m_clrFlatGripper;
    ASSERT_NE(kMagenta, clrGripper);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestBar bar;
        bar.SetStyle(c.dwStyle);
        CCanvas canvas(30, 30, kMagenta);
        bar.DrawGripper(&canvas.dc, c.rect);
        EXPECT_EQ((int)c.lineStarts.size() * 3, canvas.Count(clrGripper, CRect(0, 0, 30, 30)));
        const BOOL bHorz = (c.dwStyle & CBRS_ALIGN_TOP) != 0;
        for (const CPoint& pt : c.lineStarts)
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(clrGripper, canvas.At(pt.x + (bHorz ? i : 0), pt.y + (bHorz ? 0 : i)));
    }
}

using BarListSeen = toolkit_test::ContextMenuSeen;
using toolkit_test::RightClickMenu;

class XTBarFrameTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_frame.CreateFrame()); }
    void TearDown() override { m_frame.DestroyWindow(); }
    CTestFrame m_frame;
};

TEST_F(XTBarFrameTest, BarListMenuListsTheTakingPartBarsWithTheirVisibility)
{
    CTestBar named, unnamed, apart;
    ASSERT_TRUE(named.Create(&m_frame, CBRS_TOP, 1001, "Tools Pane"));
    ASSERT_TRUE(unnamed.Create(&m_frame, CBRS_LEFT, 1002, nullptr, FALSE));
    ASSERT_TRUE(apart.Create(&m_frame, CBRS_RIGHT, 1003, "Apart"));
    apart.m_bContextMenus = FALSE;
    CXTStatusBar status;
    ASSERT_TRUE(status.Create(&m_frame));

    BarListSeen seen = RightClickMenu(named);
    ASSERT_TRUE(seen.bSeen);
    const std::vector<std::string> expected = { "1001 Tools Pane [x]", "1002 Control Bar", "59393 Status Bar [x]" };
    EXPECT_EQ(expected, seen.entries);

    // A bar that takes no part shows no menu; nor does any bar with the option off.
    EXPECT_FALSE(RightClickMenu(apart).bSeen);
    BOOL bSaved = xtAfxData.m_bBarListMenus;
    xtAfxData.m_bBarListMenus = FALSE;
    EXPECT_FALSE(RightClickMenu(named).bSeen);
    xtAfxData.m_bBarListMenus = bSaved;

    // A bar with a menu of its own shows that one instead.
    named.SetContextMenu(XT_IDM_POPUP, 2);
    EXPECT_EQ((UINT)XT_IDM_POPUP, named.GetContextMenuID());
    BarListSeen own = RightClickMenu(named);
    ASSERT_TRUE(own.bSeen);
    ASSERT_FALSE(own.entries.empty());
    EXPECT_EQ(std::to_string(XT_IDC_SORTASC) + " Sort Ascending", own.entries[0]);
}

// Records the status-text messages a window gets.
class CMessageLog : public CWnd
{
public:
    std::vector<std::pair<UINT, WPARAM>> seen;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING || message == WM_POPMESSAGESTRING)
            seen.emplace_back(message, wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(XTBarFrameTest, StatusTextGoesToTheMainWindowUnlessTheOwnerShowsIt)
{
    CMessageLog main;
    ASSERT_TRUE(main.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    CWnd* pSavedMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = &main;
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, CBRS_TOP, 1001));
    const std::pair<UINT, WPARAM> set5(WM_SETMESSAGESTRING, 5), pop(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    struct Step
    {
        const char* name;
        BOOL bFlyBy;
        BOOL bStatusBar;
        INT_PTR nHit;
        BOOL bResult;
        std::vector<std::pair<UINT, WPARAM>> mainSees;
    };
    const Step steps[] = {
        { "no fly-by: nothing", FALSE, FALSE, 5, FALSE, {} },
        { "no status bar: the main window shows it", TRUE, FALSE, 5, TRUE, { set5 } },
        { "and takes it back", TRUE, FALSE, -1, TRUE, { pop } },
        { "a status bar of the owner's shows it", TRUE, TRUE, 5, TRUE, {} },
    };
    CXTStatusBar status;
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        bar.SetBarStyle(step.bFlyBy ? CBRS_TOP | CBRS_FLYBY : CBRS_TOP);
        if (step.bStatusBar && status.m_hWnd == nullptr)
            ASSERT_TRUE(status.Create(&m_frame));
        main.seen.clear();
        EXPECT_EQ(step.bResult, bar.SetStatusText(step.nHit));
        EXPECT_EQ(step.mainSees, main.seen);
    }
    AfxGetApp()->m_pMainWnd = pSavedMain;
    main.DestroyWindow();
}

// Asks a bar for its cursor when a posted message reaches it, as the mouse
// would inside a drag loop, and keeps what the bar set.
class CCursorProbe : public CWnd
{
public:
    CWnd* pBar = nullptr;
    HCURSOR hSeen = nullptr;

protected:
    LRESULT OnProbe(WPARAM, LPARAM)
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        pBar->SendMessage(WM_SETCURSOR, (WPARAM)pBar->m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        hSeen = ::GetCursor();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCursorProbe, CWnd)
    ON_MESSAGE(WM_APP, OnProbe)
END_MESSAGE_MAP()

TEST_F(XTBarFrameTest, TheSizeAllCursorShowsOverTheGripperAndWhileADragIsTracked)
{
    m_frame.EnableDocking(CBRS_ALIGN_ANY);
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, CBRS_TOP | CBRS_GRIPPER, 1001));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    m_frame.ShowWindow(SW_SHOWNOACTIVATE);
    m_frame.RecalcLayout();
    CRect rectWindow, rectClient;
    bar.GetWindowRect(&rectWindow);
    bar.GetClientRect(&rectClient);
    bar.ClientToScreen(&rectClient);
    ASSERT_LT(rectWindow.left, rectClient.left);
    CXTDockContext* pContext = dynamic_cast<CXTDockContext*>(bar.m_pDockContext);
    ASSERT_NE(nullptr, pContext);
    const HCURSOR hSizeAll = ::LoadCursor(nullptr, IDC_SIZEALL), hArrow = ::LoadCursor(nullptr, IDC_ARROW);
    struct Case
    {
        const char* name;
        CPoint pt;
        BOOL bTracking;
        BOOL bSizeAll;
    };
    const Case cases[] = {
        { "over the gripper", CPoint(rectWindow.left + 2, rectClient.CenterPoint().y), FALSE, TRUE },
        { "over the client area", rectClient.CenterPoint(), FALSE, FALSE },
        { "over the client area during a drag", rectClient.CenterPoint(), TRUE, TRUE },
    };
    CCursorProbe probe;
    probe.pBar = &bar;
    ASSERT_TRUE(probe.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        toolkit_test::MoveCursorTo(c.pt.x, c.pt.y);
        probe.hSeen = nullptr;
        if (c.bTracking)
        {
            // Pressed there, asked inside the drag loop, which Escape then ends.
            CPoint ptClient = c.pt;
            bar.ScreenToClient(&ptClient);
            bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
            probe.PostMessage(WM_APP);
            bar.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        }
        else
            probe.PostMessage(WM_APP);
        testing_support::PumpPendingMessages();
        EXPECT_FALSE(pContext->IsInLoop());
        EXPECT_EQ(c.bSizeAll ? hSizeAll : hArrow, probe.hSeen);
    }
    probe.DestroyWindow();
}

TEST_F(XTBarFrameTest, TheDockBarTakesOnlyThePlainSplitterBitItsBarIsGiven)
{
    CXTDockBar* pDockBar = new CXTDockBar;
    pDockBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pDockBar->Create(&m_frame, CBRS_ALIGN_LEFT, XT_IDW_DOCKBAR_LEFT));
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, CBRS_LEFT, 1001));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_frame.DockControlBar(&bar, pDockBar);
    ASSERT_EQ(pDockBar, bar.m_pDockBar);
    struct Case
    {
        const char* name;
        DWORD dwDockBarBefore;
        DWORD dwRemove, dwAdd;
        DWORD dwDockBarAfter;
    };
    const Case cases[] = {
        { "plain splitters asked for", 0, BARSTYLE_CAPTION, XT_DOCKBAR_PLAINSPLITTERS, XT_DOCKBAR_PLAINSPLITTERS },
        { "plain splitters taken away", XT_DOCKBAR_PLAINSPLITTERS | XT_DOCKBAR_NOSPLITTERLINE,
          XT_DOCKBAR_PLAINSPLITTERS, 0, XT_DOCKBAR_NOSPLITTERLINE },
        { "the bar's own bits stay with the bar", XT_DOCKBAR_PLAINSPLITTERS, 0,
          BARSTYLE_SHOWN | BARSTYLE_BUTTON_LOOK2 | BARSTYLE_CAPTION, XT_DOCKBAR_PLAINSPLITTERS },
        { "button look 2 taken away leaves the splitter line alone", XT_DOCKBAR_NOSPLITTERLINE,
          BARSTYLE_BUTTON_LOOK2, 0, XT_DOCKBAR_NOSPLITTERLINE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        pDockBar->SetDockBarStyle(c.dwDockBarBefore);
        bar.ModifyBarStyleEx(c.dwRemove, c.dwAdd, TRUE);
        EXPECT_EQ(c.dwDockBarAfter, pDockBar->GetDockBarStyle());
    }
}

TEST_F(XTBarFrameTest, DelayedShowTellsListenersAndAppliesAtIdle)
{
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, CBRS_TOP, 1001));
    std::vector<BOOL> told;
    bar.AddNotify(&told, [](void* pObject, BOOL bVisible) { static_cast<std::vector<BOOL>*>(pObject)->push_back(bVisible); });
    struct Step
    {
        const char* name;
        std::vector<BOOL> shows;   // DelayShow calls before idle
        BOOL bVisibleBefore;       // window style before the idle step
        BOOL bVisibleAfter;
    };
    const Step steps[] = {
        { "hide", { FALSE }, TRUE, FALSE },
        { "show", { TRUE }, FALSE, TRUE },
        { "show then hide", { TRUE, FALSE }, TRUE, FALSE },
        { "hide then show while hidden", { FALSE, TRUE }, FALSE, TRUE },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        told.clear();
        for (BOOL bShow : step.shows)
            bar.DelayShow(bShow);
        EXPECT_EQ(step.shows, told);
        EXPECT_EQ(step.bVisibleBefore, (bar.GetStyle() & WS_VISIBLE) != 0);
        int nUpdates = bar.nUpdates;
        bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        EXPECT_EQ(step.bVisibleAfter, (bar.GetStyle() & WS_VISIBLE) != 0);
        // Only a visible bar updates its items.
        EXPECT_EQ(nUpdates + (step.bVisibleAfter ? 1 : 0), bar.nUpdates);
    }
}

class CTestView : public CView
{
public:
    void OnDraw(CDC*) override {}
};

TEST_F(XTBarFrameTest, DestroyingABarThatHostsTheActiveViewClearsIt)
{
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, CBRS_LEFT, 1001));
    CTestView* pView = new CTestView;   // deletes itself
    ASSERT_TRUE(pView->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &bar, 1));
    m_frame.SetActiveView(pView, FALSE);
    ASSERT_EQ(pView, m_frame.GetActiveView());
    bar.DestroyWindow();
    EXPECT_EQ(nullptr, m_frame.GetActiveView());
}

TEST(XTStatusBarLayout, FlatFrameOfTheLastPaneEndsBeforeTheGrip)
{
    const CRect client(0, 0, 300, 20);
    struct Case
    {
        const char* name;
        CRect item;
        BOOL bLast;
        UINT nStyle;
        BOOL bGrip;
        int right;
    };
    // Small icons 16 wide, edges 2.
    const Case cases[] = {
        { "not the last: its item", CRect(100, 2, 180, 18), FALSE, SBPS_STRETCH, TRUE, 180 },
        { "stretched, grip", CRect(100, 2, 300, 18), TRUE, SBPS_STRETCH, TRUE, 282 },
        { "stretched, no grip", CRect(100, 2, 300, 18), TRUE, SBPS_STRETCH, FALSE, 300 },
        { "fixed: its width and three edges", CRect(100, 2, 300, 18), TRUE, SBPS_NORMAL, TRUE, 156 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.right, XTStatusPaneFrameRight(c.item, c.bLast, c.nStyle, 50, client, c.bGrip, 16, 2));
    }
}

class CTestStatusBar : public CXTStatusBar
{
public:
    using CXTStatusBar::DrawFlatPaneFrames;
};

TEST_F(XTBarFrameTest, StatusBarPaneWidthsAndFlatFrames)
{
    CTestStatusBar status;
    ASSERT_TRUE(status.CreateEx(&m_frame, SBARS_SIZEGRIP));
    const UINT indicators[] = { ID_SEPARATOR, ID_SEPARATOR };
    ASSERT_TRUE(status.SetIndicators(indicators, 2));
    status.SetPaneInfo(0, 0, SBPS_NOBORDERS, 100);
    status.SetPaneInfo(1, 7, SBPS_STRETCH, 40);
    status.SetPaneText(1, "Ready");
    m_frame.RecalcLayout();

    struct Case
    {
        const char* name;
        int nIndex;
        BOOL bDone;
        int cxWidth1;
    };
    const Case cases[] = {
        { "the pane count", 2, FALSE, 40 },
        { "negative", -1, FALSE, 40 },
        { "the last pane", 1, TRUE, 80 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bDone, status.SetPaneWidth(c.nIndex, 80));
        UINT nID, nStyle;
        int cxWidth;
        status.GetPaneInfo(1, nID, nStyle, cxWidth);
        EXPECT_EQ(c.cxWidth1, cxWidth);
        EXPECT_EQ(7u, nID);
        EXPECT_EQ("Ready", std::string(status.GetPaneText(1)));
    }

    FlatLookScope flat;
    CRect client;
    status.GetClientRect(&client);
    CCanvas canvas(client.Width(), client.Height(), kMagenta);
    status.DrawFlatPaneFrames(&canvas.dc);
    const int nRight = canvas.RightmostOf(xtAfxData.m_clr3DShadow);
    EXPECT_GT(nRight, client.Width() / 2);
    EXPECT_EQ(client.right - xtAfxData.m_cxSmIcon - ::GetSystemMetrics(SM_CXEDGE) - 1, nRight);
}

} // namespace
