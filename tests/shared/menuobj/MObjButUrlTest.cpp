#include "shared/menuobj/MObjButUrl.h"

#include "TestWindows.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjStaticText.h"

#include <gtest/gtest.h>

using menuobj_testing::MainWindowScope;

namespace {

CSize Measured(CFontDesc& font, const CString& strText)
{
    int cx = 0, cy = 0;
    EXPECT_TRUE(font.MeasureText(strText, cx, cy));
    return CSize(cx, cy);
}

} // namespace

TEST(MObjButUrlTest, TheWidestOfTheThreeFontsSizesTheButton)
{
    MainWindowScope mainWindow;
    CMButCreateStruct but;
    but.m_strText = "Weiter";
    but.m_rect = { 10, 20, 11, 21 };
    but.m_fontIdle.m_logFont.lfHeight = -12;
    but.m_fontOver.m_logFont.lfHeight = -14;
    but.m_fontDown.m_logFont.lfHeight = -30;
    CSize down = Measured(but.m_fontDown, but.m_strText);
    ASSERT_GT(down.cx, Measured(but.m_fontOver, but.m_strText).cx);

    CMObjButUrl::FitRectToCaption(&but);
    EXPECT_EQ(CRect(10, 20, 10 + down.cx, 20 + down.cy), CRect(but.m_rect));

    // A caption of several lines is as wide as its widest line.
    CMButCreateStruct lines;
    lines.m_strText = "Weiter<br>zur zweiten Seite";
    lines.m_rect = { 10, 20, 11, 21 };
    CSize wide = Measured(lines.m_fontIdle, "zur zweiten Seite");
    const int nLineHeight = lines.m_fontIdle.m_cy;
    CMObjButUrl::FitRectToCaption(&lines);
    EXPECT_EQ(CRect(10, 20, 10 + wide.cx, 20 + wide.cy + nLineHeight), CRect(lines.m_rect));
}

TEST(MObjButUrlTest, WithoutAScreenToMeasureOnTheRectangleStays)
{
    CMButCreateStruct but;
    but.m_strText = "Weiter";
    but.m_rect = { 10, 20, 110, 46 };
    CMObjButUrl::FitRectToCaption(&but);
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(but.m_rect));
    CMObjStaticText::FitRectToText(&but);
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(but.m_rect));
}

TEST(MObjButUrlTest, ATextObjectIsAsLargeAsItsText)
{
    MainWindowScope mainWindow;
    CMObjCreateStruct text;
    text.m_strText = "Willkommen";
    text.m_font.m_logFont.lfHeight = -24;
    text.m_rect = { 5, 7, 45, 17 };
    CSize size = Measured(text.m_font, text.m_strText);
    CMObjStaticText::FitRectToText(&text);
    EXPECT_EQ(CRect(5, 7, 5 + size.cx, 7 + size.cy), CRect(text.m_rect));
}
