#include "toolkit/controls/XTCheckListBox.h"
#include "toolkit/controls/XTEditListBox.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTGlobalData.h"

#include "helpers/TestSupport.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/controls/XTPrintGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A parent that records the notification codes its controls send.
class CRecordingParent : public CWnd
{
public:
    std::vector<UINT> codes;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        // The edit list's own notifications and check changes, not the list box's.
        if (lParam != 0 && (HIWORD(wParam) >= XT_LBN_LABELEDITEND || HIWORD(wParam) == CLBN_CHKCHANGE))
            codes.push_back(HIWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

std::string Items(CListBox& list)
{
    std::string text;
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString str;
        list.GetText(i, str);
        text += std::string(str) + (i == list.GetCurSel() ? "*" : "") + ";";
    }
    return text;
}

const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY |
                         LBS_NOINTEGRALHEIGHT;

TEST(XTEditGroupTest, ButtonsRunFromTheRightEdgeLeftwards)
{
    const CRect rcClient(0, 0, 200, 22);
    const CRect expected[] = { CRect(111, 1, 133, 21), CRect(133, 1, 155, 21), CRect(155, 1, 177, 21),
                               CRect(177, 1, 199, 21) };
    for (int i = 0; i < CXTEditGroup::ButtonCount; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_GEOMETRY_EQ(expected[i], CXTEditGroup::ButtonRect(rcClient, i));
    }
}

TEST(XTCheckListBaseTest, AutoStylesAdvanceTheCheck)
{
    struct Row { UINT nStyle; int nFrom; int nTo; };
    const Row rows[] = { { BS_CHECKBOX, 0, 0 }, { BS_3STATE, 1, 1 }, { BS_AUTOCHECKBOX, 0, 1 },
                         { BS_AUTOCHECKBOX, 1, 0 }, { BS_AUTO3STATE, 1, 2 }, { BS_AUTO3STATE, 2, 0 } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.nStyle << ": " << row.nFrom);
        EXPECT_EQ(row.nTo, CXTCheckListBase::NextCheck(row.nStyle, row.nFrom));
    }
}

class XTListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Lists", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                      nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    void CreateEditList(DWORD dwEditStyle = BES_XT_CHOOSEDIR)
    {
        m_list.SetEditStyle("Tools:", dwEditStyle);
        ASSERT_TRUE(m_list.Create(kListStyle, CRect(10, 40, 210, 240), &m_parent, 9));
        testing_support::PumpPendingMessages();
        for (LPCSTR psz : { "one", "two", "three" })
            m_list.AddString(psz);
        m_list.SetItemData(1, 222);
        m_parent.codes.clear();
    }
    // Opens the edit on the item, types the text and confirms it.
    void EditTo(BOOL bNew, LPCSTR pszText, UINT nKey = VK_RETURN)
    {
        m_list.EditItem(bNew);
        CXTItemEdit* pEdit = m_list.GetItemEdit();
        ASSERT_NE(nullptr, pEdit);
        testing_support::PumpPendingMessages();
        if (pszText != nullptr)
            pEdit->SetWindowText(pszText);
        pEdit->SendMessage(WM_KEYDOWN, nKey);
        testing_support::PumpPendingMessages();
        EXPECT_EQ(nullptr, m_list.GetItemEdit());
    }

    CRecordingParent m_parent;
    CXTEditListBox m_list;
};

TEST_F(XTListBoxTest, TheBarTakesTwentyTwoPixelsAboveTheList)
{
    CreateEditList();
    ASSERT_NE(nullptr, m_list.GetEditGroup());
    EXPECT_GEOMETRY_EQ(CRect(10, 62, 210, 240), RectInParent(&m_list));
    EXPECT_GEOMETRY_EQ(CRect(10, 40, 210, 62), RectInParent(m_list.GetEditGroup()));
    m_list.MoveWindow(CRect(20, 50, 300, 280));
    EXPECT_GEOMETRY_EQ(CRect(20, 72, 300, 280), RectInParent(&m_list));
    EXPECT_GEOMETRY_EQ(CRect(20, 50, 300, 72), RectInParent(m_list.GetEditGroup()));
    m_list.EnableWindow(FALSE);
    EXPECT_FALSE(m_list.GetEditGroup()->IsWindowEnabled());
    EXPECT_FALSE(m_list.GetEditGroup()->GetButton(0).IsWindowEnabled());
}

TEST_F(XTListBoxTest, WithoutTheBarTheListKeepsItsHeight)
{
    CreateEditList(LBS_XT_NOTOOLBAR);
    EXPECT_EQ(nullptr, m_list.GetEditGroup());
    EXPECT_GEOMETRY_EQ(CRect(10, 40, 210, 240), RectInParent(&m_list));
}

TEST_F(XTListBoxTest, InPlaceEditsNotifyTheOwner)
{
    struct Row
    {
        const char* name;
        int nSelect;
        BOOL bNew;
        LPCSTR pszText;
        UINT nKey;
        const char* items;
        UINT nCode;
    };
    const Row rows[] = {
        { "unchanged", 1, FALSE, nullptr, VK_RETURN, "one;two*;three;", XT_LBN_LABELEDITCANCEL },
        { "changed", 1, FALSE, "zwei", VK_RETURN, "one;zwei*;three;", XT_LBN_LABELEDITEND },
        { "escape", 1, FALSE, "zwei", VK_ESCAPE, "one;two*;three;", XT_LBN_LABELEDITCANCEL },
        { "new, empty", 1, TRUE, nullptr, VK_RETURN, "one*;two;three;", XT_LBN_LABELEDITCANCEL },
        { "new", 1, TRUE, "four", VK_RETURN, "one;two;three;four*;", XT_LBN_NEWITEM },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CreateEditList();
        m_list.SetCurSel(row.nSelect);
        EditTo(row.bNew, row.pszText, row.nKey);
        EXPECT_EQ(std::string(row.items), Items(m_list));
        EXPECT_EQ(std::vector<UINT>{ row.nCode }, m_parent.codes);
        EXPECT_EQ((DWORD_PTR)222, m_list.GetItemData(1));
        m_list.DestroyWindow();
    }
}

TEST_F(XTListBoxTest, BarButtonsMoveAndDeleteAndAlwaysNotify)
{
    struct Row { const char* name; int nSelect; int nButton; const char* items; std::vector<UINT> codes; };
    const Row rows[] = {
        { "up from the first", 0, 2, "one*;two;three;", { XT_LBN_MOVEITEMUP } },
        { "down", 1, 3, "one;three;two*;", { XT_LBN_MOVEITEMDOWN } },
        { "up", 2, 2, "one;three*;two;", { XT_LBN_MOVEITEMUP } },
        { "delete the last", 2, 1, "one;two*;", { XT_LBN_PREDELETEITEM, XT_LBN_DELETEITEM } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CreateEditList();
        m_list.SetCurSel(row.nSelect);
        CXTButton& button = m_list.GetEditGroup()->GetButton(row.nButton);
        m_list.GetEditGroup()->SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                                           (LPARAM)button.m_hWnd);
        EXPECT_EQ(std::string(row.items), Items(m_list));
        EXPECT_EQ(row.codes, m_parent.codes);
        m_list.DestroyWindow();
    }
}

TEST_F(XTListBoxTest, ClickingTheCheckAreaTogglesAndTheTextOnlySelects)
{
    CXTCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                            CRect(10, 10, 200, 200), &m_parent, 11));
    list.AddString("first");
    list.AddString("second");
    m_parent.codes.clear();
    CRect rcItem;
    list.GetItemRect(1, &rcItem);
    const int yMiddle = rcItem.CenterPoint().y;
    const int xCheck = CXTCheckListBox::GetCheckImages().cx / 2;

    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcItem.right - 10, yMiddle));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcItem.right - 10, yMiddle));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(1, list.GetCurSel());

    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xCheck, yMiddle));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xCheck, yMiddle));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(std::vector<UINT>{ CLBN_CHKCHANGE }, std::vector<UINT>(m_parent.codes.end() - 1, m_parent.codes.end()));

    // The check follows its item when one is inserted before it.
    list.InsertString(0, "zero");
    EXPECT_EQ(1, list.GetCheck(2));
    EXPECT_EQ(0, list.GetCheck(1));
}

TEST_F(XTListBoxTest, ItemsArePaintedInTheirStateColours)
{
    CXTListBox list;
    ASSERT_TRUE(list.Create(kListStyle, CRect(10, 10, 200, 200), &m_parent, 12));
    list.AddString("item");
    CXTCheckListBox checks;
    ASSERT_TRUE(checks.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(210, 10, 390, 200),
                              &m_parent, 13));
    checks.AddString("item");
    checks.SetCheck(0, 1);
    const XT_CHECKIMAGES& images = CXTCheckListBox::GetCheckImages();
    ASSERT_GT(images.cx, 0);

    const CXTGlobalData& g = xtAfxData;
    struct Row { const char* name; UINT nState; COLORREF clrBack; };
    const Row rows[] = { { "normal", 0, g.m_clrWindow }, { "selected", ODS_SELECTED, g.m_clrHighlight },
                         { "disabled", ODS_DISABLED, g.m_clr3DFace } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        toolkit_test::CCanvas canvas(100, 20, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTBOX;
        dis.hwndItem = list.m_hWnd;
        dis.hDC = canvas.dc;
        dis.itemState = row.nState;
        dis.rcItem = CRect(0, 0, 100, 20);
        list.DrawItem(&dis);
        // Right of the text: the item's background.
        EXPECT_EQ(row.clrBack, canvas.At(98, 10));
        EXPECT_EQ(row.clrBack, canvas.At(0, 0));
    }

    // The check list: the checked frame at the left, the selected text right of it.
    toolkit_test::CCanvas canvas(100, 20, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.hwndItem = checks.m_hWnd;
    dis.hDC = canvas.dc;
    dis.itemState = ODS_SELECTED;
    dis.rcItem = CRect(0, 0, 100, 20);
    checks.DrawItem(&dis);
    const int yTop = (20 - images.cy) / 2;
    EXPECT_EQ(RGB(0, 0, 0), canvas.At(5, yTop + 8));   // on the tick of the checked frame
    EXPECT_EQ(g.m_clrWindow, canvas.At(images.cx, 0));                            // the gap
    EXPECT_EQ(g.m_clrHighlight, canvas.At(98, 10));
}

} // namespace
