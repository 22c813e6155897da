#include "shared/menuobj/StaticText.h"

#include "shared/menuobj/MObjStaticText.h"
#include "shared/menuobj/MTextCreateStruct.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kText = RGB(0, 0, 160);

int CountColor(BitmapCanvas& canvas, COLORREF cr, int cx, int cy)
{
    int n = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            n += canvas.Pixel(x, y) == cr ? 1 : 0;
    return n;
}

} // namespace

TEST(StaticTextTest, TheTextTakesItsMeasuredSizeWithRoomForItalicsAndEffects)
{
    CTestPage page;
    CMTextCreateStruct crStruct;
    crStruct.m_strText = "Welcome to the CD";
    crStruct.m_font.m_logFont.lfHeight = -24;
    crStruct.m_font.m_crColor = kText;
    crStruct.m_rect = { 10, 12, 20, 22 };
    CStaticText wnd;
    wnd.SetCreateStruct(&crStruct);
    ASSERT_TRUE(wnd.Create(nullptr, crStruct.m_strText, WS_CHILD | WS_VISIBLE, crStruct.m_rect, &page, 5011));
    EXPECT_FALSE(wnd.IsMeasured());

    const CSize extent = menuobj_testing::ScreenTextExtent(crStruct.m_font.m_logFont, crStruct.m_strText);
    const CRect rcExpected(10, 12, 10 + extent.cx + 24 / 6 + 6, 12 + extent.cy + 6);
    for (int nPaint = 1; nPaint <= 3; ++nPaint)
    {
        SCOPED_TRACE(nPaint);
        BitmapCanvas canvas(400, 80, kPaper);
        wnd.Draw(canvas.DC());
        EXPECT_TRUE(wnd.IsMeasured());
        EXPECT_EQ(rcExpected, CRect(crStruct.m_rect));
        EXPECT_EQ(rcExpected, CRect(wnd.GetTextRect()));
        EXPECT_GT(CountColor(canvas, kText, 400, 80), 0);
    }
}

TEST(StaticTextTest, TheObjectMakesItsWindowAsLargeAsTheTextAndDrawsThroughIt)
{
    menuobj_testing::MainWindowScope mainWindow;
    CTestPage page;
    CMTextCreateStruct crStruct;
    crStruct.m_strText = "Hello";
    crStruct.m_font.m_crColor = kText;
    crStruct.m_rect = { 30, 40, 31, 41 };
    HWND hWnd;
    {
        CMObjStaticText object;
        ASSERT_TRUE(object.Create(&crStruct, &page, 5012, RGB(128, 128, 128), FALSE));
        const CSize extent = menuobj_testing::ScreenTextExtent(crStruct.m_font.m_logFont, "Hello");
        const CRect rcExpected(30, 40, 30 + extent.cx + 16 / 6 + 6, 40 + extent.cy + 6);
        CWnd* pChild = page.GetWindow(GW_CHILD);
        ASSERT_NE(nullptr, pChild);
        hWnd = pChild->m_hWnd;
        for (const CRect& rc : { CRect(crStruct.m_rect), CRect(object.GetObjectRect()), RectInParent(*pChild) })
            EXPECT_EQ(rcExpected, rc) << "struct, object, window";

        BitmapCanvas canvas(200, 100, kPaper);
        object.Draw(canvas.DC());
        EXPECT_GT(CountColor(canvas, kText, 200, 100), 0);

        object.MoveTo(60, 50, rcExpected.Width(), rcExpected.Height());
        EXPECT_EQ(CRect(60, 50, 60 + rcExpected.Width(), 50 + rcExpected.Height()), RectInParent(*pChild));
    }
    EXPECT_FALSE(::IsWindow(hWnd)) << "the object deletes its window";
}
