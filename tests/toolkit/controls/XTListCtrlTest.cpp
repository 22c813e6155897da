#include "toolkit/controls/XTListCtrl.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "helpers/TestSupport.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/bars/XTTestAppKey.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A list that records its sorts.
class CSortingList : public CXTListCtrl
{
public:
    std::vector<std::pair<int, BOOL>> sorts;
    CXTFlatHeaderCtrl& Header() { return m_flatHeader; }

    BOOL SortList(int nCol, BOOL bAscending) override
    {
        sorts.emplace_back(nCol, bAscending);
        return TRUE;
    }
};

class XTListCtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "Lists", WS_POPUP | WS_VISIBLE, 0, 0, 640, 300, nullptr, nullptr));
        CreateList(m_list, 1, 0);
        CreateList(m_other, 2, 320);
        testing_support::PumpPendingMessages();
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    void CreateList(CSortingList& list, UINT nID, int x)
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(x, 0, x + 300, 300), &m_owner, nID));
        const CString headings[] = { "Name", "Size", "Type" };
        const int widths[] = { 120, 80, 60 };
        ASSERT_TRUE(list.BuildColumns(3, widths, headings));
        ASSERT_TRUE(list.SubclassHeader());
        for (int i = 0; i < 5; ++i)
        {
            CString strText;
            strText.Format("row %d", i);
            list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE, i, strText, 0, 0, i, 100 + i);
            strText.Format("size %d", i);
            list.SetItemText(i, 1, strText);
        }
    }
    // A click on a header item as the header reports it.
    void ClickHeader(CSortingList& list, int nItem, UINT nCode = HDN_ITEMCLICKW)
    {
        NMHEADERW nmh = {};
        nmh.hdr.hwndFrom = list.Header().m_hWnd;
        nmh.hdr.code = nCode;
        nmh.iItem = nItem;
        list.SendMessage(WM_NOTIFY, 0, (LPARAM)&nmh);
    }
    // Whether a right click there opens a menu (it is closed again).
    BOOL RightClickHeader(CSortingList& list, CPoint pt)
    {
        return toolkit_test::MenuOpenedBy(
                   [&] { list.Header().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y)); })
            .bSeen;
    }
    CPoint HeaderItemCentre(CSortingList& list, int nItem)
    {
        CRect rc;
        list.Header().GetItemRect(nItem, &rc);
        return rc.CenterPoint();
    }

    CWnd m_owner;
    CSortingList m_list, m_other;
};

TEST_F(XTListCtrlTest, HeaderClicksSortAndToggle)
{
    ClickHeader(m_list, 1);
    ClickHeader(m_list, 1);
    ClickHeader(m_list, 2, HDN_ITEMCLICKA);
    std::vector<std::pair<int, BOOL>> expected = { { 1, TRUE }, { 1, FALSE }, { 2, TRUE } };
    EXPECT_EQ(expected, m_list.sorts);
    EXPECT_EQ(2, m_list.Header().GetSortedCol());
    HDITEMA hdi = {};
    hdi.mask = HDI_FORMAT;
    m_list.Header().GetItem(2, &hdi);
    EXPECT_TRUE(hdi.fmt & HDF_OWNERDRAW);
    EXPECT_TRUE(m_other.sorts.empty());
}

TEST_F(XTListCtrlTest, TheHeaderMenuSortsOnlyItsOwnListAndOnlyOverASortingHeader)
{
    CPoint pt = HeaderItemCentre(m_list, 1);
    EXPECT_TRUE(RightClickHeader(m_list, pt));
    m_list.Header().SendMessage(WM_COMMAND, XT_IDC_SORTDSC);
    m_list.Header().SendMessage(WM_COMMAND, XT_IDC_SORTDSC);   // already so: nothing
    m_list.Header().SendMessage(WM_COMMAND, XT_IDC_SORTASC);
    std::vector<std::pair<int, BOOL>> expected = { { 1, FALSE }, { 1, TRUE } };
    EXPECT_EQ(expected, m_list.sorts);
    EXPECT_TRUE(m_other.sorts.empty());

    m_list.Header().SendMessage(WM_COMMAND, XT_IDC_ALIGNRIGHT);
    LVCOLUMNA lvc = {};
    lvc.mask = LVCF_FMT;
    m_list.GetColumn(1, &lvc);
    EXPECT_EQ(LVCFMT_RIGHT, lvc.fmt & LVCFMT_JUSTIFYMASK);

    // No menu beside the items or without sorting.
    CRect rcLast;
    m_list.Header().GetItemRect(2, &rcLast);
    EXPECT_FALSE(RightClickHeader(m_list, CPoint(rcLast.right + 5, rcLast.CenterPoint().y)));
    m_list.ModifyStyle(0, LVS_NOSORTHEADER);
    EXPECT_FALSE(RightClickHeader(m_list, HeaderItemCentre(m_list, 0)));
}

TEST_F(XTListCtrlTest, ColumnWidthsAreStoredAndRestored)
{
    toolkit_test::AppKeyScope key("TarnixListTest", "Lists");
    const int cxBuilt = m_list.GetColumnWidth(2);
    ASSERT_GT(cxBuilt, 0);
    m_list.AutoSaveColumns("Columns", "Widths", "50,70,");
    EXPECT_EQ(50, m_list.GetColumnWidth(0));
    EXPECT_EQ(70, m_list.GetColumnWidth(1));
    EXPECT_EQ(cxBuilt, m_list.GetColumnWidth(2));   // nothing stored for it
    m_list.SetColumnWidth(0, 120);
    m_list.SetColumnWidth(1, 80);
    m_list.SetColumnWidth(2, 200);
    m_list.DestroyWindow();
    CXTRegistryStore store;
    EXPECT_STREQ("120,80,200,", store.GetProfileString("Columns", "Widths"));

    m_other.AutoSaveColumns("Columns", "Widths");
    int expected[] = { 120, 80, 200 };
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i], m_other.GetColumnWidth(i));
    }
}

TEST_F(XTListCtrlTest, LockedWidthsRefuseDraggingAndMinimumWidthsHold)
{
    m_list.LockColumnWidths();
    NMHEADERW nmh = {};
    nmh.hdr.hwndFrom = m_list.Header().m_hWnd;
    for (UINT code : { (UINT)HDN_BEGINTRACKW, (UINT)HDN_DIVIDERDBLCLICKA })
    {
        nmh.hdr.code = code;
        EXPECT_EQ(1, m_list.SendMessage(WM_NOTIFY, 0, (LPARAM)&nmh));
    }
    // The header refuses a width below its minimum and any change of a frozen column.
    m_list.Header().SetMinWidth(30);
    m_list.Header().FreezeColumn(0);
    HDITEMA hdi = {};
    hdi.mask = HDI_WIDTH;
    hdi.cxy = 20;
    EXPECT_FALSE(m_list.Header().SetItem(1, &hdi));
    hdi.cxy = 90;
    EXPECT_FALSE(m_list.Header().SetItem(0, &hdi));
    EXPECT_TRUE(m_list.Header().SetItem(1, &hdi));
    EXPECT_EQ(90, m_list.GetColumnWidth(1));
}

TEST_F(XTListCtrlTest, AllColumnsFrozenLeaveWidthsAsTheyWere)
{
    for (int i = 0; i < 3; ++i)
        m_list.Header().FreezeColumn(i);
    m_list.Header().DistributeWidth(900);
    EXPECT_EQ(120, m_list.GetColumnWidth(0));
    EXPECT_EQ(80, m_list.GetColumnWidth(1));
    m_list.Header().ThawAllColumns();
    m_list.Header().FreezeColumn(0);
    m_list.Header().DistributeWidth(300);
    EXPECT_EQ(120, m_list.GetColumnWidth(0));
    EXPECT_EQ(150, m_list.GetColumnWidth(2));
}

TEST_F(XTListCtrlTest, HitTestFindsRowAndColumnAndRowsMoveWithTheirTextsAndData)
{
    CRect rc;
    m_list.GetItemRect(2, &rc, LVIR_BOUNDS);
    CPoint pt(rc.left + 120 + 10, rc.CenterPoint().y);
    int nCol = -1;
    EXPECT_EQ(2, m_list.HitTestEx(pt, &nCol));
    EXPECT_EQ(1, nCol);

    EXPECT_EQ(3, m_list.AddColumn("Modified"));
    EXPECT_EQ(60, m_list.GetColumnWidth(3));
    m_list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(m_list.MoveRow(3, 1));
    EXPECT_EQ(5, m_list.GetItemCount());
    EXPECT_STREQ("row 3", m_list.GetItemText(1, 0));
    EXPECT_STREQ("size 3", m_list.GetItemText(1, 1));
    EXPECT_EQ(103u, m_list.GetItemData(1));
    EXPECT_STREQ("row 2", m_list.GetItemText(3, 0));
    EXPECT_EQ(0u, m_list.GetItemState(1, LVIS_SELECTED));
    EXPECT_TRUE(m_list.MoveRow(0, 4));
    EXPECT_STREQ("row 0", m_list.GetItemText(3, 0));
    EXPECT_FALSE(m_list.MoveRow(2, 2));
}

TEST_F(XTListCtrlTest, TheSortArrowIsDrawnInTheSortedColumn)
{
    m_list.Header().ShowSortArrow(TRUE);
    m_list.Header().SetSortImage(1, TRUE);
    const int s = 6, R = 80, B = 20;
    struct Row { BOOL bAsc; CPoint light, shadow; } rows[] = {
        // ascending: the base line and the start of the left edge;
        // descending: the start of the right edge and the top line
        { TRUE, CPoint(R - 2 * s - 1, B - s), CPoint(R - 5 * s / 2 - 1, B - s - 1) },
        { FALSE, CPoint(R - 3 * s / 2, s - 1), CPoint(R - 2 * s - 1, s - 1) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.bAsc ? "ascending" : "descending");
        m_list.Header().SetSortImage(1, row.bAsc);
        toolkit_test::CCanvas canvas(R, B, RGB(0, 0, 0));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_HEADER;
        dis.itemID = 1;
        dis.hDC = canvas.dc;
        dis.rcItem = CRect(0, 0, R, B);
        m_list.Header().DrawItem(&dis);
        EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(row.light.x, row.light.y));
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(row.shadow.x, row.shadow.y));
    }
    // No arrow on an item that carries a bitmap.
    HDITEMA hdi = {};
    hdi.mask = HDI_FORMAT;
    m_list.Header().GetItem(0, &hdi);
    hdi.fmt |= HDF_BITMAP;
    m_list.Header().SetItem(0, &hdi);
    m_list.Header().SetSortImage(0, TRUE);
    m_list.Header().GetItem(0, &hdi);
    EXPECT_FALSE(hdi.fmt & HDF_OWNERDRAW);
}

} // namespace
