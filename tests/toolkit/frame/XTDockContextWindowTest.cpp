// The dock context moving dock windows between the toolkit's dock bars: a
// drag from the left side to the right one, Escape and Ctrl on the way, and
// a double click that floats a window and docks it back into its row; with
// the mouse, its floating frame dragged and clicked by the caption, and left
// on top when its frame is clicked, below a window of the frame's own that
// stays above it.
#include "toolkit/frame/XTDockContext.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTMiniDockFrameWnd.h"

#include "framework/Afx.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTDockTestFrame.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using toolkit_test::CDockTestFrame;
using toolkit_test::MoveCursorTo;

void Pump() { testing_support::PumpPendingMessages(); }

using toolkit_test::DockBarID;
const auto Rows = toolkit_test::DockRows;

// Two dock windows, one above the other in the left column of a frame that
// floats them in the toolkit's mini frame.
void TwoInTheLeftColumn(CDockTestFrame& frame, CXTDockWindow*& pEins, CXTDockWindow*& pZwei)
{
    ASSERT_TRUE(frame.CreateFrame());
    frame.m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd);
    pEins = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 150, nullptr, "Eins", 0xE850);
    ASSERT_NE(nullptr, pEins);
    CRect rect;
    pEins->GetWindowRect(&rect);
    rect.OffsetRect(0, rect.Height() + 10);
    pZwei = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 150, &rect, "Zwei", 0xE851);
    ASSERT_NE(nullptr, pZwei);
    frame.RecalcLayout();
    Pump();
}

// Drags the window by posted messages to 2 pixels inside the empty right dock
// bar's edge; the keys go down before the move and after it.
void DragToTheRight(CDockTestFrame& frame, CXTDockWindow* pWindow, const std::vector<UINT>& keysBefore,
                    const std::vector<UINT>& keysAfter)
{
    CRect rectRight;
    frame.DockBar(XT_IDW_DOCKBAR_RIGHT)->GetWindowRect(&rectRight);
    CPoint pt(rectRight.left - 2, rectRight.top + rectRight.Height() / 2);
    MoveCursorTo(pt.x, pt.y);
    pWindow->ScreenToClient(&pt);
    LPARAM lParam = MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y);
    pWindow->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    for (UINT nKey : keysBefore)
        pWindow->PostMessage(WM_KEYDOWN, nKey, 0);
    pWindow->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, lParam);
    for (UINT nKey : keysAfter)
        pWindow->PostMessage(WM_KEYDOWN, nKey, 0);
    pWindow->PostMessage(WM_LBUTTONUP, 0, lParam);
    Pump();
}

TEST(XTDockContextDockWindow, ADockWindowDraggedFromTheLeftDocksRight)
{
    struct Case
    {
        const char* name;
        std::vector<UINT> keys;   // pressed after the move
        int nDockBar;             // 0: floating
    };
    const Case cases[] = {
        { "onto the right dock bar", {}, XT_IDW_DOCKBAR_RIGHT },
        { "Escape leaves it on the left", { VK_ESCAPE }, XT_IDW_DOCKBAR_LEFT },
        { "Ctrl floats it", { VK_CONTROL }, 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDockTestFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        frame.m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd);
        CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 200, nullptr, "Eins");
        ASSERT_NE(nullptr, pWindow);
        ASSERT_NE(nullptr, dynamic_cast<CXTDockContext*>(pWindow->m_pDockContext));
        frame.RecalcLayout();
        Pump();
        ASSERT_EQ(XT_IDW_DOCKBAR_LEFT, DockBarID(pWindow));

        DragToTheRight(frame, pWindow, {}, c.keys);

        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(c.nDockBar, DockBarID(pWindow));
        if (c.nDockBar == XT_IDW_DOCKBAR_RIGHT)
        {
            // Upright at the right edge of the frame's client area.
            CRect rectWindow, rectClient;
            pWindow->GetWindowRect(&rectWindow);
            frame.GetClientRect(&rectClient);
            frame.ClientToScreen(&rectClient);
            EXPECT_EQ(rectClient.right, rectWindow.right);
            EXPECT_GT(rectWindow.Height(), rectWindow.Width());
        }
        if (c.nDockBar == 0)
        {
            EXPECT_TRUE(pWindow->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CXTMiniDockFrameWnd)));
        }
    }
}

TEST(XTDockContextDockWindow, DoubleClicksFloatAWindowAndDockItBackIntoItsRow)
{
    CDockTestFrame frame;
    CXTDockWindow *pEins = nullptr, *pZwei = nullptr;
    ASSERT_NO_FATAL_FAILURE(TwoInTheLeftColumn(frame, pEins, pZwei));
    CDockBar* pLeft = frame.DockBar(XT_IDW_DOCKBAR_LEFT);
    const std::vector<int> rows = Rows(pLeft);
    ASSERT_EQ((std::vector<int>{ 0xE850, 0xE851, 0 }), rows);

    pZwei->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 6));
    Pump();
    ASSERT_EQ(0, DockBarID(pZwei));
    EXPECT_EQ((std::vector<int>{ 0xE850, -1, 0 }), Rows(pLeft));

    pZwei->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 6));
    Pump();
    EXPECT_EQ(XT_IDW_DOCKBAR_LEFT, DockBarID(pZwei));
    EXPECT_EQ(rows, Rows(pLeft));
    EXPECT_TRUE(pZwei->IsWindowVisible());
}

TEST(XTDockContextDockWindow, AnExpandedWindowGivesItsRowBackItsLengthsWhenItLeaves)
{
    struct Case
    {
        const char* name;
        BOOL bFloat;   // Ctrl held: it floats instead of docking right
    };
    const Case cases[] = { { "docked on the right side", FALSE }, { "floated", TRUE } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDockTestFrame frame;
        CXTDockWindow *pEins = nullptr, *pZwei = nullptr;
        ASSERT_NO_FATAL_FAILURE(TwoInTheLeftColumn(frame, pEins, pZwei));
        CXTDockBar* pLeft = frame.DockBar(XT_IDW_DOCKBAR_LEFT);
        pLeft->ExpandBar(pZwei);
        ASSERT_TRUE(pZwei->IsExpanded());
        CRect rectEins;
        pEins->GetWindowRect(&rectEins);
        ASSERT_LT(rectEins.Height(), 60);

        DragToTheRight(frame, pZwei, c.bFloat ? std::vector<UINT>{ VK_CONTROL } : std::vector<UINT>{}, {});

        EXPECT_EQ(c.bFloat ? 0 : XT_IDW_DOCKBAR_RIGHT, DockBarID(pZwei));
        EXPECT_FALSE(pZwei->IsExpanded());
        if (c.bFloat)
        {
            EXPECT_EQ(pZwei->m_sizeMRUFloat, pZwei->m_sizeFloat);
        }
        // Eins has its column again.
        pEins->GetWindowRect(&rectEins);
        CRect rectLeft;
        pLeft->GetWindowRect(&rectLeft);
        EXPECT_EQ(rectLeft.Height(), rectEins.Height());
    }
}

TEST(XTDockContextDockWindow, AFloatingWindowsFrameResizesItFromItsBorders)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd);
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 150, nullptr, "Eins");
    ASSERT_NE(nullptr, pWindow);
    frame.RecalcLayout();
    Pump();
    pWindow->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 6));
    Pump();
    CXTMiniDockFrameWnd* pFloat = dynamic_cast<CXTMiniDockFrameWnd*>(pWindow->GetParentFrame());
    ASSERT_NE(nullptr, pFloat);
    // A dock window's frame sizes at every border, and its caption has a close button.
    EXPECT_FALSE(pFloat->GetStyle() & MFS_4THICKFRAME);
    EXPECT_NE(nullptr, pFloat->FindButton(CAPTIONBUTTONINFO::kindClose));
    pFloat->RecalcLayout();
    Pump();
    CRect rectFloat, rectBar;
    pFloat->GetWindowRect(&rectFloat);
    pWindow->GetWindowRect(&rectBar);

    // The right border 40 pixels out, the bottom one 30 pixels in.
    struct Step
    {
        UINT nHitTest;
        CPoint ptFrom;
        CPoint delta;
    };
    const Step steps[] = { { HTRIGHT, CPoint(rectFloat.right - 1, rectFloat.CenterPoint().y), CPoint(40, 0) },
                           { HTBOTTOM, CPoint(rectFloat.CenterPoint().x, rectFloat.bottom - 1), CPoint(0, -30) } };
    for (const Step& step : steps)
    {
        CPoint pt = step.ptFrom + step.delta;
        pWindow->ScreenToClient(&pt);
        LPARAM lParam = MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y);
        pFloat->PostMessage(WM_NCLBUTTONDOWN, step.nHitTest, MAKELPARAM(step.ptFrom.x, step.ptFrom.y));
        pWindow->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, lParam);
        pWindow->PostMessage(WM_LBUTTONUP, 0, lParam);
        Pump();
    }
    EXPECT_EQ(nullptr, ::GetCapture());
    CRect rectAfter, rectBarAfter;
    pFloat->GetWindowRect(&rectAfter);
    pWindow->GetWindowRect(&rectBarAfter);
    EXPECT_EQ(rectBar.Width() + 40, rectBarAfter.Width());
    EXPECT_EQ(rectBar.Height() - 30, rectBarAfter.Height());
    EXPECT_EQ(rectFloat.TopLeft(), rectAfter.TopLeft());
}

// Keeps the feedback rectangle drawn after each move.
class CFeedbackContext : public CXTDockContext
{
public:
    explicit CFeedbackContext(CControlBar* pBar) : CXTDockContext(pBar) {}
    std::vector<CRect> drawn;
    void Move(CPoint pt) override
    {
        CXTDockContext::Move(pt);
        drawn.push_back(m_rectLast);
    }
};

TEST(XTDockContextDockWindow, TheFeedbackOfADockWindowSpansTheTargetDockBar)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 150, nullptr, "Eins");
    ASSERT_NE(nullptr, pWindow);
    delete pWindow->m_pDockContext;
    CFeedbackContext* pContext = new CFeedbackContext(pWindow);
    pWindow->m_pDockContext = pContext;
    frame.RecalcLayout();
    Pump();

    CRect rectRight;
    frame.DockBar(XT_IDW_DOCKBAR_RIGHT)->GetWindowRect(&rectRight);
    CPoint pt(rectRight.left - 2, rectRight.top + 20);
    MoveCursorTo(pt.x, pt.y);
    pWindow->ScreenToClient(&pt);
    pWindow->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
    pWindow->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    pWindow->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();

    ASSERT_EQ(1u, pContext->drawn.size());
    EXPECT_EQ(rectRight.top, pContext->drawn[0].top);
    EXPECT_EQ(rectRight.bottom, pContext->drawn[0].bottom);
    EXPECT_EQ(XT_IDW_DOCKBAR_LEFT, DockBarID(pWindow));
}

namespace {

// A frame in front with one dock window, floated by a double click on it and
// its floating frame put at 200,200.
void FloatOneWindow(CDockTestFrame& frame, CXTDockWindow*& pWindow, CXTMiniDockFrameWnd*& pFloat)
{
    ASSERT_TRUE(frame.CreateFrame(CRect(60, 60, 760, 560)));
    frame.m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd);
    pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 150, nullptr, "Eins");
    ASSERT_NE(nullptr, pWindow);
    frame.RecalcLayout();
    toolkit_test::BringToFront(frame.m_hWnd);
    pWindow->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 6));
    Pump();
    pFloat = dynamic_cast<CXTMiniDockFrameWnd*>(pWindow->GetParentFrame());
    ASSERT_NE(nullptr, pFloat);
    pFloat->SetWindowPos(nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

// With the mouse: the floating frame dragged by its caption lands exactly as
// far away as the mouse went, a click leaves it where it is, and a click into
// its frame leaves it on top.
TEST(XTDockContextDockWindow, AFloatingWindowsCaptionFollowsTheMouseAndItsFrameStaysOnTop)
{
    CDockTestFrame frame;
    CXTDockWindow* pWindow = nullptr;
    CXTMiniDockFrameWnd* pFloat = nullptr;
    ASSERT_NO_FATAL_FAILURE(FloatOneWindow(frame, pWindow, pFloat));
    Pump();

    const struct
    {
        const char* name;
        CPoint delta;
    } moves[] = { { "a drag", CPoint(60, 40) }, { "another", CPoint(-30, 50) }, { "a click", CPoint(0, 0) } };
    for (const auto& move : moves)
    {
        SCOPED_TRACE(move.name);
        CRect rectBefore;
        pFloat->GetWindowRect(&rectBefore);
        const CPoint ptCaption(rectBefore.left + 20, rectBefore.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2);
        ASSERT_EQ(HTCAPTION, pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)));
        if (move.delta == CPoint(0, 0))
            toolkit_test::Click(ptCaption);
        else
            toolkit_test::Drag(ptCaption, ptCaption + move.delta);
        ASSERT_EQ(pFloat, pWindow->GetParentFrame());
        CRect rectAfter;
        pFloat->GetWindowRect(&rectAfter);
        EXPECT_EQ(rectBefore.TopLeft() + move.delta, rectAfter.TopLeft());
    }

    // Into its frame beside it: the frame takes the focus, the floating frame stays above.
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    toolkit_test::Click(CPoint(rectFloat.right + 30, rectFloat.CenterPoint().y));
    // The display may restack the frame a moment after the click.
    toolkit_test::PumpFor(250);
    HWND hSeen = ::WindowFromPoint(rectFloat.CenterPoint());
    EXPECT_TRUE(hSeen == pFloat->m_hWnd || ::IsChild(pFloat->m_hWnd, hSeen));
    toolkit_test::ParkMouse();
    frame.DestroyWindow();
    Pump();
}

// The frame's own window that lets the frame work beside it (as the
// customise sheet does) stays above the floating frame when the frame comes
// forward, and takes the clicks on it; the floating frame stays above the frame.
TEST(XTDockContextDockWindow, AWindowOfTheFramesOwnStaysAboveItsFloatingFrameWhenTheFrameComesForward)
{
    CDockTestFrame frame;
    CXTDockWindow* pWindow = nullptr;
    CXTMiniDockFrameWnd* pFloat = nullptr;
    ASSERT_NO_FATAL_FAILURE(FloatOneWindow(frame, pWindow, pFloat));
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    // Over the floating frame's right half and beyond.
    const CRect rectOwn(rectFloat.CenterPoint().x, rectFloat.top - 20, rectFloat.right + 150, rectFloat.bottom + 20);
    HWND hOwn = ::CreateWindowExA(0, "#32770", "Eigenes", WS_POPUP | WS_CAPTION | WS_VISIBLE, rectOwn.left, rectOwn.top,
                                  rectOwn.Width(), rectOwn.Height(), frame.m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hOwn);
    toolkit_test::PumpFor(100);

    auto seenAt = [](CPoint pt) { return ::GetAncestor(::WindowFromPoint(pt), GA_ROOT); };
    const CPoint ptFloatOnly(rectFloat.left + 10, rectFloat.CenterPoint().y);
    const CPoint ptOwn(rectFloat.right - 10, rectFloat.CenterPoint().y);
    // A click into the frame beside both brings the frame forward.
    toolkit_test::Click(CPoint(rectOwn.left, rectFloat.bottom + 60));
    // The display may restack the frame a moment after the click.
    toolkit_test::PumpFor(300);
    EXPECT_EQ(frame.m_hWnd, ::GetActiveWindow());
    EXPECT_EQ(hOwn, seenAt(ptOwn));
    EXPECT_EQ(pFloat->m_hWnd, seenAt(ptFloatOnly));
    // Its click reaches it.
    toolkit_test::Click(ptOwn);
    EXPECT_TRUE(toolkit_test::PumpUntil([&] { return ::GetActiveWindow() == hOwn; }));
    ::DestroyWindow(hOwn);
    toolkit_test::ParkMouse();
    frame.DestroyWindow();
    Pump();
}

} // namespace

namespace {

// Whether the window (or a child of it) is what the screen shows at the point.
bool SeenAt(HWND hWnd, CPoint pt)
{
    HWND hSeen = ::WindowFromPoint(pt);
    return hSeen == hWnd || ::IsChild(hWnd, hSeen);
}

} // namespace

// With the mouse: a frame already floating stays above its frame when
// another dock window is dragged off its side and floats beside it.
TEST(XTDockContextDockWindow, AWindowDraggedOffItsSideLeavesTheFramesAlreadyFloatingOnTop)
{
    CDockTestFrame frame;
    CXTDockWindow* pEins = nullptr;
    CXTMiniDockFrameWnd* pFloat = nullptr;
    ASSERT_NO_FATAL_FAILURE(FloatOneWindow(frame, pEins, pFloat));
    CXTDockWindow* pZwei = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 150, nullptr, "Zwei", 0xE851);
    ASSERT_NE(nullptr, pZwei);
    frame.RecalcLayout();
    // The first floating frame over the frame's right half.
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    pFloat->SetWindowPos(nullptr, rectFrame.right - 250, rectFrame.top + 120, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    ASSERT_TRUE(toolkit_test::PumpUntil([&] { return SeenAt(pFloat->m_hWnd, rectFloat.CenterPoint()); }));

    // The second by its caption into the frame's middle, left of the first,
    // once the frame has laid it out.
    auto captionOf = [&] {
        CRect rect;
        pZwei->GetWindowRect(&rect);
        return CPoint(rect.CenterPoint().x, rect.top + 6);
    };
    ASSERT_TRUE(toolkit_test::PumpUntil([&] { return SeenAt(pZwei->m_hWnd, captionOf()); }));
    const CPoint ptFrom = captionOf();
    toolkit_test::Drag(ptFrom, CPoint(rectFrame.left + 250, rectFrame.CenterPoint().y));
    toolkit_test::PumpUntil([&] { return DockBarID(pZwei) == 0 && pZwei->GetParentFrame()->IsWindowVisible(); });
    ASSERT_EQ(0, DockBarID(pZwei)) << "pressed at " << ptFrom.x << "," << ptFrom.y;
    ASSERT_TRUE(pZwei->GetParentFrame()->IsWindowVisible());
    CFrameWnd* pSecond = pZwei->GetParentFrame();
    ASSERT_NE(pFloat, pSecond);

    // Both floating frames above their frame, also a moment later.
    toolkit_test::PumpFor(300);
    CRect rectSecond;
    pSecond->GetWindowRect(&rectSecond);
    EXPECT_TRUE(SeenAt(pFloat->m_hWnd, rectFloat.CenterPoint()));
    EXPECT_TRUE(SeenAt(pSecond->m_hWnd, rectSecond.CenterPoint()));

    // Floated upright from its side, then moved by its caption: its frame
    // goes as far as the mouse and stays the frame it is.
    CXTMiniDockFrameWnd* pSecondFloat = dynamic_cast<CXTMiniDockFrameWnd*>(pSecond);
    ASSERT_NE(nullptr, pSecondFloat);
    const CRect rectCaption = pSecondFloat->GetCaptionRect();
    const CPoint ptCaption(rectCaption.left + 3, rectCaption.CenterPoint().y);
    ASSERT_TRUE(toolkit_test::PumpUntil([&] { return SeenAt(pSecond->m_hWnd, ptCaption); }));
    const CPoint delta(40, 30);
    toolkit_test::Drag(ptCaption, ptCaption + delta);
    EXPECT_TRUE(toolkit_test::PumpUntil([&] {
        CRect rect;
        pZwei->GetParentFrame()->GetWindowRect(&rect);
        return rect.TopLeft() == rectSecond.TopLeft() + delta;
    }));
    EXPECT_EQ(pSecond, pZwei->GetParentFrame());
    toolkit_test::ParkMouse();
    frame.DestroyWindow();
    Pump();
}
