// The static splitter: pane sizes as arithmetic, rows set by the program and
// dragged by the user within their minimum sizes.
#include "framework/Afx.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace splitter_test {

TEST(SplitterLayout, PanesTakeTheirIdealSizesAndTheLastTheRest)
{
    struct Case
    {
        const char* name;
        std::vector<AFX_SPLITINFO> panes;
        int nLength;
        std::vector<int> sizes;
    };
    const Case cases[] = {
        { "two rows", { { 0, 175 }, { 0, 50 } }, 400, { 175, 218 } },
        { "ideal larger than the room", { { 0, 500 }, { 0, 50 } }, 400, { 393, 0 } },
        { "below its minimum: hidden", { { 30, 20 }, { 0, 50 } }, 400, { 0, 393 } },
        { "three columns", { { 0, 100 }, { 0, 100 }, { 0, 10 } }, 300, { 100, 100, 86 } },
        { "one pane", { { 0, 10 } }, 300, { 300 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.sizes, AfxLayoutSplitPanes(c.panes, c.nLength, 7));
    }
}

// Panes made from their class by the splitter, over common controls.
class CTreePane : public CTreeCtrl
{
    DECLARE_DYNCREATE(CTreePane)
public:
    using CTreeCtrl::Create;
    BOOL Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void*) override
    {
        return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
};
IMPLEMENT_DYNCREATE(CTreePane, CTreeCtrl)

class CListPane : public CListCtrl
{
    DECLARE_DYNCREATE(CListPane)
public:
    using CListCtrl::Create;
    BOOL Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void*) override
    {
        return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle | LVS_REPORT, rect, pParentWnd, nID);
    }
};
IMPLEMENT_DYNCREATE(CListPane, CListCtrl)

CRect PaneRect(CSplitterWnd& splitter, int row)
{
    CRect rect;
    splitter.GetPane(row, 0)->GetWindowRect(&rect);
    splitter.ScreenToClient(&rect);
    return rect;
}

TEST(Splitter, RowsFollowTheProgramAndTheDragWithinTheirMinimums)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, "Top", WS_OVERLAPPEDWINDOW, 10, 10, 400, 500, nullptr, nullptr));
    CWnd host;   // any window may hold the splitter
    ASSERT_TRUE(host.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), &top, 5));
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&host, 2, 1));
    ASSERT_TRUE(splitter.CreateView(0, 0, RUNTIME_CLASS(CTreePane), CSize(300, 100), nullptr));
    ASSERT_TRUE(splitter.CreateView(1, 0, RUNTIME_CLASS(CListPane), CSize(300, 100), nullptr));
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16, splitter.GetPane(1, 0)->GetDlgCtrlID());
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16 + 1, splitter.IdFromRowCol(1, 1));
    splitter.MoveWindow(0, 0, 300, 400);

    splitter.SetRowInfo(0, 175, 0);
    splitter.RecalcLayout();
    EXPECT_EQ(175, PaneRect(splitter, 0).Height());
    EXPECT_EQ(175 + 7, PaneRect(splitter, 1).top);
    EXPECT_EQ(400, PaneRect(splitter, 1).bottom);
    int cyCur = 0, cyMin = 0;
    splitter.GetRowInfo(0, cyCur, cyMin);
    EXPECT_EQ(175, cyCur);
    EXPECT_EQ(101, splitter.HitTest(CPoint(10, 178)));
    EXPECT_EQ(0, splitter.HitTest(CPoint(10, 100)));

    splitter.SetRowInfo(0, 175, 50);
    splitter.SetRowInfo(1, 100, 40);
    struct Step
    {
        const char* name;
        int y;
        int nTopHeight;
    };
    const Step steps[] = {
        { "down a little", 200, 197 },
        { "above the top row's minimum", 10, 50 },
        { "below the bottom row's minimum", 1000, 400 - 7 - 40 },
    };
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 178));
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, step.y));
        EXPECT_EQ(step.nTopHeight, PaneRect(splitter, 0).Height());
        EXPECT_EQ(400, PaneRect(splitter, 1).bottom);
    }
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 1000));
    EXPECT_FALSE(splitter.m_bTracking);
    EXPECT_NE(splitter.m_hWnd, ::GetCapture());
    top.DestroyWindow();
}

} // namespace splitter_test

namespace splitter_test {

class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPaneView, CView)

TEST(Splitter, AFrameWhosePaneIsASplitterFindsItsFirstViewAsTheActiveOne)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Split", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(pFrame, 1, 2));
    ASSERT_TRUE(splitter.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(100, 100), nullptr));
    ASSERT_TRUE(splitter.CreateView(0, 1, RUNTIME_CLASS(CPaneView), CSize(100, 100), nullptr));
    pFrame->InitialUpdateFrame(nullptr, FALSE);
    ASSERT_NE(nullptr, pFrame->GetActiveView());
    EXPECT_EQ(splitter.GetPane(0, 0)->m_hWnd, pFrame->GetActiveView()->m_hWnd);
    pFrame->DestroyWindow();
}

} // namespace splitter_test
