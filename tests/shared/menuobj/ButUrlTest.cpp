#include "shared/menuobj/ButUrl.h"

#include "shared/menuobj/MObjButUrl.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kIdle = RGB(200, 0, 0);
const COLORREF kOver = RGB(0, 0, 200);
const COLORREF kDown = RGB(0, 150, 0);

// Where a colour was drawn on the canvas.
struct Ink
{
    int nCount = 0;
    CRect rcBounds{ INT_MAX, INT_MAX, INT_MIN, INT_MIN };
};

Ink InkOf(BitmapCanvas& canvas, COLORREF cr, int cx, int cy)
{
    Ink ink;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (canvas.Pixel(x, y) == cr)
            {
                ++ink.nCount;
                ink.rcBounds.left = std::min<LONG>(ink.rcBounds.left, x);
                ink.rcBounds.top = std::min<LONG>(ink.rcBounds.top, y);
                ink.rcBounds.right = std::max<LONG>(ink.rcBounds.right, x + 1);
                ink.rcBounds.bottom = std::max<LONG>(ink.rcBounds.bottom, y + 1);
            }
    return ink;
}

class ButUrlTest : public testing::Test
{
protected:
    ButUrlTest()
    {
        m_struct.m_strText = "%Visit us%";
        m_struct.m_rect = { 10, 10, 11, 11 };
        m_struct.m_fontIdle.m_crColor = kIdle;
        m_struct.m_fontOver.m_crColor = kOver;
        m_struct.m_fontDown.m_crColor = kDown;
    }
    ~ButUrlTest() override { ::ReleaseCapture(); }

    menuobj_testing::MainWindowScope m_mainWindow;
    CTestPage m_page;
    CRecordingProgram m_program;
    CMButCreateStruct m_struct;
};

} // namespace

TEST_F(ButUrlTest, EachStateDrawsTheCaptionInItsFont)
{
    CMObjButUrl object;
    ASSERT_TRUE(object.Create(&m_struct, &m_page, 5008, RGB(128, 128, 128), FALSE));
    CButBasis& button = *object.GetButtonWnd();
    EXPECT_EQ(CRect(object.GetObjectRect()), RectInParent(button)) << "the window keeps its object's size";

    BitmapCanvas idle(200, 60, kPaper);
    object.Draw(idle.DC());
    Ink idleInk = InkOf(idle, kIdle, 200, 60);
    ASSERT_GT(idleInk.nCount, 0);
    EXPECT_GE(idleInk.rcBounds.left, 10);
    EXPECT_LE(idleInk.rcBounds.right, object.GetObjectRect().right);

    BringInto(button, STATE_HOVER);
    BitmapCanvas over(200, 60, kPaper);
    object.Draw(over.DC());
    EXPECT_EQ(0, InkOf(over, kIdle, 200, 60).nCount);
    Ink overInk = InkOf(over, kOver, 200, 60);
    EXPECT_EQ(idleInk.nCount, overInk.nCount);
    EXPECT_EQ(idleInk.rcBounds, overInk.rcBounds);

    BringInto(button, STATE_PRESSED);
    BitmapCanvas down(200, 60, kPaper);
    object.Draw(down.DC());
    Ink downInk = InkOf(down, kDown, 200, 60);
    EXPECT_EQ(idleInk.nCount, downInk.nCount);
    CRect rcShifted(idleInk.rcBounds);
    rcShifted.OffsetRect(1, 1);
    EXPECT_EQ(rcShifted, downInk.rcBounds);
}

TEST_F(ButUrlTest, TheFontsAreTakenAtTheFirstDrawAndTheMarkersLeftOut)
{
    CMObjButUrl object;
    ASSERT_TRUE(object.Create(&m_struct, &m_page, 5008, RGB(128, 128, 128), FALSE));
    BitmapCanvas first(200, 60, kPaper);
    object.Draw(first.DC());
    m_struct.m_fontIdle.m_crColor = kOver;
    BitmapCanvas second(200, 60, kPaper);
    object.Draw(second.DC());
    Ink firstInk = InkOf(first, kIdle, 200, 60);
    EXPECT_EQ(firstInk.nCount, InkOf(second, kIdle, 200, 60).nCount);

    CMButCreateStruct plain;
    plain.m_strText = "Visit us";
    plain.m_rect = m_struct.m_rect;
    plain.m_fontIdle.m_crColor = kIdle;
    CMObjButUrl plainObject;
    ASSERT_TRUE(plainObject.Create(&plain, &m_page, 5009, RGB(128, 128, 128), FALSE));
    BitmapCanvas unmarked(200, 60, kPaper);
    plainObject.Draw(unmarked.DC());
    Ink plainInk = InkOf(unmarked, kIdle, 200, 60);
    EXPECT_EQ(plainInk.nCount, firstInk.nCount);
    EXPECT_EQ(plainInk.rcBounds, firstInk.rcBounds);
}
