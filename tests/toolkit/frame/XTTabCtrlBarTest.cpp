// The tabbed dock window: its tab control, the selection notice to the
// owner with the bar's id, the frame's active view when the focus leaves,
// and the flat look's taller tab control.
#include "toolkit/frame/XTTabCtrlBar.h"

#include "framework/Afx.h"
#include "framework/Edit.h"
#include "framework/View.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTDockTestFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using toolkit_test::CDockTestFrame;

class CTabTestView : public CView
{
    DECLARE_DYNCREATE(CTabTestView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CTabTestView, CView)

// The owner of the bar, recording the tab notices it gets.
struct NoticeRecorder
{
    struct Notice
    {
        UINT nMsg;
        WPARAM wParam;
        LPARAM lParam;
    };
    static std::vector<Notice> notices;
    static WNDPROC pfnOld;
    static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_TAB_SELCHANGE || nMsg == WM_TAB_SELCHANGING)
            notices.push_back({ nMsg, wParam, lParam });
        return ::CallWindowProcA(pfnOld, hWnd, nMsg, wParam, lParam);
    }
};
std::vector<NoticeRecorder::Notice> NoticeRecorder::notices;
WNDPROC NoticeRecorder::pfnOld = nullptr;

struct TabbedBar
{
    CDockTestFrame frame;
    CXTTabCtrlBar bar;
    BOOL Create()
    {
        if (!frame.CreateFrame())
            return FALSE;
        if (!bar.Create(&frame, 0xE870, "Tabs", 200, 250, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT))
            return FALSE;
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, XT_IDW_DOCKBAR_RIGHT);
        frame.RecalcLayout();
        return TRUE;
    }
};

TEST(XTTabCtrlBar, HostsATabControlAlongTheBottomWithRoomForTheFlatLook)
{
    TabbedBar tabbed;
    ASSERT_TRUE(tabbed.Create());
    CXTTabCtrl& tabs = tabbed.bar.GetTabCtrl();
    ASSERT_NE(nullptr, tabs.m_hWnd);
    EXPECT_EQ(XT_IDC_TABCTRLBAR, tabs.GetDlgCtrlID());
    EXPECT_EQ(tabbed.bar.m_hWnd, ::GetParent(tabs.m_hWnd));
    EXPECT_NE(0u, tabs.GetStyle() & TCS_BOTTOM);
    EXPECT_EQ(&tabs, tabbed.bar.GetChild());
    EXPECT_TRUE(tabs.GetAutoCondense());
    // Docked, the tab control clips its children.
    EXPECT_NE(0u, tabs.GetStyle() & WS_CLIPCHILDREN);

    // The flat look gives it five more pixels below and four at each side.
    auto tabRect = [&]() {
        tabbed.bar.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        CRect rect;
        tabs.GetWindowRect(&rect);
        tabbed.bar.ScreenToClient(&rect);
        return rect;
    };
    BOOL bSaved = xtAfxData.m_bFlatLook;
    xtAfxData.m_bFlatLook = FALSE;
    CRect rectClassic = tabRect();
    CRect rectFlat;
    {
        toolkit_test::FlatLookScope flat;
        rectFlat = tabRect();
    }
    xtAfxData.m_bFlatLook = bSaved;
    ASSERT_FALSE(rectClassic.IsRectEmpty());
    EXPECT_EQ(rectClassic.bottom + 5, rectFlat.bottom);
    EXPECT_EQ(rectClassic.left - 4, rectFlat.left);
    EXPECT_EQ(rectClassic.right + 4, rectFlat.right);
}

TEST(XTTabCtrlBar, ASelectionChangeReachesTheOwnerWithTheBarsId)
{
    TabbedBar tabbed;
    ASSERT_TRUE(tabbed.Create());
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    NoticeRecorder::pfnOld =
        (WNDPROC)::SetWindowLongPtrA(owner.m_hWnd, GWLP_WNDPROC, (LONG_PTR)NoticeRecorder::Proc);
    tabbed.bar.SetOwner(&owner);
    CEdit first, second;
    ASSERT_TRUE(first.Create(WS_CHILD, CRect(0, 0, 10, 10), &tabbed.bar.GetTabCtrl(), 1));
    ASSERT_TRUE(second.Create(WS_CHILD, CRect(0, 0, 10, 10), &tabbed.bar.GetTabCtrl(), 2));
    ASSERT_TRUE(tabbed.bar.AddControl("Eins", &first));
    ASSERT_TRUE(tabbed.bar.AddControl("Zwei", &second));
    tabbed.bar.SetActiveView(0);
    NoticeRecorder::notices.clear();

    // A click on the second tab.
    CXTTabCtrl& tabs = tabbed.bar.GetTabCtrl();
    CRect rectItem;
    ASSERT_TRUE(tabs.GetItemRect(1, &rectItem));
    CPoint point = rectItem.CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));

    EXPECT_EQ(1, tabs.GetCurSel());
    ASSERT_EQ(2u, NoticeRecorder::notices.size());
    EXPECT_EQ((UINT)WM_TAB_SELCHANGING, NoticeRecorder::notices[0].nMsg);
    EXPECT_EQ((UINT)WM_TAB_SELCHANGE, NoticeRecorder::notices[1].nMsg);
    for (const auto& notice : NoticeRecorder::notices)
    {
        EXPECT_EQ((WPARAM)0xE870, notice.wParam);
        EXPECT_EQ((LPARAM)&tabs, notice.lParam);
    }
    EXPECT_EQ(&second, tabbed.bar.GetActiveView());
    ::SetWindowLongPtrA(owner.m_hWnd, GWLP_WNDPROC, (LONG_PTR)NoticeRecorder::pfnOld);
}

TEST(XTTabCtrlBar, WhenTheFocusLeavesTheFramesViewFollowsTheSelectedTab)
{
    TabbedBar tabbed;
    ASSERT_TRUE(tabbed.Create());
    CCreateContext context;
    context.m_pCurrentFrame = &tabbed.frame;
    ASSERT_TRUE(tabbed.bar.AddView("Eins", RUNTIME_CLASS(CTabTestView), nullptr, &context));
    ASSERT_TRUE(tabbed.bar.AddView("Zwei", RUNTIME_CLASS(CTabTestView), nullptr, &context));
    tabbed.bar.SetActiveView(0);
    CView* pFirst = dynamic_cast<CView*>(tabbed.bar.GetView(0));
    CView* pSecond = dynamic_cast<CView*>(tabbed.bar.GetView(1));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);

    // The frame's view lies in the bar, but the focus is elsewhere.
    tabbed.frame.SetActiveView(pSecond, FALSE);
    ::SetFocus(tabbed.frame.m_hWnd);
    tabbed.bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(tabbed.bar.IsActive());
    EXPECT_EQ(pFirst, tabbed.frame.GetActiveView());

    // A view outside the bar is left alone.
    tabbed.frame.SetActiveView(nullptr, FALSE);
    tabbed.bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(nullptr, tabbed.frame.GetActiveView());
}

} // namespace
