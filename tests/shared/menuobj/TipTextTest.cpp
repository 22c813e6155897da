#include "shared/menuobj/TipText.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

using menuobj_testing::BitmapCanvas;

namespace {

const COLORREF kPaper = RGB(200, 200, 200);
const int kCanvasWidth = 300;
const int kCanvasHeight = 200;

// A sharp font selected into a canvas for the time of a test.
class FontCanvas : public BitmapCanvas
{
public:
    FontCanvas() : BitmapCanvas(kCanvasWidth, kCanvasHeight, kPaper)
    {
        LOGFONTA lf = {};
        lf.lfHeight = -16;
        lf.lfWeight = FW_NORMAL;
        lf.lfQuality = NONANTIALIASED_QUALITY;
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        m_font.CreateFontIndirect(&lf);
        m_hOldFont = DC()->SelectObject(m_font.GetSafeHandle());
    }
    ~FontCanvas() { DC()->SelectObject(m_hOldFont); }

    CSize Extent(const CString& strText) { return DC()->GetTextExtent(strText); }

    // The box of the ink within the rows [y0, y1).
    CRect InkBox(int y0 = 0, int y1 = kCanvasHeight)
    {
        return menuobj_testing::InkBox(*this, CRect(0, y0, kCanvasWidth, y1), kPaper);
    }

    // For each line of height nLineHeight from y0 on: TRUE when it holds ink.
    std::vector<bool> InkedLines(int y0, int nLineHeight, int nLines)
    {
        std::vector<bool> inked;
        for (int i = 0; i < nLines; ++i)
            inked.push_back(!InkBox(y0 + i * nLineHeight, y0 + (i + 1) * nLineHeight).IsRectEmpty());
        return inked;
    }

private:
    CFont m_font;
    HGDIOBJ m_hOldFont;
};

void DrawTip(FontCanvas& canvas, const CString& strText, const CRect& rect, BOOL bCentre = FALSE)
{
    CTipText tip;
    tip.Set(strText, rect);
    tip.Draw(canvas.DC(), bCentre);
}

} // namespace

TEST(TipTextTest, KeepsItsTextAndRectangleAndDrawingTakesTheCentreFlag)
{
    CTipText tip;
    EXPECT_TRUE(tip.IsCentred());
    tip.Set("Hint", CRect(1, 2, 3, 4));
    EXPECT_EQ("Hint", tip.GetText());
    EXPECT_EQ(CRect(1, 2, 3, 4), tip.GetRect());
    FontCanvas canvas;
    tip.Draw(canvas.DC(), FALSE);
    EXPECT_FALSE(tip.IsCentred());
    tip.Draw(nullptr, TRUE);          // no DC: only the flag is taken
    EXPECT_TRUE(tip.IsCentred());
}

TEST(TipTextTest, BreakTagsStartNewLines)
{
    static const struct { const char* pszText; std::vector<bool> lines; } kCases[] = {
        { "One<BR>Two", { true, true, false, false } },
        { "One<br>Two<Br>Three", { true, true, true, false } },
        { "<BR><bR>Two", { false, false, true, false } },
        { "One<BR><BR>Three", { true, false, true, false } },
        { "One<BR>", { true, false, false, false } },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszText);
        FontCanvas canvas;
        const CRect rect(10, 10, 290, 190);
        DrawTip(canvas, c.pszText, rect);
        int nLineHeight = canvas.Extent(c.pszText).cy;
        EXPECT_EQ(c.lines, canvas.InkedLines(rect.top, nLineHeight, 4));
        CRect ink = canvas.InkBox();
        EXPECT_GE(ink.left, rect.left + 2);
    }
}

TEST(TipTextTest, WordsWrapAtBlanksToTheWidth)
{
    FontCanvas canvas;
    const CString strText = "alpha beta gamma";
    // Room for "alpha beta" but not for the third word.
    int nWidth = canvas.Extent("alpha beta ").cx + 4 + 1;
    const CRect rect(0, 0, nWidth, 150);
    DrawTip(canvas, strText, rect);
    int nLineHeight = canvas.Extent(strText).cy;
    EXPECT_EQ((std::vector<bool>{ true, true, false }), canvas.InkedLines(0, nLineHeight, 3));
    CRect first = canvas.InkBox(0, nLineHeight);
    CRect second = canvas.InkBox(nLineHeight, 2 * nLineHeight);
    EXPECT_LE(first.right, 2 + canvas.Extent("alpha beta").cx);
    EXPECT_GT(first.right, 2 + canvas.Extent("alpha").cx);
    EXPECT_LE(second.right, 2 + canvas.Extent("gamma").cx);
}

TEST(TipTextTest, AWordWiderThanTheAreaIsCutWhereItFits)
{
    FontCanvas canvas;
    const CString strWord = "WWWWWWWWWWWWWWWWWWWW";
    int nAvailable = canvas.Extent("WWWWWWW").cx + 1;
    const CRect rect(0, 0, nAvailable + 4, 150);
    DrawTip(canvas, strWord, rect);
    int nLineHeight = canvas.Extent(strWord).cy;
    // Seven characters fit on a line: 20 characters take three lines.
    EXPECT_EQ((std::vector<bool>{ true, true, true, false }), canvas.InkedLines(0, nLineHeight, 4));
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        CRect line = canvas.InkBox(i * nLineHeight, (i + 1) * nLineHeight);
        EXPECT_LE(line.right, 2 + nAvailable);
    }
    CRect last = canvas.InkBox(2 * nLineHeight, 3 * nLineHeight);
    EXPECT_LE(last.Width(), canvas.Extent("WWWWWW").cx + 1);
    EXPECT_GT(last.Width(), canvas.Extent("WWWWW").cx - 2);
}

TEST(TipTextTest, CentredLinesSitInTheMiddleOfTheArea)
{
    FontCanvas canvas;
    const CRect rect(20, 0, 280, 150);
    DrawTip(canvas, "Hi<BR>a longer line", rect, TRUE);
    int nLineHeight = canvas.Extent("Hi<BR>a longer line").cy;
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        CRect line = canvas.InkBox(i * nLineHeight, (i + 1) * nLineHeight);
        ASSERT_FALSE(line.IsRectEmpty());
        int nMiddle = (line.left + line.right) / 2;
        EXPECT_NEAR(rect.CenterPoint().x, nMiddle, 4);
    }
}

TEST(TipTextTest, OnlyLinesThatFitCompletelyAreDrawn)
{
    FontCanvas canvas;
    const CString strText = "One<BR>Two<BR>Three<BR>Four";
    int nLineHeight = canvas.Extent(strText).cy;
    const CRect rect(0, 0, 280, nLineHeight * 5 / 2);
    DrawTip(canvas, strText, rect);
    EXPECT_EQ((std::vector<bool>{ true, true, false, false }), canvas.InkedLines(0, nLineHeight, 4));

    FontCanvas wrapped;
    int nWidth = wrapped.Extent("word ").cx + 5;
    DrawTip(wrapped, "word word word word", CRect(0, 0, nWidth, nLineHeight * 5 / 2));
    EXPECT_EQ((std::vector<bool>{ true, true, false, false }), wrapped.InkedLines(0, nLineHeight, 4));

    FontCanvas tooLow;
    DrawTip(tooLow, "One", CRect(0, 0, 280, nLineHeight - 1));
    EXPECT_TRUE(tooLow.InkBox().IsRectEmpty());
}
