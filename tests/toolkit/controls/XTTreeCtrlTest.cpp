#include "toolkit/controls/XTTreeCtrl.h"

#include "framework/ClientDC.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the tree's notifications.
class CNotifyParent : public CWnd
{
public:
    std::vector<UINT> codes;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        codes.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
};

class XTTreeCtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Tree", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr));
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_SHOWSELALWAYS, CRect(0, 0, 300, 300),
                                  &m_parent, 7));
        // a (a1, a2), b, c, d: table, tab stop, e
        m_a = m_tree.InsertItem("a");
        m_a1 = m_tree.InsertItem("a1", m_a);
        m_a2 = m_tree.InsertItem("a2", m_a);
        m_b = m_tree.InsertItem("b");
        m_c = m_tree.InsertItem("table");
        m_d = m_tree.InsertItem("tab stop");
        m_tree.Expand(m_a, TVE_EXPAND);
        m_tree.EnableMultiSelect(TRUE);
        testing_support::PumpPendingMessages();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    BOOL IsSelected(HTREEITEM h) { return m_tree.GetItemState(h, TVIS_SELECTED) != 0; }
    std::vector<HTREEITEM> Selected()
    {
        std::vector<HTREEITEM> items;
        m_tree.CollectSelected(items);
        return items;
    }
    // A click at the item's label: the button-up is waiting when the press arrives.
    void Click(HTREEITEM h, UINT nFlags)
    {
        CRect rc;
        m_tree.GetItemRect(h, &rc, TRUE);
        CPoint pt = rc.CenterPoint();
        CPoint ptScreen = pt;
        m_tree.ClientToScreen(&ptScreen);
        toolkit_test::MoveCursorTo(ptScreen.x, ptScreen.y);
        m_tree.PostMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(pt.x, pt.y));
        m_tree.SendMessage(WM_LBUTTONDOWN, nFlags | MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        testing_support::PumpPendingMessages();
    }

    CNotifyParent m_parent;
    CXTTreeCtrl m_tree;
    HTREEITEM m_a, m_a1, m_a2, m_b, m_c, m_d;
};

TEST_F(XTTreeCtrlTest, ClicksSelectTogglesAndRanges)
{
    Click(m_a1, 0);
    EXPECT_EQ((std::vector<HTREEITEM>{ m_a1 }), Selected());
    Click(m_c, MK_SHIFT);
    EXPECT_EQ((std::vector<HTREEITEM>{ m_a1, m_a2, m_b, m_c }), Selected());
    EXPECT_EQ(m_c, m_tree.GetSelectedItem());

    m_parent.codes.clear();
    Click(m_a2, MK_CONTROL);
    EXPECT_EQ((std::vector<HTREEITEM>{ m_a1, m_b, m_c }), Selected());
    EXPECT_EQ(m_a2, m_tree.GetSelectedItem());
    // After the click a move starts no drag: the press is over.
    CRect rc;
    m_tree.GetItemRect(m_b, &rc, TRUE);
    m_tree.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rc.left + 40, rc.bottom + 40));
    testing_support::PumpPendingMessages();
    for (UINT code : m_parent.codes)
        EXPECT_NE((UINT)TVN_BEGINDRAGA, code);
    EXPECT_NE(m_parent.codes.end(), std::find(m_parent.codes.begin(), m_parent.codes.end(), (UINT)NM_CLICK));
    EXPECT_EQ((std::vector<HTREEITEM>{ m_a1, m_b, m_c }), Selected());
}

TEST_F(XTTreeCtrlTest, APressAndMoveReportsADrag)
{
    CRect rc;
    m_tree.GetItemRect(m_b, &rc, TRUE);
    CPoint pt = rc.CenterPoint();
    m_tree.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + 30, pt.y + 30));
    m_parent.codes.clear();
    m_tree.TrackClick(m_b, TRUE, 0, pt);
    ASSERT_FALSE(m_parent.codes.empty());
    EXPECT_EQ((UINT)TVN_BEGINDRAGA, m_parent.codes.back());
    EXPECT_EQ(m_b, m_tree.GetSelectedItem());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(XTTreeCtrlTest, ARubberBandEndsOnEscapeClearingTheSelectionAndOnQuitPostingItAgain)
{
    m_tree.SelectItems(m_a, m_b);
    m_tree.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    m_tree.TrackRubberBand(0, CPoint(250, 250));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(nullptr, ::GetCapture());

    ::PostQuitMessage(3);
    m_tree.TrackRubberBand(0, CPoint(250, 250));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3, (int)msg.wParam);
}

TEST_F(XTTreeCtrlTest, CollapsingDeselectsHiddenChildrenAndSingleSelectionKeepsTheCaret)
{
    // A collapse by the user (a key here) is announced; a program's TVM_EXPAND is not.
    m_tree.SetItemState(m_a, TVIS_XT_CARET, TVIS_XT_CARET);
    m_tree.SelectItems(m_a1, m_b);
    m_tree.SetItemState(m_a, 0, TVIS_SELECTED);
    m_tree.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_FALSE(m_tree.GetItemState(m_a, TVIS_EXPANDED));
    EXPECT_FALSE(IsSelected(m_a1));
    EXPECT_FALSE(IsSelected(m_a2));
    EXPECT_TRUE(IsSelected(m_b));

    // Switching multiple selection off keeps the caret only.
    m_tree.SelectItems(m_a, m_c);
    m_tree.SetItemState(m_b, TVIS_XT_CARET, TVIS_XT_CARET);
    EXPECT_TRUE(m_tree.EnableMultiSelect(FALSE));
    EXPECT_EQ((std::vector<HTREEITEM>{ m_b }), Selected());
}

TEST_F(XTTreeCtrlTest, FindItemWrapsAndHonoursWholeWords)
{
    EXPECT_EQ(m_d, m_tree.FindItem("tab", FALSE, TRUE, TRUE, m_a));
    EXPECT_EQ(m_c, m_tree.FindItem("tab", FALSE, TRUE, FALSE, m_a));
    // Upward from a1 wraps to the last item.
    EXPECT_EQ(m_d, m_tree.FindItem("TAB", FALSE, FALSE, FALSE, m_a1));
    EXPECT_EQ(nullptr, m_tree.FindItem("TAB", TRUE, TRUE, FALSE, m_a1));
    // No start and no caret: from the first root.
    m_tree.Select(nullptr, TVGN_CARET);
    EXPECT_EQ(m_a1, m_tree.FindItem("a1"));
    EXPECT_EQ(m_d, m_tree.GetLastItem(nullptr));
    EXPECT_EQ(m_a2, m_tree.GetPrevItem(m_b));
}

TEST_F(XTTreeCtrlTest, ItemColourAndBoldArePaintedAndDroppedWithTheItem)
{
    const COLORREF kRed = RGB(255, 0, 0);
    m_tree.EnableMultiSelect(FALSE);
    m_tree.Select(nullptr, TVGN_CARET);
    m_tree.SetItemColor(m_b, kRed);
    m_tree.SetItemBold(m_b);
    m_tree.UpdateWindow();
    CRect rc;
    m_tree.GetItemRect(m_b, &rc, FALSE);
    toolkit_test::CCanvas canvas(300, 300, RGB(0, 0, 0));
    CClientDC dc(&m_tree);
    ::BitBlt(canvas.dc, 0, 0, 300, 300, dc, 0, 0, SRCCOPY);
    EXPECT_GT(canvas.Count(kRed, rc), 0);

    // The bold text is as wide as the bold font makes it.
    LOGFONTA lf;
    ::GetObjectA((HFONT)m_tree.SendMessage(WM_GETFONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&lf);
    canvas.dc.SelectObject(&bold);
    int cxBold = canvas.dc.GetTextExtent("b").cx;
    int xLeft = -1, xRight = -1;
    for (int x = rc.left; x < rc.right; ++x)
        for (int y = rc.top; y < rc.bottom; ++y)
            if (canvas.At(x, y) == kRed)
            {
                xLeft = xLeft < 0 ? x : xLeft;
                xRight = x;
            }
    EXPECT_LE(xRight - xLeft + 1, cxBold);
    EXPECT_GE(xRight - xLeft + 1, cxBold / 2);

    m_tree.DeleteItem(m_b);
    EXPECT_EQ((COLORREF)-1, m_tree.GetItemColor(m_b));
    HTREEITEM hNew = m_tree.InsertItem("new");
    EXPECT_EQ((COLORREF)-1, m_tree.GetItemColor(hNew));
}

} // namespace
