#include "shared/menuobj/BasisListBox.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;

TEST(BasisListBoxTest, TheListBoxIsARealListBoxWithBorderScrollBarsAndNotifications)
{
    CTestPage page;
    CBasisListBox listBox;
    ASSERT_TRUE(listBox.CreateListBox(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 20, 160, 120), &page, 5025,
                                      RGB(255, 0, 0)));
    char szClass[32] = "";
    ::GetClassNameA(listBox, szClass, sizeof(szClass));
    EXPECT_STRCASEEQ("LISTBOX", szClass);
    // The scroll bars show (and their style bits stay set) once there is
    // something to scroll.
    for (int i = 0; i < 30; ++i)
        listBox.SendMessage(LB_ADDSTRING, 0, (LPARAM) "Entry");
    listBox.SendMessage(LB_SETHORIZONTALEXTENT, 1000);
    const DWORD dwStyle = listBox.GetStyle();
    for (DWORD dwBit : { DWORD(WS_BORDER), DWORD(WS_VSCROLL), DWORD(WS_HSCROLL), DWORD(LBS_NOINTEGRALHEIGHT),
                         DWORD(LBS_NOTIFY), DWORD(WS_TABSTOP) })
        EXPECT_EQ(dwBit, dwStyle & dwBit) << std::hex << dwBit;
    EXPECT_EQ(CRect(10, 20, 160, 120), CRect(listBox.GetObjectRect()));
    EXPECT_EQ(CRect(10, 20, 160, 120), RectInParent(listBox)) << "no integral height";
    EXPECT_EQ(RGB(255, 0, 0), listBox.GetBackground());
}

TEST(BasisListBoxTest, TheBackgroundIsErasedWhiteAndADoubleClickRunsTheList)
{
    CTestPage page;
    CBasisListBox listBox;
    ASSERT_TRUE(listBox.CreateListBox(WS_CHILD | WS_VISIBLE, CRect(10, 20, 60, 70), &page, 5025, RGB(255, 0, 0)));
    BitmapCanvas canvas(80, 80, RGB(0, 128, 0));
    EXPECT_TRUE(listBox.SendMessage(WM_ERASEBKGND, (WPARAM)canvas.DC()->GetSafeHdc()));
    CRect rcClient;
    listBox.GetClientRect(rcClient);
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rcClient.right - 1, rcClient.bottom - 1));
    EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(rcClient.right, 0));

    // A double click asks the page to run the list, even an empty one.
    listBox.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(1u, page.m_messages.size());
    EXPECT_EQ(WM_TARNIX_RUNLISTBOX, page.m_messages[0].nMessage);
    EXPECT_EQ(WPARAM(5025), page.m_messages[0].wParam);
    EXPECT_EQ(LPARAM(0), page.m_messages[0].lParam);
}
