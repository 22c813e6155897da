// The looks of the drawn buttons: window, transparent and image buttons.
#include "shared/menuobj/ButWin.h"

#include "shared/menuobj/ButImage.h"
#include "shared/menuobj/ButTrans.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using menuobj_testing::PixelCase;

namespace {

// The button covers (10, 10)-(110, 40); a window button's caption stays in
// the middle, the others have none.
template <class TButton = CButWin>
void ExpectLook(ButtonState state, std::initializer_list<PixelCase> pixels, BOOL bEditMode = FALSE)
{
    CMButCreateStruct crStruct;
    crStruct.m_strText = std::is_same<TButton, CButWin>::value ? "Go" : "";
    ExpectButtonLook<TButton>(crStruct, bEditMode, state, kCanvas, pixels);
}

} // namespace

TEST(ButWinTest, EachLookHasItsLinesOnTheButtonFace)
{
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    ExpectLook(STATE_IDLE, { { 9, 25, kCanvas }, { 15, 15, crFace }, { 10, 25, kWhite }, { 50, 10, kWhite },
                             { 109, 25, kBlack }, { 108, 25, kGrey }, { 50, 38, kGrey }, { 50, 39, kBlack },
                             { 11, 25, crFace } });
    ExpectLook(STATE_HOVER, { { 15, 15, crFace }, { 10, 25, kBlack }, { 11, 25, kWhite }, { 50, 11, kWhite },
                              { 108, 25, kBlack }, { 107, 25, kGrey }, { 50, 38, kBlack }, { 50, 37, kGrey } });
    ExpectLook(STATE_FOCUS, { { 11, 25, kWhite }, { 108, 25, kBlack } });
    ExpectLook(STATE_PRESSED, { { 10, 25, kBlack }, { 11, 25, kGrey }, { 12, 25, crFace }, { 108, 25, kGrey },
                                { 50, 11, kGrey }, { 50, 38, kGrey }, { 15, 15, crFace } });
}

// The rows of the canvas that hold ink of the colour within the columns, as
// bands of neighbouring rows; and the columns the ink spans.
struct InkBands
{
    int nBands = 0;
    int nTop = -1;
    int nBottom = -1;
    int nLeft = 1 << 30;
    int nRight = -1;
};

InkBands FindInk(BitmapCanvas& canvas, const RECT& rc, COLORREF cr)
{
    InkBands ink;
    bool bInBand = false;
    for (int y = rc.top; y < rc.bottom; ++y)
    {
        bool bRow = false;
        for (int x = rc.left; x < rc.right; ++x)
            if (canvas.Pixel(x, y) == cr)
            {
                bRow = true;
                ink.nLeft = std::min(ink.nLeft, x);
                ink.nRight = std::max(ink.nRight, x);
            }
        if (bRow && !bInBand)
            ++ink.nBands;
        if (bRow)
        {
            ink.nTop = ink.nTop < 0 ? y : ink.nTop;
            ink.nBottom = y;
        }
        bInBand = bRow;
    }
    return ink;
}

// The caption is drawn in the button's font (its colour).
TEST(ButWinTest, ACaptionOfSeveralLinesIsDrawnOnThemAsOneCentredBlock)
{
    for (const char* pszCaption : { "Eins<BR>Zwei", "Eins<br>Zwei" })
    {
        SCOPED_TRACE(pszCaption);
        CTestPage page;
        CMButCreateStruct crStruct;
        crStruct.m_strText = pszCaption;
        crStruct.m_font.m_crColor = RGB(200, 0, 0);
        CButWin button;
        const CRect rc(10, 10, 210, 90);
        CreateButtonOn(page, button, crStruct, rc);
        BitmapCanvas canvas(230, 110, kCanvas);
        button.Draw(canvas.DC());

        crStruct.m_font.SelectInto(canvas.DC());
        const CSize one = canvas.DC()->GetTextExtent(CString("Eins"));
        const CSize two = canvas.DC()->GetTextExtent(CString("Zwei"));
        crStruct.m_font.RestoreFont(canvas.DC());
        const InkBands ink = FindInk(canvas, CRect(14, 12, 206, 88), RGB(200, 0, 0));
        // Two lines, one below the other, no wider than the wider word: no
        // tag is drawn.
        EXPECT_EQ(2, ink.nBands);
        EXPECT_LE(ink.nRight - ink.nLeft + 1, std::max(one.cx, two.cx) + 1);
        EXPECT_GT(ink.nBottom - ink.nTop, one.cy);
        // The block sits in the middle: as much room above as below, give or
        // take the font's inner leading and the pixel of the inset.
        const int nAbove = ink.nTop - rc.top;
        const int nBelow = rc.bottom - 1 - ink.nBottom;
        EXPECT_NEAR(nAbove, nBelow, one.cy / 2 + 2);
        // Each line is centred across.
        EXPECT_NEAR(rc.left + rc.Width() / 2, (ink.nLeft + ink.nRight) / 2, 3);
    }
}

TEST(ButTransTest, ThePageShowsThroughTheLines)
{
    const COLORREF kLightGrey = RGB(192, 192, 192);
    ExpectLook<CButTrans>(STATE_IDLE, { { 50, 25, kCanvas }, { 10, 25, kWhite }, { 11, 25, kLightGrey },
                                        { 50, 11, kLightGrey }, { 12, 25, kCanvas }, { 108, 25, kGrey },
                                        { 109, 25, kBlack }, { 50, 39, kBlack } });
    ExpectLook<CButTrans>(STATE_HOVER,
                          { { 50, 25, kCanvas }, { 10, 25, kBlack }, { 11, 25, kWhite }, { 107, 25, kGrey } });
    ExpectLook<CButTrans>(STATE_PRESSED,
                          { { 50, 25, kCanvas }, { 10, 25, kBlack }, { 11, 25, kGrey }, { 12, 25, kCanvas } });
}

// Design mode shows where an image button is; in run mode it shows an edge
// only under the mouse and while pressed.
TEST(ButImageTest, AnEdgeShowsInDesignModeUnderTheMouseAndWhilePressed)
{
    ExpectLook<CButImage>(STATE_IDLE,
                          { { 10, 25, kBlack }, { 11, 25, kWhite }, { 12, 25, kCanvas }, { 109, 25, kBlack },
                            { 108, 25, kWhite }, { 50, 10, kBlack }, { 50, 39, kBlack }, { 50, 25, kCanvas } },
                          TRUE);
    ExpectLook<CButImage>(STATE_IDLE, { { 10, 25, kCanvas }, { 50, 10, kCanvas }, { 108, 25, kCanvas } });
    ExpectLook<CButImage>(STATE_HOVER, { { 10, 25, kWhite }, { 50, 10, kWhite }, { 109, 25, kGrey },
                                         { 50, 39, kGrey }, { 11, 25, kCanvas }, { 50, 25, kCanvas } });
    ExpectLook<CButImage>(STATE_FOCUS, { { 10, 25, kWhite }, { 109, 25, kGrey } });
    ExpectLook<CButImage>(STATE_PRESSED,
                          { { 10, 25, kGrey }, { 50, 10, kGrey }, { 109, 25, kWhite }, { 50, 39, kWhite } });
}
