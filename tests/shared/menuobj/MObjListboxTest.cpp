#include "shared/menuobj/MObjListbox.h"

#include "shared/menuobj/BasisListBox.h"

#include <gtest/gtest.h>

namespace {

const int kListId = 5025;

// The text's width in the list box's own font.
int ListTextWidth(CWnd* pList, LPCSTR lpszText)
{
    CClientDC dc(pList);
    HGDIOBJ hOld = dc.SelectObject((HGDIOBJ)pList->SendMessage(WM_GETFONT));
    int cx = dc.GetTextExtent(lpszText, lstrlenA(lpszText)).cx;
    dc.SelectObject(hOld);
    return cx;
}

} // namespace

// The horizontal extent follows the widest entry.
TEST(MObjListboxTest, CreatesOneVisibleTabStopListBox)
{
    CWnd page;
    ASSERT_TRUE(page.CreateEx(0, nullptr, "Page", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CMObjListbox list;
    list.AddString("no window");   // ignored
    CRect rc(10, 20, 150, 120);
    ASSERT_TRUE(list.Create(LBS_SORT, rc, &page, kListId));
    CBasisListBox* pWnd = list.GetListBox();
    ASSERT_NE(nullptr, pWnd);
    DWORD dwStyle = pWnd->GetStyle();
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_SORT),
              dwStyle & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_SORT));
    EXPECT_EQ(RGB(255, 255, 255), pWnd->GetBackground());
    EXPECT_EQ(kListId, pWnd->GetDlgCtrlID());
    EXPECT_TRUE(::EqualRect(&rc, &list.GetObjectRect()));
    EXPECT_FALSE(list.Create(0, rc, &page, kListId)) << "a second window";
    EXPECT_EQ(pWnd, list.GetListBox());
    EXPECT_EQ(0, list.GetMaxExtent());

    const char kWide[] = "A rather wide entry of the list";
    list.AddString("Short");
    list.AddString(kWide);
    list.AddString("Mid entry");
    int cxWide = ListTextWidth(pWnd, kWide);
    EXPECT_EQ(cxWide, list.GetMaxExtent());
    EXPECT_EQ(cxWide + CMObjListbox::kExtentMargin, (int)pWnd->SendMessage(LB_GETHORIZONTALEXTENT));
    EXPECT_EQ(3, (int)pWnd->SendMessage(LB_GETCOUNT));

    EXPECT_EQ("", list.GetSelectedText());
    pWnd->SendMessage(LB_SETCURSEL, 0);
    EXPECT_EQ(kWide, list.GetSelectedText()) << "sorted first";
    page.DestroyWindow();
}
