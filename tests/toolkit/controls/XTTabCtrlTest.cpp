#include "toolkit/controls/XTTabCtrl.h"

#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTTabLayout.h"

#include "framework/Static.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const char* const kLabels[] = { "Explorer", "Documents and Settings", "Tree", "Last" };

class XTTabCtrlTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Tabs", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr)); }
    void TearDown() override { m_parent.DestroyWindow(); }

    void CreateTabs(DWORD dwStyle, int cx = 400)
    {
        ASSERT_TRUE(m_tabs.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, cx, 200), &m_parent, 9));
        for (const char* pszLabel : kLabels)
        {
            m_pages.push_back(std::make_unique<CStatic>());
            ASSERT_TRUE(m_pages.back()->Create(pszLabel, WS_CHILD, CRect(0, 0, 10, 10), &m_parent));
            m_tabs.AddControl(pszLabel, m_pages.back().get());
        }
        testing_support::PumpPendingMessages();
    }
    CString ShownLabel(int i)
    {
        char szText[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        m_tabs.GetItem(i, &item);
        return szText;
    }

    CWnd m_parent;
    CXTTabCtrl m_tabs;
    std::vector<std::unique_ptr<CStatic>> m_pages;
};

TEST_F(XTTabCtrlTest, DeletingATabSelectsItsNeighbourAndShowsItsWindow)
{
    CreateTabs(0);
    struct Row { int nSelect, nDelete, nSelected; LPCSTR shown; } rows[] = {
        { 3, 3, 2, "Tree" },                       // the last tab: the new last one
        { 0, 0, 0, "Documents and Settings" },     // tab 0: the new tab 0
        { 1, 0, 0, "Tree" },                       // another tab: the selected one stays
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.shown);
        m_tabs.SetActiveView(row.nSelect);
        m_tabs.DeleteView(row.nDelete);
        EXPECT_EQ(row.nSelected, m_tabs.GetCurSel());
        CWnd* pActive = m_tabs.GetActiveView();
        ASSERT_NE(nullptr, pActive);
        EXPECT_TRUE(pActive->IsWindowVisible());
        CString strText;
        pActive->GetWindowText(strText);
        EXPECT_STREQ(row.shown, strText);
    }
}

TEST_F(XTTabCtrlTest, CtrlShiftTabOnTheFirstTabSelectsTheLast)
{
    CreateTabs(0);
    m_tabs.SetActiveView(0);
    BYTE keys[256], saved[256];
    ::GetKeyboardState(saved);
    memcpy(keys, saved, sizeof(keys));
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = {};
    msg.hwnd = m_tabs.m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_TRUE(m_tabs.PreTranslateMessage(&msg));
    ::SetKeyboardState(saved);
    EXPECT_EQ(3, m_tabs.GetCurSel());
    EXPECT_TRUE(m_pages[3]->IsWindowVisible());
    EXPECT_FALSE(m_pages[0]->IsWindowVisible());
}

TEST_F(XTTabCtrlTest, AStaleInitialUpdateIsIgnored)
{
    CreateTabs(0);
    m_tabs.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(SYSTEM_FONT));
    m_tabs.SendMessage(WM_CTRL_INITIALUPDATE, 0, 12345);
    EXPECT_EQ((HFONT)::GetStockObject(SYSTEM_FONT), (HFONT)m_tabs.SendMessage(WM_GETFONT));
    m_tabs.SendMessage(WM_INITIALUPDATE);
    EXPECT_EQ((HFONT)xtAfxData.m_fontNormal2.GetSafeHandle(), (HFONT)m_tabs.SendMessage(WM_GETFONT));
}

TEST_F(XTTabCtrlTest, NarrowingCondensesTheWidestLabelAndWideningRestoresIt)
{
    CreateTabs(0);
    m_tabs.SetAutoCondense(TRUE);
    EXPECT_STREQ("Documents and Settings", ShownLabel(1));
    m_tabs.MoveWindow(0, 0, 180, 200);
    CString strWide = ShownLabel(1);
    EXPECT_EQ("...", strWide.Right(3));
    EXPECT_LT(strWide.GetLength(), 22 + 3);
    EXPECT_STREQ("Tree", ShownLabel(2));
    m_tabs.MoveWindow(0, 0, 400, 200);
    EXPECT_STREQ("Documents and Settings", ShownLabel(1));
    EXPECT_STREQ("Explorer", ShownLabel(0));
}

TEST_F(XTTabCtrlTest, TheFourEdgePaintersDrawTheStripAndTheSelectedTab)
{
    toolkit_test::FlatLookScope flat;
    struct Row { DWORD dwStyle; LPCSTR name; } rows[] = {
        { 0, "Top" }, { TCS_BOTTOM, "Bottom" }, { TCS_VERTICAL | TCS_MULTILINE, "Left" },
        { TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, "Right" },
    };
    toolkit_test::CCanvas sheet(400, 4 * 200, RGB(0, 0, 0));
    int y = 0;
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CreateTabs(row.dwStyle);
        m_tabs.SetActiveView(1);
        toolkit_test::CCanvas canvas(400, 200, RGB(0, 0, 0));
        m_tabs.SendMessage(WM_PAINT, (WPARAM)canvas.dc.m_hDC);
        CRect rcSel, rcOther, rcChild;
        m_tabs.GetItemRect(1, &rcSel);
        m_tabs.GetItemRect(3, &rcOther);
        m_tabs.GetChildRect(rcChild);
        CRect rcClient;
        m_tabs.GetClientRect(&rcClient);
        EXPECT_EQ(XTTabChildRect(rcClient, row.dwStyle, rcSel.Size(), m_tabs.GetRowCount()), rcChild);
        // The selected tab in the face colour, the others on the strip, the page framed.
        EXPECT_EQ(xtAfxData.m_clr3DFace, canvas.At(rcSel.left + 3, rcSel.top + 3));
        EXPECT_EQ(xtAfxData.m_clrFlatBarFace, canvas.At(rcOther.left + 3, rcOther.top + 3));
        EXPECT_EQ(xtAfxData.m_clr3DShadow, canvas.At(rcChild.left - 1, rcChild.CenterPoint().y));
        ::BitBlt(sheet.dc, 0, y, 400, 200, canvas.dc, 0, 0, SRCCOPY);
        y += 200;
        m_tabs.DestroyWindow();
        m_pages.clear();
    }
    sheet.SaveBmp("XTTabCtrlPainters.bmp");
}

} // namespace
