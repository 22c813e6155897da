// Moving bars: drags driven by posted mouse and key messages, floating frames
// and docking back, and the bar layout kept in the profile.
#include "framework/Afx.h"

#include "TestResources.h"
#include "BarTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace floating_test {

using bar_test_support::CBoxBar;
using bar_test_support::RectText;
using bar_test_support::RunIdle;

const UINT ID_BAR_A = AFX_IDW_CONTROLBAR_FIRST + 80;
const UINT ID_BAR_B = AFX_IDW_CONTROLBAR_FIRST + 81;
const UINT ID_BAR_C = AFX_IDW_CONTROLBAR_FIRST + 82;
const UINT ID_BAR_D = AFX_IDW_CONTROLBAR_FIRST + 83;

class CFloatFrame : public bar_test_support::CPaneFrame
{
public:
    int nEndDrags = 0;
    int nHandled = 0;
    BOOL CreateFrame() { return CreatePaneFrame("Floating"); }
    CRect RectIn(CWnd& wnd, CWnd& in)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        in.ScreenToClient(&rect);
        return rect;
    }

protected:
    void OnEndDrag(NMHDR*, LRESULT*) { ++nEndDrags; }
    void OnHandled() { ++nHandled; }
    void OnUpdateThird(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFloatFrame, CFrameWnd)
    ON_NOTIFY(TBN_ENDDRAG, AFX_IDW_TOOLBAR, OnEndDrag)
    ON_COMMAND(ID_TEST_HANDLED, OnHandled)
    ON_COMMAND(ID_TEST_THIRD, OnHandled)
    ON_UPDATE_COMMAND_UI(ID_TEST_THIRD, OnUpdateThird)
END_MESSAGE_MAP()

// Dispatches what the queue holds (a drag loop started by one of the
// messages takes the others itself).
void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// One posted input of a drag: the message, its key flags, and the point as
// an offset from where the button went down.
struct Input
{
    UINT nMsg;
    WPARAM wParam;
    int dx, dy;
};

void PostInputs(CWnd& target, CPoint ptDown, const std::vector<Input>& inputs)
{
    for (const Input& in : inputs)
    {
        CPoint pt(ptDown.x + in.dx, ptDown.y + in.dy);
        target.PostMessage(in.nMsg, in.wParam, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    }
}

CMiniDockFrameWnd* FloatingFrameOf(CControlBar& bar)
{
    return dynamic_cast<CMiniDockFrameWnd*>(bar.GetParentFrame());
}

TEST(DockDrag, PostedMessagesDragABarOntoASideIntoAFloatingFrameOrNowhere)
{
    struct Case
    {
        const char* name;
        std::vector<Input> inputs;
        UINT nDockBar;   // 0: floating
        DWORD dwAlign;
        std::vector<int> top;
    };
    const WPARAM L = MK_LBUTTON;
    const Case cases[] = {
        { "down to the left side: upright in the left dock bar",
          { { WM_MOUSEMOVE, L, 0, 40 }, { WM_MOUSEMOVE, L, 0, 120 }, { WM_LBUTTONUP, 0, 0, 120 } },
          AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT, { -1, ID_BAR_B, 0 } },
        { "Escape midway: where it was",
          { { WM_MOUSEMOVE, L, 0, 120 }, { WM_KEYDOWN, VK_ESCAPE, 0, 0 }, { WM_LBUTTONUP, 0, 0, 120 } },
          AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP, { ID_BAR_A, ID_BAR_B, 0 } },
        { "the right button cancels",
          { { WM_MOUSEMOVE, L, 0, 120 }, { WM_RBUTTONDOWN, L | MK_RBUTTON, 0, 120 }, { WM_LBUTTONUP, 0, 0, 120 } },
          AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP, { ID_BAR_A, ID_BAR_B, 0 } },
        { "Ctrl held with the move: floating over the left side",
          { { WM_MOUSEMOVE, L | MK_CONTROL, 0, 120 }, { WM_LBUTTONUP, MK_CONTROL, 0, 120 } }, 0, CBRS_ALIGN_TOP,
          { -1, ID_BAR_B, 0 } },
        { "Ctrl pressed as a key: floating",
          { { WM_MOUSEMOVE, L, 0, 120 }, { WM_KEYDOWN, VK_CONTROL, 0, 0 }, { WM_LBUTTONUP, 0, 0, 120 } }, 0,
          CBRS_ALIGN_TOP, { -1, ID_BAR_B, 0 } },
        { "into the middle: floating",
          { { WM_MOUSEMOVE, L, 150, 150 }, { WM_LBUTTONUP, 0, 150, 150 } }, 0, CBRS_ALIGN_TOP, { -1, ID_BAR_B, 0 } },
        { "Shift held: upright, so the left side takes it",
          { { WM_MOUSEMOVE, L | MK_SHIFT, 0, 4 }, { WM_LBUTTONUP, MK_SHIFT, 0, 4 } }, AFX_IDW_DOCKBAR_LEFT,
          CBRS_ALIGN_LEFT, { -1, ID_BAR_B, 0 } },
        { "the same move without Shift stays on top",
          { { WM_MOUSEMOVE, L, 0, 4 }, { WM_LBUTTONUP, 0, 0, 4 } }, AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP,
          { ID_BAR_A, ID_BAR_B, 0 } },
        { "a mouse move without the button does not end it",
          { { WM_MOUSEMOVE, 0, 300, 300 }, { WM_MOUSEMOVE, L, 0, 120 }, { WM_LBUTTONUP, 0, 0, 120 } },
          AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT, { -1, ID_BAR_B, 0 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFloatFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        frame.EnableDocking(CBRS_ALIGN_ANY);
        CBoxBar a(CSize(200, 30)), b(CSize(100, 30));
        ASSERT_TRUE(a.Create(&frame, CBRS_TOP, ID_BAR_A));
        ASSERT_TRUE(b.Create(&frame, CBRS_TOP, ID_BAR_B));
        a.EnableDocking(CBRS_ALIGN_ANY);
        b.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
        CRect rectA;
        a.GetWindowRect(&rectA);
        rectA.OffsetRect(rectA.Width() + 10, 0);
        frame.DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rectA);
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        frame.RecalcLayout();
        Pump();
        ASSERT_EQ((std::vector<int>{ (int)ID_BAR_A, (int)ID_BAR_B, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
        frame.RecalcLayout();
        CRect before;
        a.GetWindowRect(&before);

        CPoint ptDown(3, 10);
        PostInputs(a, ptDown, { { WM_LBUTTONDOWN, MK_LBUTTON, 0, 0 } });
        PostInputs(a, ptDown, c.inputs);
        Pump();

        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(c.dwAlign, a.GetBarStyle() & CBRS_ALIGN_ANY);
        EXPECT_EQ(c.top, frame.Rows(AFX_IDW_DOCKBAR_TOP));
        if (c.nDockBar != 0)
        {
            ASSERT_NE(nullptr, a.m_pDockBar);
            EXPECT_EQ(c.nDockBar, (UINT)a.m_pDockBar->GetDlgCtrlID());
            EXPECT_FALSE(a.IsFloating());
            EXPECT_EQ(&frame, a.GetParentFrame());
            if (c.nDockBar == AFX_IDW_DOCKBAR_LEFT)
            {
                // Upright: as wide as it was high.
                CRect rect;
                a.GetWindowRect(&rect);
                EXPECT_EQ(30, rect.Width());
                EXPECT_EQ(200, rect.Height());
            }
            else
            {
                CRect rect;
                a.GetWindowRect(&rect);
                EXPECT_EQ(RectText(before), RectText(rect));
            }
        }
        else
        {
            EXPECT_TRUE(a.IsFloating());
            CMiniDockFrameWnd* pFloat = FloatingFrameOf(a);
            ASSERT_NE(nullptr, pFloat);
            EXPECT_TRUE(pFloat->IsWindowVisible());
            EXPECT_EQ(frame.m_hWnd, ::GetWindow(pFloat->m_hWnd, GW_OWNER));
            // The frame is as large as the bar and stands where the drag left it.
            CRect rectFloat, rectBar;
            pFloat->GetWindowRect(&rectFloat);
            a.GetWindowRect(&rectBar);
            EXPECT_EQ(200, rectBar.Width());
            EXPECT_EQ(30, rectBar.Height());
            CRect rectClient(rectBar);
            pFloat->CalcWindowRect(&rectClient);
            EXPECT_EQ(RectText(rectClient), RectText(rectFloat));
            EXPECT_EQ(a.m_pDockContext->m_ptMRUFloatPos, rectFloat.TopLeft());
        }
        frame.DestroyWindow();
        Pump();
    }
}

TEST(DockDrag, AToolBarPressedBesideItsButtonsMovesAndStandsUprightAtTheSide)
{
    CFloatFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.EnableDocking(CBRS_ALIGN_ANY);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER,
                                 CRect(1, 1, 1, 1)));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&toolBar);
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    Pump();
    CSize sizeHorz = toolBar.CalcFixedLayout(FALSE, TRUE);
    CSize sizeVert = toolBar.CalcFixedLayout(FALSE, FALSE);
    // Upright, one button a row.
    EXPECT_LT(sizeVert.cx, sizeHorz.cx);
    EXPECT_GE(sizeVert.cy, 3 * toolBar.m_sizeButton.cy);

    struct Case
    {
        const char* name;
        CPoint ptDown;   // client coordinates of the bar
        BOOL bDrags;
    };
    CRect rectSeparator, rectButton;
    toolBar.GetItemRect(1, &rectSeparator);
    toolBar.GetItemRect(0, &rectButton);
    const Case cases[] = {
        { "on a button: the button's", rectButton.CenterPoint(), FALSE },
        { "on the gripper", CPoint(-4, 5), TRUE },
        { "on a separator", rectSeparator.CenterPoint(), TRUE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        frame.DockControlBar(&toolBar, AFX_IDW_DOCKBAR_TOP);
        frame.RecalcLayout();
        Pump();
        ASSERT_EQ(HTCLIENT, toolBar.SendMessage(WM_NCHITTEST, 0, 0));
        CRect rectLeft;
        frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&rectLeft);
        CPoint ptScreen = c.ptDown;
        toolBar.ClientToScreen(&ptScreen);
        int dx = rectLeft.left + 2 - ptScreen.x, dy = rectLeft.top + 80 - ptScreen.y;
        PostInputs(toolBar, c.ptDown, { { WM_LBUTTONDOWN, MK_LBUTTON, 0, 0 }, { WM_MOUSEMOVE, MK_LBUTTON, dx, dy },
                                        { WM_LBUTTONUP, 0, dx, dy } });
        Pump();
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(c.bDrags ? (DWORD)CBRS_ALIGN_LEFT : (DWORD)CBRS_ALIGN_TOP, toolBar.GetBarStyle() & CBRS_ALIGN_ANY);
        if (c.bDrags)
        {
            CRect rect;
            toolBar.GetWindowRect(&rect);
            EXPECT_EQ(sizeVert.cx, rect.Width());
            EXPECT_EQ(sizeVert.cy, rect.Height());
        }
    }
    frame.DestroyWindow();
    Pump();
}

// A floating frame of the program's own, made by the frame through its class.
class COwnFloatingFrame : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(COwnFloatingFrame)
public:
    static int nCreated;
    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override
    {
        ++nCreated;
        return CMiniDockFrameWnd::Create(pParent, dwBarStyle);
    }
};
int COwnFloatingFrame::nCreated = 0;
IMPLEMENT_DYNCREATE(COwnFloatingFrame, CMiniDockFrameWnd)

// A frame with two bars on top and one on the left, shown.
struct DockedFrame
{
    CFloatFrame frame;
    CBoxBar a{ CSize(200, 30) }, b{ CSize(100, 30) }, c{ CSize(80, 30) };
    BOOL Create()
    {
        if (!frame.CreateFrame())
            return FALSE;
        frame.EnableDocking(CBRS_ALIGN_ANY);
        if (!a.Create(&frame, CBRS_TOP, ID_BAR_A) || !b.Create(&frame, CBRS_TOP, ID_BAR_B) ||
            !c.Create(&frame, CBRS_LEFT, ID_BAR_C))
            return FALSE;
        for (CBoxBar* pBar : { &a, &b, &c })
            pBar->EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
        CRect rect;
        a.GetWindowRect(&rect);
        rect.OffsetRect(rect.Width() + 10, 0);
        frame.DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect);
        frame.DockControlBar(&c, AFX_IDW_DOCKBAR_LEFT);
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        frame.RecalcLayout();
        Pump();
        return TRUE;
    }
    ~DockedFrame()
    {
        if (frame.m_hWnd != nullptr)
            frame.DestroyWindow();
        Pump();
    }
    // Floating dock bars the frame still lists.
    int FloatingDockBars()
    {
        int n = 0;
        for (POSITION pos = frame.m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            CControlBar* pBar = static_cast<CControlBar*>(frame.m_listControlBars.GetNext(pos));
            if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating)
                ++n;
        }
        return n;
    }
};

TEST(Floating, ABarFloatedAndDockedBackTakesItsPlaceAndTheFloatingFrameGoes)
{
    enum How { floatAt, toggle };
    enum Back { toggleBack, dockById, doubleClickCaption };
    struct Case
    {
        const char* name;
        UINT nBar;
        How how;
        Back back;
    };
    const Case cases[] = {
        { "floated at a point, toggled back", ID_BAR_A, floatAt, toggleBack },
        { "toggled twice", ID_BAR_A, toggle, toggleBack },
        { "floated, docked back by the dock bar's id", ID_BAR_A, floatAt, dockById },
        { "floated, double click on the floating caption", ID_BAR_A, floatAt, doubleClickCaption },
        { "a second bar of the row", ID_BAR_B, toggle, toggleBack },
        { "a bar of the left side", ID_BAR_C, toggle, toggleBack },
        { "a bar of the left side, double click", ID_BAR_C, floatAt, doubleClickCaption },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        DockedFrame f;
        ASSERT_TRUE(f.Create());
        CBoxBar* pBar = c.nBar == ID_BAR_A ? &f.a : c.nBar == ID_BAR_B ? &f.b : &f.c;
        UINT nDockBar = (UINT)pBar->m_pDockBar->GetDlgCtrlID();
        std::vector<int> rowsTop = f.frame.Rows(AFX_IDW_DOCKBAR_TOP);
        std::vector<int> rowsLeft = f.frame.Rows(AFX_IDW_DOCKBAR_LEFT);
        CRect before;
        pBar->GetWindowRect(&before);

        if (c.how == floatAt)
            f.frame.FloatControlBar(pBar, CPoint(300, 200));
        else
            pBar->m_pDockContext->ToggleDocking();
        ASSERT_TRUE(pBar->IsFloating());
        CMiniDockFrameWnd* pFloat = FloatingFrameOf(*pBar);
        ASSERT_NE(nullptr, pFloat);
        HWND hWndFloat = pFloat->m_hWnd;
        CRect rectFloat;
        pFloat->GetWindowRect(&rectFloat);
        if (c.how == floatAt)
            EXPECT_EQ(CPoint(300, 200), rectFloat.TopLeft());
        else
            EXPECT_EQ(before.TopLeft(), rectFloat.TopLeft());   // never floated: where it stood
        EXPECT_EQ(1, f.FloatingDockBars());

        if (c.back == toggleBack)
            pBar->m_pDockContext->ToggleDocking();
        else if (c.back == dockById)
            f.frame.DockControlBar(pBar, nDockBar);
        else
            pFloat->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rectFloat.left + 20, rectFloat.top + 5));
        // The floating frame outlives the call that took its bar away.
        EXPECT_TRUE(::IsWindow(hWndFloat));
        Pump();
        EXPECT_FALSE(::IsWindow(hWndFloat));
        EXPECT_EQ(0, f.FloatingDockBars());

        EXPECT_FALSE(pBar->IsFloating());
        EXPECT_EQ(nDockBar, (UINT)pBar->m_pDockBar->GetDlgCtrlID());
        EXPECT_EQ(rowsTop, f.frame.Rows(AFX_IDW_DOCKBAR_TOP));
        EXPECT_EQ(rowsLeft, f.frame.Rows(AFX_IDW_DOCKBAR_LEFT));
        f.frame.RecalcLayout();
        CRect after;
        pBar->GetWindowRect(&after);
        EXPECT_EQ(RectText(before), RectText(after));
    }
}

TEST(Floating, TheFrameMakesFloatingFramesOfItsFloatingFrameClass)
{
    DockedFrame f;
    ASSERT_TRUE(f.Create());
    f.frame.m_pFloatingFrameClass = RUNTIME_CLASS(COwnFloatingFrame);
    COwnFloatingFrame::nCreated = 0;
    f.frame.FloatControlBar(&f.a, CPoint(300, 200));
    EXPECT_EQ(1, COwnFloatingFrame::nCreated);
    EXPECT_NE(nullptr, dynamic_cast<COwnFloatingFrame*>(f.a.GetParentFrame()));
    // Floated again while alone in its frame: the frame only moves.
    f.frame.FloatControlBar(&f.a, CPoint(320, 240));
    EXPECT_EQ(1, COwnFloatingFrame::nCreated);
    CRect rect;
    f.a.GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(CPoint(320, 240), rect.TopLeft());
    // Vertically: a frame of the other orientation.
    f.frame.FloatControlBar(&f.a, CPoint(320, 240), CBRS_ALIGN_LEFT);
    EXPECT_EQ(2, COwnFloatingFrame::nCreated);
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, f.a.GetBarStyle() & CBRS_ALIGN_ANY);
    f.a.GetWindowRect(&rect);
    EXPECT_EQ(30, rect.Width());
    EXPECT_EQ(200, rect.Height());
    Pump();
    EXPECT_EQ(1, f.FloatingDockBars());
    EXPECT_NE(nullptr, CRuntimeClass::FromName("CMiniDockFrameWnd"));
}

TEST(Floating, IdleUpdateReachesFloatingBarsAndTheFrameShowsWhileABarDoes)
{
    CFloatFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.EnableDocking(CBRS_ALIGN_ANY);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&frame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&toolBar);
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.FloatControlBar(&toolBar, CPoint(300, 200));
    CMiniDockFrameWnd* pFloat = FloatingFrameOf(toolBar);
    ASSERT_NE(nullptr, pFloat);
    EXPECT_TRUE(pFloat->IsWindowVisible());
    // All buttons in one row: the frame is as wide as the bar needs.
    CSize sizeBar = toolBar.CalcFixedLayout(FALSE, TRUE);
    CRect rectBar;
    toolBar.GetWindowRect(&rectBar);
    EXPECT_EQ(sizeBar.cx, rectBar.Width());
    EXPECT_EQ(sizeBar.cy, rectBar.Height());

    RunIdle(&frame);
    struct Case
    {
        UINT nID;
        BOOL bEnabled;
    };
    const Case cases[] = { { ID_TEST_HANDLED, TRUE }, { ID_TEST_UNHANDLED, FALSE }, { ID_TEST_THIRD, FALSE } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nID);
        EXPECT_EQ(c.bEnabled != FALSE, toolBar.SendMessage(TB_ISBUTTONENABLED, c.nID) != 0);
    }

    // Notifications and commands of the floating bar reach the frame.
    bar_test_support::SendToolBarEndDrag(toolBar);
    EXPECT_EQ(1, frame.nEndDrags);
    ::SendMessageA(::GetParent(toolBar.m_hWnd), WM_COMMAND, ID_TEST_HANDLED, (LPARAM)toolBar.m_hWnd);
    EXPECT_EQ(1, frame.nHandled);

    // Hidden, the bar takes its frame out of sight at idle time; shown, back.
    struct Step
    {
        const char* name;
        int nAction;   // 0 hide at idle, 1 show at idle, 2 close the floating frame, 3 the bar's command
        BOOL bBarVisible;
        BOOL bFrameVisible;
    };
    const Step steps[] = {
        { "hidden at idle", 0, FALSE, FALSE },
        { "shown at idle", 1, TRUE, TRUE },
        { "the floating frame closed", 2, FALSE, FALSE },
        { "the bar's command", 3, TRUE, TRUE },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        if (step.nAction == 0 || step.nAction == 1)
        {
            frame.ShowControlBar(&toolBar, step.nAction == 1, TRUE);
            EXPECT_NE(step.bFrameVisible, pFloat->IsWindowVisible() != FALSE);   // not before idle
        }
        else if (step.nAction == 2)
            pFloat->SendMessage(WM_CLOSE);
        else
            frame.SendMessage(WM_COMMAND, AFX_IDW_TOOLBAR);
        RunIdle(&frame);
        EXPECT_EQ(step.bBarVisible, toolBar.IsWindowVisible());
        EXPECT_EQ(step.bFrameVisible, pFloat->IsWindowVisible());
        EXPECT_TRUE(toolBar.IsFloating());
    }
    frame.DestroyWindow();
    Pump();
}

TEST(Floating, TheCaptionDragsTheBarAndTheBordersResizeABarThatSizesItself)
{
    CFloatFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.EnableDocking(CBRS_ALIGN_ANY);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&toolBar);
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.FloatControlBar(&toolBar, CPoint(300, 200));
    CMiniDockFrameWnd* pFloat = FloatingFrameOf(toolBar);
    ASSERT_NE(nullptr, pFloat);
    CRect rectFloat, rectBar;
    pFloat->GetWindowRect(&rectFloat);
    toolBar.GetWindowRect(&rectBar);
    const int cxButton = toolBar.m_sizeButton.cx;

    // The right border dragged to the left by two buttons: the buttons wrap, the frame grows downwards.
    CPoint ptBorder(rectFloat.right - 1, rectFloat.top + rectFloat.Height() / 2);
    pFloat->PostMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptBorder.x, ptBorder.y));
    CPoint ptDown = ptBorder;
    toolBar.ScreenToClient(&ptDown);
    PostInputs(toolBar, ptDown, { { WM_MOUSEMOVE, MK_LBUTTON, -cxButton, 0 }, { WM_MOUSEMOVE, MK_LBUTTON, -2 * cxButton, 0 },
                                  { WM_LBUTTONUP, 0, -2 * cxButton, 0 } });
    Pump();
    EXPECT_EQ(nullptr, ::GetCapture());
    CRect rectResized, rectBarResized;
    pFloat->GetWindowRect(&rectResized);
    toolBar.GetWindowRect(&rectBarResized);
    EXPECT_EQ(rectFloat.TopLeft(), rectResized.TopLeft());
    EXPECT_LT(rectBarResized.Width(), rectBar.Width());
    EXPECT_GT(rectBarResized.Height(), rectBar.Height());
    EXPECT_EQ((UINT)rectBarResized.Width(), toolBar.m_nMRUWidth);

    // The caption dragged onto the left side of the frame: docked there, the floating frame goes.
    HWND hWndFloat = pFloat->m_hWnd;
    CRect rectLeft;
    frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&rectLeft);
    CPoint ptCaption(rectResized.left + 10, rectResized.top + 4);
    pFloat->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    ptDown = ptCaption;
    toolBar.ScreenToClient(&ptDown);
    int dx = rectLeft.left - ptCaption.x, dy = rectLeft.top + 60 - ptCaption.y;
    PostInputs(toolBar, ptDown, { { WM_MOUSEMOVE, MK_LBUTTON, dx / 2, dy / 2 }, { WM_MOUSEMOVE, MK_LBUTTON, dx, dy },
                                  { WM_LBUTTONUP, 0, dx, dy } });
    Pump();
    EXPECT_FALSE(::IsWindow(hWndFloat));
    EXPECT_FALSE(toolBar.IsFloating());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, toolBar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT), toolBar.m_pDockBar);
    frame.DestroyWindow();
    Pump();
}

TEST(Floating, TheFrameAndItsFloatingFramesLookActiveTogether)
{
    DockedFrame f;
    ASSERT_TRUE(f.Create());
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 200, 150, nullptr, nullptr));
    f.frame.ShowWindow(SW_SHOW);
    f.frame.SetActiveWindow();
    Pump();
    ASSERT_EQ(f.frame.m_hWnd, ::GetActiveWindow());
    f.frame.FloatControlBar(&f.b, CPoint(300, 200));
    CMiniDockFrameWnd* pFloat = FloatingFrameOf(f.b);
    ASSERT_NE(nullptr, pFloat);
    struct Step
    {
        const char* name;
        HWND hWndActivate;
        BOOL bStayActive;      // the frame looks active for a window of its own
        BOOL bKeepMiniActive;  // its floating frames look active with it
        BOOL bFloatActive;
    };
    const Step steps[] = {
        { "the frame active, the floating frame just made", nullptr, FALSE, TRUE, TRUE },
        { "the floating frame activated", pFloat->m_hWnd, TRUE, TRUE, TRUE },
        { "the frame activated again", f.frame.m_hWnd, FALSE, TRUE, TRUE },
        { "another program's window activated", other.m_hWnd, FALSE, FALSE, FALSE },
        { "the floating frame activated from there", pFloat->m_hWnd, TRUE, TRUE, TRUE },
        { "and the other window again", other.m_hWnd, FALSE, FALSE, FALSE },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        if (step.hWndActivate != nullptr)
            ::SetActiveWindow(step.hWndActivate);
        Pump();
        if (step.hWndActivate != nullptr)
        {
            ASSERT_EQ(step.hWndActivate, ::GetActiveWindow());
        }
        EXPECT_EQ(step.bStayActive, (f.frame.m_nFlags & WF_STAYACTIVE) != 0);
        EXPECT_EQ(step.bKeepMiniActive, (f.frame.m_nFlags & WF_KEEPMINIACTIVE) != 0);
        EXPECT_EQ(step.bFloatActive, pFloat->m_bActive);
    }
    other.DestroyWindow();
}

// Dock state tests keep the profile under a key of their own and remove it.
class DockStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWinApp* app = AfxGetApp();
        m_savedKey = app->m_pszRegistryKey;
        m_savedProfile = app->m_pszProfileName;
        app->SetRegistryKey("TarnixFrameworkDockTest");
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnixFrameworkDockTest");
        CWinApp* app = AfxGetApp();
        app->m_pszRegistryKey = m_savedKey;
        app->m_pszProfileName = m_savedProfile;
    }
    LPCSTR m_savedKey = nullptr;
    LPCSTR m_savedProfile = nullptr;
};

// A frame with bars A, B (top row), C (left), D (a second top row); B
// floats at (300, 200) and D is hidden.
struct SavedFrame : DockedFrame
{
    CBoxBar d{ CSize(60, 30) };
    BOOL CreateArranged()
    {
        if (!Create() || !d.Create(&frame, CBRS_TOP, ID_BAR_D))
            return FALSE;
        d.EnableDocking(CBRS_ALIGN_ANY);
        CRect rect;
        frame.DockBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(&rect);
        rect = CRect(rect.left + 50, rect.bottom + 5, rect.left + 110, rect.bottom + 35);
        frame.DockControlBar(&d, AFX_IDW_DOCKBAR_TOP, &rect);
        frame.RecalcLayout();
        frame.FloatControlBar(&b, CPoint(300, 200));
        frame.ShowControlBar(&d, FALSE, FALSE);
        frame.RecalcLayout();
        Pump();
        return TRUE;
    }
};

// The bars made anew, all on top, each in a row of its own.
struct FreshFrame
{
    CFloatFrame frame;
    CBoxBar a{ CSize(200, 30) }, b{ CSize(100, 30) }, c{ CSize(80, 30) }, d{ CSize(60, 30) };
    BOOL Create(BOOL bWithD)
    {
        if (!frame.CreateFrame())
            return FALSE;
        frame.EnableDocking(CBRS_ALIGN_ANY);
        UINT nID = ID_BAR_A;
        for (CBoxBar* pBar : { &a, &b, &c, &d })
        {
            UINT nThis = nID++;
            if (pBar == &d && !bWithD)
                continue;
            if (!pBar->Create(&frame, CBRS_TOP, nThis))
                return FALSE;
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            frame.DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        }
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        frame.RecalcLayout();
        return TRUE;
    }
    ~FreshFrame()
    {
        if (frame.m_hWnd != nullptr)
            frame.DestroyWindow();
        Pump();
    }
};

TEST_F(DockStateTest, SavedValuesFollowTheBarsAndDockBars)
{
    SavedFrame f;
    ASSERT_TRUE(f.CreateArranged());
    ASSERT_TRUE(f.b.IsFloating());
    f.frame.SaveBarState("Test");
    CWinApp* app = AfxGetApp();
    const int A = ID_BAR_A, B = ID_BAR_B, C = ID_BAR_C, D = ID_BAR_D;
    const int kMissing = -12345;
    // Sections in the frame's bar order: the top and left dock bars (the
    // empty bottom and right ones write nothing and take no index), the four
    // bars, the floating dock bar.
    struct Value
    {
        const char* section;
        const char* entry;
        int nValue;   // kMissing: not written
    };
    const Value values[] = {
        { "Test-Summary", "Bars", 7 },
        { "Test-Summary", "ScreenCX", ::GetSystemMetrics(SM_CXSCREEN) },
        { "Test-Summary", "ScreenCY", ::GetSystemMetrics(SM_CYSCREEN) },
        { "Test-Bar0", "BarID", AFX_IDW_DOCKBAR_TOP },
        { "Test-Bar0", "Bars", 5 },
        { "Test-Bar0", "Bar#0", A },
        { "Test-Bar0", "Bar#1", B + 0x10000 },   // the place B keeps
        { "Test-Bar0", "Bar#2", 0 },
        { "Test-Bar0", "Bar#3", D },
        { "Test-Bar0", "Bar#4", 0 },
        { "Test-Bar0", "XPos", kMissing },
        { "Test-Bar0", "Floating", kMissing },
        { "Test-Bar0", "Visible", kMissing },
        { "Test-Bar1", "BarID", AFX_IDW_DOCKBAR_LEFT },
        { "Test-Bar1", "Bars", 2 },
        { "Test-Bar2", "BarID", A },
        { "Test-Bar2", "XPos", 0 },
        { "Test-Bar2", "YPos", 0 },
        { "Test-Bar2", "Docking", 1 },
        { "Test-Bar2", "MRUDockID", AFX_IDW_DOCKBAR_TOP },
        { "Test-Bar2", "MRUDockRightPos", 200 },
        { "Test-Bar2", "MRUDockBottomPos", 30 },
        { "Test-Bar2", "Horz", kMissing },
        { "Test-Bar2", "MRUWidth", kMissing },
        { "Test-Bar2", "Bars", kMissing },
        { "Test-Bar3", "BarID", B },
        { "Test-Bar3", "MRUDockID", AFX_IDW_DOCKBAR_TOP },
        { "Test-Bar3", "MRUFloatXPos", 300 },
        { "Test-Bar3", "MRUFloatYPos", 200 },
        { "Test-Bar3", "MRUFloatStyle", CBRS_ALIGN_TOP },
        { "Test-Bar4", "BarID", C },
        { "Test-Bar4", "MRUDockID", AFX_IDW_DOCKBAR_LEFT },
        { "Test-Bar5", "BarID", D },
        { "Test-Bar5", "Visible", 0 },
        { "Test-Bar5", "XPos", 50 },
        { "Test-Bar6", "BarID", AFX_IDW_DOCKBAR_FLOAT },
        { "Test-Bar6", "Floating", 1 },
        { "Test-Bar6", "Horz", 1 },
        { "Test-Bar6", "XPos", 300 },
        { "Test-Bar6", "YPos", 200 },
        { "Test-Bar6", "Bars", 2 },
        { "Test-Bar6", "Bar#0", B },
        { "Test-Bar6", "Bar#1", 0 },
        { "Test-Bar7", "BarID", kMissing },
    };
    for (const Value& v : values)
    {
        SCOPED_TRACE(std::string(v.section) + " " + v.entry);
        EXPECT_EQ(v.nValue, (int)app->GetProfileInt(v.section, v.entry, kMissing));
    }
}

TEST_F(DockStateTest, ANewFrameGetsRowsHiddenBarsAndFloatingPlacesBack)
{
    CRect rectA, rectD;
    std::vector<int> rowsTop, rowsLeft;
    {
        SavedFrame f;
        ASSERT_TRUE(f.CreateArranged());
        f.frame.SaveBarState("Test");
        rowsTop = f.frame.Rows(AFX_IDW_DOCKBAR_TOP);
        rowsLeft = f.frame.Rows(AFX_IDW_DOCKBAR_LEFT);
        rectA = f.frame.RectIn(f.a, f.frame);
        f.frame.ShowControlBar(&f.d, TRUE, FALSE);
        rectD = f.frame.RectIn(f.d, f.frame);
    }
    struct Case
    {
        const char* name;
        BOOL bWithD;
    };
    const Case cases[] = { { "the same bars", TRUE }, { "bar D no longer made: dropped", FALSE } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FreshFrame g;
        ASSERT_TRUE(g.Create(c.bWithD));
        g.frame.LoadBarState("Test");
        g.frame.RecalcLayout();
        std::vector<int> expectTop = rowsTop;
        if (!c.bWithD)
            expectTop = { (int)ID_BAR_A, -1, 0 };
        EXPECT_EQ(expectTop, g.frame.Rows(AFX_IDW_DOCKBAR_TOP));
        EXPECT_EQ(rowsLeft, g.frame.Rows(AFX_IDW_DOCKBAR_LEFT));
        EXPECT_EQ(RectText(rectA), RectText(g.frame.RectIn(g.a, g.frame)));
        EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, g.c.GetBarStyle() & CBRS_ALIGN_ANY);
        ASSERT_TRUE(g.b.IsFloating());
        CMiniDockFrameWnd* pFloat = FloatingFrameOf(g.b);
        ASSERT_NE(nullptr, pFloat);
        CRect rectFloat;
        pFloat->GetWindowRect(&rectFloat);
        EXPECT_EQ(CPoint(300, 200), rectFloat.TopLeft());
        EXPECT_TRUE(pFloat->IsWindowVisible());
        if (c.bWithD)
        {
            EXPECT_FALSE(g.d.IsWindowVisible());
            g.frame.ShowControlBar(&g.d, TRUE, FALSE);
            EXPECT_EQ(RectText(rectD), RectText(g.frame.RectIn(g.d, g.frame)));
        }
        // The remembered places came back too: B docks where it was.
        g.b.m_pDockContext->ToggleDocking();
        Pump();
        EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, (UINT)g.b.m_pDockBar->GetDlgCtrlID());
    }
}

TEST_F(DockStateTest, ADamagedStateLoadsAtOnceAsFarAsItsDataGoes)
{
    CWinApp* app = AfxGetApp();
    {
        SavedFrame f;
        ASSERT_TRUE(f.CreateArranged());
        f.frame.SaveBarState("Test");
    }
    struct Case
    {
        const char* name;
        int nBars, nScreenCX, nScreenCY;
        int nTopIDs;   // the top dock bar's "Bars"
        BOOL bFloats;  // B floats afterwards
        CPoint ptFloat;
    };
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    const Case cases[] = {
        { "as saved", 7, cx, cy, 5, TRUE, CPoint(300, 200) },
        { "a huge count, no screen size", 100000000, 0, 0, 5, TRUE, CPoint(300, 200) },
        { "a negative count", -5, cx, cy, 5, FALSE, CPoint() },
        { "a huge id list", 7, cx, cy, 100000000, TRUE, CPoint(300, 200) },
        { "a negative id list", 7, cx, cy, -3, TRUE, CPoint(300, 200) },
        { "saved on a screen half as large", 7, cx / 2, cy / 2, 5, TRUE, CPoint(600, 400) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        app->WriteProfileInt("Test-Summary", "Bars", c.nBars);
        app->WriteProfileInt("Test-Summary", "ScreenCX", c.nScreenCX);
        app->WriteProfileInt("Test-Summary", "ScreenCY", c.nScreenCY);
        app->WriteProfileInt("Test-Bar0", "Bars", c.nTopIDs);
        // Read no further than the data go: no record past the saved sections,
        // no id list past its cap, whatever the counts say.
        CDockState state;
        state.LoadState("Test");
        EXPECT_LE(state.m_arrBarInfo.GetSize(), 7);
        for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i)
        {
            const CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
            EXPECT_LE(pInfo->m_arrBarID.GetSize(), AFX_DOCKSTATE_MAX_IDS);
        }
        FreshFrame g;
        ASSERT_TRUE(g.Create(TRUE));
        g.frame.LoadBarState("Test");
        Pump();
        EXPECT_EQ(c.bFloats, g.b.IsFloating());
        if (c.bFloats)
        {
            CRect rectFloat;
            FloatingFrameOf(g.b)->GetWindowRect(&rectFloat);
            EXPECT_EQ(c.ptFloat, rectFloat.TopLeft());
        }
        // Every bar still has a dock bar and a window.
        for (CBoxBar* pBar : { &g.a, &g.b, &g.c, &g.d })
        {
            EXPECT_NE(nullptr, pBar->m_pDockBar);
            EXPECT_TRUE(::IsWindow(pBar->m_hWnd));
        }
    }
}

} // namespace floating_test
