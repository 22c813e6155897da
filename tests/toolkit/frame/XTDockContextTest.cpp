// The toolkit's dock context: drags driven by posted messages with the
// cursor placed where the drag ends, the dock bar chosen by the cursor (an
// empty dock bar within 4 pixels), Escape, Ctrl and the right button, the
// double click there and back into the same row, bars that move themselves,
// a floating frame hung from the cursor where the bar asks, and the
// listeners told once per drag.
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockContext.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMiniDockFrameWnd.h"

#include "framework/Afx.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTDockTestFrame.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using toolkit_test::MoveCursorTo;

const UINT ID_BAR_A = AFX_IDW_CONTROLBAR_FIRST + 90;
const UINT ID_BAR_B = AFX_IDW_CONTROLBAR_FIRST + 91;

void Pump() { testing_support::PumpPendingMessages(); }

// A toolkit bar of a fixed size that may ask to be dragged live.
class CSideBar : public toolkit_test::CFixedBar
{
public:
    explicit CSideBar(CSize size, BOOL bFullDrag = FALSE) : CFixedBar(size), m_bFullDrag(bFullDrag) {}
    BOOL IsFullWindowDrag() const override { return m_bFullDrag; }

private:
    BOOL m_bFullDrag;
};

// Records, for every step of the loop, where the bar stands and whether a
// rectangle was drawn.
class CRecordingContext : public CXTDockContext
{
public:
    explicit CRecordingContext(CControlBar* pBar) : CXTDockContext(pBar) {}
    std::vector<int> steps;   // the bar's dock bar id after each move, 0 floating
    std::vector<CPoint> corners;   // the bar's top-left corner (screen) after each move
    BOOL bDrawn = FALSE;
    void Move(CPoint pt) override
    {
        CXTDockContext::Move(pt);
        CDockBar* pDockBar = m_pBar->m_pDockBar;
        steps.push_back(pDockBar == nullptr || pDockBar->m_bFloating ? 0 : pDockBar->GetDlgCtrlID());
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        corners.push_back(rect.TopLeft());
    }
    void DrawFocusRect(BOOL bRemoveRect) override
    {
        CXTDockContext::DrawFocusRect(bRemoveRect);
        if (!m_rectLast.IsRectEmpty())
            bDrawn = TRUE;
    }
};

class CListener : public CObject
{
public:
    int nCalls = 0;
    BOOL bDoneSeen = TRUE;
    void OnDragEnd(CXTDockContext* pContext)
    {
        ++nCalls;
        bDoneSeen = pContext->IsDone();
    }
};

class CDockFrame : public CFrameWnd
{
public:
    CWnd pane;
    BOOL CreateFrame()
    {
        if (!Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW, CRect(30, 30, 630, 430)))
            return FALSE;
        m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd);
        return pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST);
    }
    void PostNcDestroy() override {}
    // Docking on, the bar made (with a recording dock context when asked for)
    // and docked in the dock bar given, the frame shown.
    BOOL CreateWithBar(CSideBar& bar, DWORD dwBarStyle, UINT nDockBar, CRecordingContext** ppContext = nullptr)
    {
        if (!CreateFrame())
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!bar.Create(this, dwBarStyle, ID_BAR_A))
            return FALSE;
        if (ppContext != nullptr)
            bar.m_pDockContext = *ppContext = new CRecordingContext(&bar);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&bar, nDockBar);
        ShowWindow(SW_SHOWNOACTIVATE);
        RecalcLayout();
        Pump();
        return ppContext == nullptr || bar.m_pDockContext == *ppContext;
    }
    CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(GetControlBar(nID)); }
    std::vector<int> Rows(UINT nID) { return toolkit_test::DockRows(DockBar(nID)); }
};

int DockBarID(CControlBar& bar) { return toolkit_test::DockBarID(&bar); }

// One posted input during a drag; the point is the screen point it carries.
struct Input
{
    UINT nMsg;
    WPARAM wParam;
};

// Presses the left button on the bar, posts the inputs at the screen point
// (each mouse message there), and lets the drag loop take them.
void Drag(CWnd& bar, CPoint ptTarget, const std::vector<Input>& inputs)
{
    CPoint ptDown(6, 6);
    bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
    CPoint pt = ptTarget;
    bar.ScreenToClient(&pt);
    for (const Input& in : inputs)
        bar.PostMessage(in.nMsg, in.wParam, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    Pump();
}

// The screen point k pixels inside an empty dock bar at the frame's right edge.
CPoint BesideRightDockBar(CDockFrame& frame, int k)
{
    CRect rect;
    frame.DockBar(AFX_IDW_DOCKBAR_RIGHT)->GetWindowRect(&rect);
    return CPoint(rect.left - k, rect.top + rect.Height() / 2);
}

TEST(XTDockContextDrag, TheCursorChoosesTheDockBarAndKeysCancelOrFloat)
{
    struct Case
    {
        const char* name;
        int nInside;              // the cursor this far inside the right dock bar's edge
        std::vector<Input> inputs;
        int nDockBar;             // where the bar ends: 0 floating
        BOOL bCaptureHeld = FALSE; // another window holds the mouse when the drag begins
    };
    const WPARAM L = MK_LBUTTON;
    const Case cases[] = {
        { "onto the right side", 1, { { WM_MOUSEMOVE, L }, { WM_LBUTTONUP, 0 } }, AFX_IDW_DOCKBAR_RIGHT },
        { "an empty dock bar takes it 3 pixels away", 3, { { WM_MOUSEMOVE, L }, { WM_LBUTTONUP, 0 } },
          AFX_IDW_DOCKBAR_RIGHT },
        { "6 pixels away it floats", 6, { { WM_MOUSEMOVE, L }, { WM_LBUTTONUP, 0 } }, 0 },
        { "Escape leaves it", 1, { { WM_MOUSEMOVE, L }, { WM_KEYDOWN, VK_ESCAPE }, { WM_LBUTTONUP, 0 } },
          AFX_IDW_DOCKBAR_LEFT },
        { "the right button leaves it", 1,
          { { WM_MOUSEMOVE, L }, { WM_RBUTTONDOWN, L | MK_RBUTTON }, { WM_LBUTTONUP, 0 } }, AFX_IDW_DOCKBAR_LEFT },
        { "a move without the button ends it where it was", 1,
          { { WM_MOUSEMOVE, 0 }, { WM_MOUSEMOVE, L }, { WM_LBUTTONUP, 0 } }, AFX_IDW_DOCKBAR_LEFT },
        { "Ctrl floats it over a dock bar", 1,
          { { WM_MOUSEMOVE, L }, { WM_KEYDOWN, VK_CONTROL }, { WM_LBUTTONUP, 0 } }, 0 },
        { "Ctrl released docks it again", 1,
          { { WM_KEYDOWN, VK_CONTROL }, { WM_MOUSEMOVE, L }, { WM_KEYUP, VK_CONTROL }, { WM_LBUTTONUP, 0 } },
          AFX_IDW_DOCKBAR_RIGHT },
        { "the mouse held elsewhere: no drag", 1, { { WM_MOUSEMOVE, L }, { WM_LBUTTONUP, 0 } }, AFX_IDW_DOCKBAR_LEFT,
          TRUE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDockFrame frame;
        CSideBar bar(CSize(200, 40));
        ASSERT_TRUE(frame.CreateWithBar(bar, CBRS_LEFT, AFX_IDW_DOCKBAR_LEFT));
        CXTDockContext* pContext = dynamic_cast<CXTDockContext*>(bar.m_pDockContext);
        ASSERT_NE(nullptr, pContext);
        CListener listener;
        ASSERT_EQ(0, pContext->AddCallback(&listener, static_cast<XT_DOCKCALLBACK>(&CListener::OnDragEnd)));
        // What a cancelled drag must give back.
        pContext->m_ptMRUFloatPos = CPoint(77, 88);
        pContext->m_dwMRUFloatStyle = CBRS_ALIGN_LEFT;
        pContext->m_uMRUDockID = AFX_IDW_DOCKBAR_LEFT;
        pContext->m_rectMRUDockPos = CRect(0, 0, 40, 200);

        CPoint pt = BesideRightDockBar(frame, c.nInside);
        MoveCursorTo(pt.x, pt.y);
        if (c.bCaptureHeld)
            frame.pane.SetCapture();
        Drag(bar, pt, c.inputs);
        if (c.bCaptureHeld)
        {
            EXPECT_EQ(frame.pane.m_hWnd, ::GetCapture());
            ::ReleaseCapture();
        }

        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(c.nDockBar, DockBarID(bar));
        EXPECT_EQ(1, listener.nCalls);
        EXPECT_TRUE(pContext->IsDone());
        EXPECT_FALSE(pContext->IsInLoop());
        if (c.nDockBar == AFX_IDW_DOCKBAR_LEFT)
        {
            EXPECT_EQ(CPoint(77, 88), pContext->m_ptMRUFloatPos);
            EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pContext->m_dwMRUFloatStyle);
            EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, pContext->m_uMRUDockID);
        }
        if (c.nDockBar == 0)
        {
            CMiniDockFrameWnd* pFloat = dynamic_cast<CMiniDockFrameWnd*>(bar.GetParentFrame());
            ASSERT_NE(nullptr, pFloat);
            EXPECT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(CXTMiniDockFrameWnd)));
            EXPECT_TRUE(pFloat->IsWindowVisible());
            // Upright on the left, it floats upright: the floating frame's corner is remembered.
            CRect rectFloat;
            pFloat->GetWindowRect(&rectFloat);
            EXPECT_EQ(rectFloat.TopLeft(), pContext->m_ptMRUFloatPos);
        }
        pContext->RemoveCallback(&listener);
        frame.DestroyWindow();
        Pump();
    }
}

// Inside the drag loop, once it runs: puts the cursor where the button will
// come up and releases the button there, as the mouse would get there
// without a move the loop sees (a busy program gets the last moves folded
// into the release).
class CCursorMover : public CWnd
{
public:
    CControlBar* pBar = nullptr;
    CPoint ptUp;                 // screen
    BOOL bHandled = FALSE;
    BOOL bInLoop = FALSE;        // the loop ran when the message came

protected:
    LRESULT OnMoveCursor(WPARAM, LPARAM)
    {
        CXTDockContext* pContext = dynamic_cast<CXTDockContext*>(pBar->m_pDockContext);
        bHandled = TRUE;
        bInLoop = pContext != nullptr && pContext->IsInLoop();
        // The cursor there and steady; the move it makes is not seen.
        int nSteady = 0;
        for (int i = 0; i < 500 && nSteady < 5; ++i)
        {
            if (nSteady == 0)
                ::SetCursorPos(ptUp.x, ptUp.y);
            ::Sleep(2);
            POINT pt = {};
            nSteady = ::GetCursorPos(&pt) && pt.x == ptUp.x && pt.y == ptUp.y ? nSteady + 1 : 0;
        }
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE))
        {
        }
        CPoint ptClient = ptUp;
        pBar->ScreenToClient(&ptClient);
        pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM((WORD)(short)ptClient.x, (WORD)(short)ptClient.y));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCursorMover, CWnd)
    ON_MESSAGE(WM_APP, OnMoveCursor)
END_MESSAGE_MAP()

TEST(XTDockContextDrag, TheButtonUpWhereNoMoveWasSeenEndsTheDragThere)
{
    CDockFrame frame;
    CSideBar bar(CSize(200, 40));
    ASSERT_TRUE(frame.CreateWithBar(bar, CBRS_LEFT, AFX_IDW_DOCKBAR_LEFT));
    CCursorMover mover;
    mover.pBar = &bar;
    mover.ptUp = BesideRightDockBar(frame, 1);
    ASSERT_TRUE(mover.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
    // Pressed where the cursor is: the loop starts over the left dock bar.
    CPoint ptDown(6, 6);
    bar.ClientToScreen(&ptDown);
    MoveCursorTo(ptDown.x, ptDown.y);
    bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    mover.PostMessage(WM_APP);
    CXTDockContext* pContext = dynamic_cast<CXTDockContext*>(bar.m_pDockContext);
    ASSERT_NE(nullptr, pContext);
    // The loop runs inside the pump; it has ended when the release was taken.
    ASSERT_TRUE(toolkit_test::PumpUntil([&] { return mover.bHandled && pContext->IsDone(); }));
    EXPECT_TRUE(mover.bInLoop);
    EXPECT_EQ(AFX_IDW_DOCKBAR_RIGHT, DockBarID(bar));
    EXPECT_EQ(nullptr, ::GetCapture());
    mover.DestroyWindow();
    frame.DestroyWindow();
    Pump();
}

// A docked bar that answers the drag-rectangle query hangs its floating frame
// from the cursor by the size it gives.
class CHangingBar : public CSideBar
{
public:
    using CSideBar::CSideBar;
    BOOL OnDragRectQuery(LPSIZE lpSize) override
    {
        *lpSize = CSize(10, 5);
        return TRUE;
    }
};

TEST(XTDockContextDrag, ABarAnsweringTheDragRectangleQueryHangsItsFrameFromTheCursor)
{
    CDockFrame frame;
    CHangingBar bar(CSize(200, 30));
    ASSERT_TRUE(frame.CreateWithBar(bar, CBRS_TOP, AFX_IDW_DOCKBAR_TOP));
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    const CPoint pt = rectFrame.CenterPoint();
    MoveCursorTo(pt.x, pt.y);
    Drag(bar, pt, { { WM_MOUSEMOVE, MK_LBUTTON }, { WM_LBUTTONUP, 0 } });
    ASSERT_EQ(0, DockBarID(bar));
    CRect rectFloat;
    bar.GetParentFrame()->GetWindowRect(&rectFloat);
    EXPECT_EQ(pt - CPoint(10, 5), rectFloat.TopLeft());
    frame.DestroyWindow();
    Pump();
}

TEST(XTDockContextDrag, CallbackSlotsAreFourAndFreedPerObject)
{
    CSideBar bar(CSize(100, 30));
    CXTDockContext context(&bar);
    CListener a, b;
    XT_DOCKCALLBACK pfn = static_cast<XT_DOCKCALLBACK>(&CListener::OnDragEnd);
    EXPECT_EQ(0, context.AddCallback(&a, pfn));
    EXPECT_EQ(1, context.AddCallback(&b, pfn));
    EXPECT_EQ(2, context.AddCallback(&a, pfn));
    EXPECT_EQ(3, context.AddCallback(&b, pfn));
    EXPECT_EQ(-1, context.AddCallback(&a, pfn));
    context.RemoveCallback(&a);
    // The freed slots are taken again, first the lowest.
    EXPECT_EQ(0, context.AddCallback(&b, pfn));
    EXPECT_EQ(2, context.AddCallback(&a, pfn));
    EXPECT_EQ(-1, context.AddCallback(&a, pfn));
}

TEST(XTDockContextToggle, DoubleClickFloatsAndDocksBackIntoTheSameRow)
{
    CDockFrame frame;
    CSideBar a(CSize(200, 30)), b(CSize(120, 30));
    ASSERT_TRUE(frame.CreateWithBar(a, CBRS_TOP, AFX_IDW_DOCKBAR_TOP));
    ASSERT_TRUE(b.Create(&frame, CBRS_TOP, ID_BAR_B));
    b.EnableDocking(CBRS_ALIGN_ANY);
    CRect rect;
    a.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width() + 20, 0);
    frame.DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect);
    frame.RecalcLayout();
    Pump();
    ASSERT_EQ((std::vector<int>{ (int)ID_BAR_A, (int)ID_BAR_B, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    CRect rectDocked;
    b.GetWindowRect(&rectDocked);

    // Never floated: it floats where it stood.
    b.PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 6));
    Pump();
    ASSERT_EQ(0, DockBarID(b));
    CXTMiniDockFrameWnd* pFloat = dynamic_cast<CXTMiniDockFrameWnd*>(b.GetParentFrame());
    ASSERT_NE(nullptr, pFloat);
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    EXPECT_EQ(rectDocked.TopLeft(), rectFloat.TopLeft());
    EXPECT_EQ((std::vector<int>{ (int)ID_BAR_A, -1, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));

    // The floating frame's caption: back into its row, at its place.
    CRect rectCaption = pFloat->GetCaptionRect();
    CPoint pt(rectCaption.left + 3, rectCaption.CenterPoint().y);
    pFloat->PostMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    Pump();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, DockBarID(b));
    EXPECT_EQ((std::vector<int>{ (int)ID_BAR_A, (int)ID_BAR_B, 0 }), frame.Rows(AFX_IDW_DOCKBAR_TOP));
    CRect rectAgain;
    b.GetWindowRect(&rectAgain);
    EXPECT_EQ(rectDocked, rectAgain);

    // Once floated, it floats again where it floated.
    b.PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 6));
    Pump();
    pFloat = dynamic_cast<CXTMiniDockFrameWnd*>(b.GetParentFrame());
    ASSERT_NE(nullptr, pFloat);
    CRect rectFloat2;
    pFloat->GetWindowRect(&rectFloat2);
    EXPECT_EQ(rectFloat.TopLeft(), rectFloat2.TopLeft());
    frame.DestroyWindow();
    Pump();
}

TEST(XTDockContextLive, ABarThatAsksMovesItselfWithEveryStepAndNothingIsDrawn)
{
    struct Case
    {
        const char* name;
        BOOL bShowWhileDragging;
        BOOL bFullDrag;
        int nDuringLoop;   // where the bar stands after the first move
        BOOL bDrawn;
    };
    const Case cases[] = {
        { "live: docked right already during the loop", TRUE, TRUE, AFX_IDW_DOCKBAR_RIGHT, FALSE },
        { "the option off: a rectangle, the bar stays", FALSE, TRUE, AFX_IDW_DOCKBAR_TOP, TRUE },
        { "a bar that does not ask: a rectangle", TRUE, FALSE, AFX_IDW_DOCKBAR_TOP, TRUE },
    };
    const BOOL bSaved = xtAfxData.m_bShowBarWhileDragging;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        xtAfxData.m_bShowBarWhileDragging = c.bShowWhileDragging;
        CDockFrame frame;
        CSideBar bar(CSize(200, 30), c.bFullDrag);
        CRecordingContext* pContext = nullptr;
        ASSERT_TRUE(frame.CreateWithBar(bar, CBRS_TOP, AFX_IDW_DOCKBAR_TOP, &pContext));
        CListener listener;
        pContext->AddCallback(&listener, static_cast<XT_DOCKCALLBACK>(&CListener::OnDragEnd));

        CPoint pt = BesideRightDockBar(frame, 2);
        MoveCursorTo(pt.x, pt.y);
        Drag(bar, pt, { { WM_MOUSEMOVE, MK_LBUTTON }, { WM_LBUTTONUP, 0 } });

        ASSERT_EQ(1u, pContext->steps.size());
        EXPECT_EQ(c.nDuringLoop, pContext->steps[0]);
        EXPECT_EQ(c.bDrawn, pContext->bDrawn);
        EXPECT_EQ(c.bShowWhileDragging && c.bFullDrag, pContext->IsLive());
        EXPECT_EQ(AFX_IDW_DOCKBAR_RIGHT, DockBarID(bar));
        EXPECT_EQ(1, listener.nCalls);
        EXPECT_EQ(nullptr, ::GetCapture());
        frame.DestroyWindow();
        Pump();
    }
    xtAfxData.m_bShowBarWhileDragging = bSaved;
}

TEST(XTDockContextLive, ALiveBarFloatsMovesItsFrameAndGoesBackOnEscape)
{
    const BOOL bSaved = xtAfxData.m_bShowBarWhileDragging;
    xtAfxData.m_bShowBarWhileDragging = TRUE;
    CDockFrame frame;
    CSideBar bar(CSize(200, 30), TRUE);
    CRecordingContext* pContext = nullptr;
    ASSERT_TRUE(frame.CreateWithBar(bar, CBRS_TOP, AFX_IDW_DOCKBAR_TOP, &pContext));
    CRect rectBefore;
    bar.GetWindowRect(&rectBefore);

    // Over the middle of the frame: it floats at the first move, then its
    // frame follows the mouse by as much as it moved (each move carries the
    // point where it happened, in the bar's coordinates of before the drag);
    // Escape docks it back where it was.
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    const CPoint ptMiddle = rectFrame.CenterPoint();
    MoveCursorTo(ptMiddle.x, ptMiddle.y);
    bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    static std::vector<CPoint> s_points;
    s_points = { ptMiddle, ptMiddle + CPoint(10, 15) };
    for (CPoint pt : s_points)
    {
        bar.ScreenToClient(&pt);
        bar.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    bar.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    // Each posted move carries the screen point where it happened, as real input does.
    HHOOK hHook = ::SetWindowsHookExA(
        WH_GETMESSAGE,
        [](int nCode, WPARAM wParam, LPARAM lParam) -> LRESULT {
            MSG* pMsg = reinterpret_cast<MSG*>(lParam);
            if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_MOUSEMOVE &&
                pMsg->wParam == MK_LBUTTON && !s_points.empty())
            {
                pMsg->pt = s_points.front();
                s_points.erase(s_points.begin());
            }
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        },
        nullptr, ::GetCurrentThreadId());
    Pump();
    ::UnhookWindowsHookEx(hHook);

    ASSERT_EQ(2u, pContext->steps.size());
    EXPECT_EQ(0, pContext->steps[0]);
    EXPECT_EQ(0, pContext->steps[1]);
    EXPECT_EQ(CPoint(10, 15), pContext->corners[1] - pContext->corners[0]);
    EXPECT_FALSE(pContext->bDrawn);
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, DockBarID(bar));
    CRect rectAfter;
    bar.GetWindowRect(&rectAfter);
    EXPECT_EQ(rectBefore, rectAfter);
    frame.DestroyWindow();
    Pump();
    xtAfxData.m_bShowBarWhileDragging = bSaved;
}

// A bar that floats at the width (or height) the user drags, in steps of 10.
class CSizingBar : public CXTControlBar
{
public:
    int cx = 150, cy = 40;
    BOOL Create(CWnd* pParent, UINT nID)
    {
        return CreateBar(nullptr, WS_VISIBLE, CBRS_TOP | CBRS_SIZE_DYNAMIC, pParent, nID);
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(cx, cy) : CSize(cy, cx); }
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override
    {
        if (nLength < 0 || (nMode & (LM_MRUWIDTH | LM_HORZDOCK | LM_VERTDOCK)))
            return CalcFixedLayout(FALSE, !(nMode & LM_VERTDOCK));
        int nStep = std::max(20, nLength / 10 * 10);
        CSize size = (nMode & LM_LENGTHY) ? CSize(cx, nStep) : CSize(nStep, cy);
        if (nMode & LM_COMMIT)
            cx = size.cx;
        return size;
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

TEST(XTDockContextResize, ASizingBorderChangesTheBarFromTheOppositeCorner)
{
    struct Case
    {
        const char* name;
        int nHitTest;
        CPoint delta;
        int cxExpected;
        BOOL bRightStays;
    };
    const Case cases[] = {
        { "the right border 47 pixels out", HTRIGHT, CPoint(47, 0), 190, FALSE },
        { "the left border 33 pixels out: the right edge stays", HTLEFT, CPoint(-33, 0), 180, TRUE },
        { "the right border 70 pixels in", HTRIGHT, CPoint(-70, 0), 80, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDockFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        frame.EnableDocking(CBRS_ALIGN_ANY);
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        CSizingBar bar;
        ASSERT_TRUE(bar.Create(&frame, ID_BAR_A));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.FloatControlBar(&bar, CPoint(200, 200), CBRS_ALIGN_TOP);
        Pump();
        CFrameWnd* pFloat = bar.GetParentFrame();
        ASSERT_NE(&frame, pFloat);
        CRect rectFloat, rectBar;
        pFloat->GetWindowRect(&rectFloat);
        bar.GetWindowRect(&rectBar);
        ASSERT_EQ(150, rectBar.Width());

        CPoint ptStart(c.nHitTest == HTLEFT ? rectFloat.left : rectFloat.right - 1, rectFloat.CenterPoint().y);
        CPoint pt = ptStart + c.delta;
        bar.ScreenToClient(&pt);
        bar.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
        bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
        bar.m_pDockContext->StartResize(c.nHitTest, ptStart);
        Pump();

        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(pFloat, bar.GetParentFrame());
        EXPECT_EQ(c.cxExpected, bar.cx);
        CRect rectAfter, rectBarAfter;
        pFloat->GetWindowRect(&rectAfter);
        bar.GetWindowRect(&rectBarAfter);
        EXPECT_EQ(c.cxExpected, rectBarAfter.Width());
        EXPECT_EQ(rectFloat.top, rectAfter.top);
        if (c.bRightStays)
            EXPECT_EQ(rectFloat.right, rectAfter.right);
        else
            EXPECT_EQ(rectFloat.left, rectAfter.left);
        frame.DestroyWindow();
        Pump();
    }
}

TEST(XTDockContextOtherFrame, ABarDocksInAnotherFrameOnlyWhenItAllowsIt)
{
    for (BOOL bAllow : { TRUE, FALSE })
    {
        SCOPED_TRACE(bAllow ? "allowed: the other frame takes it" : "not allowed: it floats");
        CDockFrame first, second;
        ASSERT_TRUE(first.CreateFrame());
        ASSERT_TRUE(second.CreateFrame());
        first.EnableDocking(CBRS_ALIGN_ANY);
        second.EnableDocking(CBRS_ALIGN_ANY);
        second.SetWindowPos(nullptr, 700, 60, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        first.ShowWindow(SW_SHOWNOACTIVATE);
        second.ShowWindow(SW_SHOWNOACTIVATE);
        // The second frame above the first in z-order.
        ::SetWindowPos(second.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        CSideBar bar(CSize(200, 30));
        ASSERT_TRUE(bar.Create(&first, CBRS_TOP, ID_BAR_A));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        bar.m_bDockInOtherFrame = bAllow;
        first.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        first.RecalcLayout();
        second.RecalcLayout();
        Pump();
        CWinApp* pApp = AfxGetApp();
        CWnd* pSavedMain = pApp->m_pMainWnd;
        pApp->m_pMainWnd = &first;

        CRect rectTop;
        second.DockBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(&rectTop);
        CPoint pt(rectTop.left + 50, rectTop.top + 2);
        MoveCursorTo(pt.x, pt.y);
        Drag(bar, pt, { { WM_MOUSEMOVE, MK_LBUTTON }, { WM_LBUTTONUP, 0 } });
        pApp->m_pMainWnd = pSavedMain;

        if (bAllow)
        {
            EXPECT_EQ(&second, bar.GetParentFrame());
            EXPECT_EQ(&second, bar.m_pDockSite);
            EXPECT_EQ(&bar, second.GetControlBar(ID_BAR_A));
            EXPECT_EQ(nullptr, first.GetControlBar(ID_BAR_A));
            EXPECT_EQ((std::vector<int>{ (int)ID_BAR_A, 0 }), second.Rows(AFX_IDW_DOCKBAR_TOP));
        }
        else
            EXPECT_EQ(0, DockBarID(bar));
        if (bAllow)
            second.RemoveControlBar(&bar);
        bar.DestroyWindow();
        first.DestroyWindow();
        second.DestroyWindow();
        Pump();
    }
}

} // namespace
