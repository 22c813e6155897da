#include "toolkit/frame/IXTCommandList.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTPainters.h"
#include "toolkit/frame/XTResourceSwitch.h"

#include "framework/Afx.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

namespace {

using toolkit_test::CCanvas;
using toolkit_test::FlatLookScope;
using toolkit_test::SquareImageList;

TEST(XTFlatComboPainter, FramesAndButtonByState)
{
    FlatLookScope flat;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Combo", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(5, 5, 125, 105), &parent, 1));
    CRect rc;
    combo.GetClientRect(&rc);
    const CXTGlobalData& g = xtAfxData;
    struct Row { const char* name; BOOL bHot, bDesign; COLORREF clrFrame, clrButton; };
    const Row rows[] = {
        { "normal", FALSE, FALSE, g.m_clrActiveCaptText, g.m_clr3DFace },
        { "hot", TRUE, FALSE, g.m_clrHighlight, g.m_clrFlatHighlightLight },
        { "hot in design mode", TRUE, TRUE, g.m_clrActiveCaptText, g.m_clr3DFace },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        GetPainter()->SetDesignMode(row.bDesign);
        CCanvas canvas(rc.Width(), rc.Height(), RGB(0, 255, 0));
        GetPainter()->GetComboPainter()->DrawCombo(&combo, &canvas.dc, row.bHot);
        EXPECT_EQ(g.m_clr3DFace, canvas.At(0, 0));
        EXPECT_EQ(row.clrFrame, canvas.At(1, rc.Height() / 2));
        EXPECT_EQ(row.clrFrame, canvas.At(rc.right - (g.m_cxHThumb + 2) - 1, 1));   // the button's own frame
        EXPECT_EQ(row.clrButton, canvas.At(rc.right - 3, 2));
        EXPECT_EQ(RGB(0, 255, 0), canvas.At(5, rc.Height() / 2));   // the text part is the control's
    }
    parent.DestroyWindow();
}

// A command list over an owner-drawn list box.
class CTestCommandList : public IXTCommandList
{
public:
    explicit CTestCommandList(HWND hWnd) : m_hWnd(hWnd) {}
    HWND GetListHwnd() const override { return m_hWnd; }
    int GetIconColumnWidth() const override { return 22; }
    UINT GetItemCommand(int nIndex) const override { return nIndex == 0 ? 0 : 100; }
    HICON GetItemIcon(int) const override { return nullptr; }

private:
    HWND m_hWnd;
};

TEST(XTFlatListBoxPainter, ItemsWithIconColumnAndSelection)
{
    FlatLookScope flat;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "List", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    HWND hList = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0,
                                   0, 150, 100, parent, nullptr, nullptr, nullptr);
    ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM) "Sub-menu");
    ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM) "Command");
    CTestCommandList list(hList);
    const CXTGlobalData& g = xtAfxData;
    CCanvas canvas(150, 44, RGB(0, 255, 0));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.hwndItem = hList;
    dis.hDC = canvas.dc;
    dis.itemID = 0;
    dis.rcItem = CRect(0, 0, 150, 22);
    GetPainter()->GetListBoxPainter()->DrawItem(&dis, &list);
    dis.itemID = 1;
    dis.itemState = ODS_SELECTED;
    dis.rcItem = CRect(0, 22, 150, 44);
    GetPainter()->GetListBoxPainter()->DrawItem(&dis, &list);

    EXPECT_EQ(g.m_clrFlatBarFace, canvas.At(2, 2));          // icon column
    EXPECT_EQ(g.m_clrFlatWindowFace, canvas.At(25, 2));      // item
    EXPECT_EQ(g.m_clrWindowText, canvas.At(139, 6 + 4));     // the sub-menu triangle's tallest line
    EXPECT_EQ(g.m_clrWindowText, canvas.At(143, 6 + 4));     // its tip
    EXPECT_EQ(g.m_clrFlatWindowFace, canvas.At(144, 6 + 4));
    EXPECT_EQ(g.m_clrHighlight, canvas.At(0, 22));           // selected frame
    EXPECT_EQ(g.m_clrFlatHighlightLight, canvas.At(2, 24));  // selected fill, column included
    parent.DestroyWindow();
}

TEST(XTDrawHelpers, EmbossedImageIsShadowOverHighlight)
{
    HIMAGELIST hList = SquareImageList();
    const CXTGlobalData& g = xtAfxData;
    CCanvas canvas(20, 20, RGB(0, 255, 0));
    DrawEmbossedImage(&canvas.dc, hList, 0, 0, 0, FALSE);
    EXPECT_EQ(g.m_clr3DShadow, canvas.At(4, 4));
    EXPECT_EQ(g.m_clr3DShadow, canvas.At(11, 11));
    EXPECT_EQ(g.m_clr3DHilight, canvas.At(12, 12));   // the highlight copy one pixel down-right
    EXPECT_EQ(RGB(0, 255, 0), canvas.At(3, 3));
    EXPECT_EQ(RGB(0, 255, 0), canvas.At(13, 13));
    ImageList_Destroy(hList);
}

TEST(XTDrawHelpers, DitheredRectAlternatesFaceAndHighlight)
{
    CCanvas canvas(10, 10, RGB(0, 255, 0));
    COLORREF clrText = canvas.dc.SetTextColor(RGB(1, 2, 3));
    FillDitheredRect(&canvas.dc, CRect(1, 1, 9, 9));
    const CXTGlobalData& g = xtAfxData;
    EXPECT_NE(canvas.At(2, 2), canvas.At(3, 2));
    EXPECT_EQ(canvas.At(2, 2), canvas.At(3, 3));
    for (int x = 1; x < 9; ++x)
    {
        COLORREF clr = canvas.At(x, 4);
        EXPECT_TRUE(clr == g.m_clr3DFace || clr == g.m_clr3DHilight);
    }
    EXPECT_EQ(RGB(0, 255, 0), canvas.At(9, 9));
    EXPECT_EQ(RGB(1, 2, 3), canvas.dc.GetTextColor());   // the DC's colours are put back
    canvas.dc.SetTextColor(clrText);
}

TEST(XTResourceSwitch, HolderPutsTheModulesBack)
{
    HINSTANCE hResource = AfxGetResourceHandle();
    HINSTANCE hInstance = AfxGetInstanceHandle();
    HMODULE hOther = ::GetModuleHandleA("user32.dll");
    {
        CXTResourceSwitchHolder holder(new CXTResourceSwitch(hOther));
        EXPECT_EQ(hOther, AfxGetResourceHandle());
        EXPECT_EQ(hOther, AfxGetInstanceHandle());
        holder.Release();
        EXPECT_EQ(hResource, AfxGetResourceHandle());
        holder.Release();
    }
    EXPECT_EQ(hInstance, AfxGetInstanceHandle());
}

} // namespace
