#include "shared/menuobj/ButWin.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using menuobj_testing::PixelCase;

namespace {

const COLORREF kCanvas = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);

// The button covers (10, 10)-(110, 40); its caption stays in the middle.
void ExpectLook(ButtonState state, std::initializer_list<PixelCase> pixels)
{
    CMButCreateStruct crStruct;
    crStruct.m_strText = "Go";
    ExpectButtonLook<CButWin>(crStruct, FALSE, state, kCanvas, pixels);
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

TEST(ButWinTest, TheCaptionIsDrawnInTheButtonsFont)
{
    CTestPage page;
    CMButCreateStruct crStruct;
    crStruct.m_strText = "%Go%";
    crStruct.m_font.m_crColor = RGB(200, 0, 0);
    CButWin button;
    CreateButtonOn(page, button, crStruct, CRect(10, 10, 110, 40));
    BitmapCanvas canvas(130, 60, kCanvas);
    button.Draw(canvas.DC());
    int nInk = 0;
    for (int y = 12; y < 38; ++y)
        for (int x = 14; x < 106; ++x)
            nInk += canvas.Pixel(x, y) == RGB(200, 0, 0) ? 1 : 0;
    EXPECT_GT(nInk, 0);
}
