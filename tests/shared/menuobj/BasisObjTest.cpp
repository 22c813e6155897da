#include "shared/menuobj/BasisObj.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;

// Invalidating in the page repaints the page at once.
TEST(BasisObjTest, TheObjectRectangleFollowsCreationAndMoves)
{
    CTestPage page;
    CBasisObj wnd;
    wnd.InvalidateInParent();   // no window yet: nothing happens
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 20, 60, 40), &page, 5010));
    EXPECT_EQ(CRect(10, 20, 60, 40), CRect(wnd.GetObjectRect()));
    EXPECT_FALSE(wnd.HasFocus());

    wnd.MoveTo(30, 40, 25, 15);
    EXPECT_EQ(CRect(30, 40, 55, 55), CRect(wnd.GetObjectRect()));
    EXPECT_EQ(CRect(30, 40, 55, 55), RectInParent(wnd));

    wnd.SetObjectRect(CRect(5, 6, 7, 8));
    EXPECT_EQ(CRect(5, 6, 7, 8), CRect(wnd.GetObjectRect()));
    EXPECT_EQ(CRect(5, 6, 7, 8), RectInParent(wnd));

    page.UpdateWindow();
    int nPaints = page.m_nPaints;
    wnd.InvalidateInParent();
    EXPECT_EQ(nPaints + 1, page.m_nPaints);
    CRect rcUpdate;
    EXPECT_FALSE(::GetUpdateRect(page, rcUpdate, FALSE));
}

TEST(BasisObjTest, TheWindowEndsWithItsObjectAndErasesNothing)
{
    CTestPage page;
    HWND hWnd;
    {
        CBasisObj wnd;
        ASSERT_TRUE(wnd.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 20, 60, 40), &page, 5010));
        hWnd = wnd.m_hWnd;
        BitmapCanvas canvas(80, 80, RGB(0, 128, 0));
        EXPECT_TRUE(wnd.SendMessage(WM_ERASEBKGND, (WPARAM)canvas.DC()->GetSafeHdc()));
        EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(0, 0));
        wnd.Draw(canvas.DC());
        EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(15, 25));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}
