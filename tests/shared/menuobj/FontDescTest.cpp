#include "shared/support/FontDesc.h"

#include "TestWindows.h"
#include "shared/support/TextEffect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

using menuobj_testing::BitmapCanvas;
using menuobj_testing::MainWindowScope;
using menuobj_testing::ScreenTextExtent;

namespace {

const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// The colours found in one column (or row) of ink.
std::set<COLORREF> InkColours(BitmapCanvas& canvas, int x0, int y0, int dx, int dy, int n)
{
    std::set<COLORREF> colours;
    for (int i = 0; i < n; ++i)
    {
        COLORREF cr = canvas.Pixel(x0 + i * dx, y0 + i * dy);
        if (cr != kGrey)
            colours.insert(cr);
    }
    return colours;
}

void UseSharpFont(CFontDesc& font)
{
    font.m_logFont.lfHeight = -24;
    font.m_logFont.lfWeight = FW_BOLD;
    font.m_logFont.lfQuality = NONANTIALIASED_QUALITY;
    font.m_crColor = kRed;
}

} // namespace

// Without a main window to measure on nothing is measured.
TEST(FontDescTest, MeasureTextAddsRoomForItalicsAndEffects)
{
    {
        CFontDesc font;
        int cx = -1, cy = -1;
        EXPECT_FALSE(font.MeasureText("Menu", cx, cy));
        EXPECT_EQ(CSize(0, 0), CSize(cx, cy));
    }
    MainWindowScope mainWindow;
    static const int kHeights[] = { 16, -20, 12, -36 };
    for (int nHeight : kHeights)
    {
        SCOPED_TRACE(nHeight);
        CFontDesc font;
        font.m_logFont.lfHeight = nHeight;
        CSize extent = ScreenTextExtent(font.m_logFont, "Menu");
        int cx = -1, cy = -1;
        ASSERT_TRUE(font.MeasureText("Menu", cx, cy));
        EXPECT_EQ(CSize(extent.cx + std::abs(nHeight / 6) + 6, extent.cy + 6), CSize(cx, cy));
        EXPECT_GT(extent.cx, 0);
    }
}

TEST(FontDescTest, EffectsDrawLightAndShadowOnePixelAside)
{
    static const struct { int nEffect; COLORREF crTopLeft, crBottomRight; } kCases[] = {
        { TEXT_EFFECT_RAISED, kWhite, kBlack },
        { TEXT_EFFECT_EMBOSSED, kBlack, kWhite },
        { TEXT_EFFECT_NONE, kRed, kRed },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.nEffect);
        BitmapCanvas canvas(160, 60, kGrey);
        CFontDesc font;
        UseSharpFont(font);
        font.m_nEffect = c.nEffect;
        font.SelectInto(canvas.DC());
        font.TextOutEffect(canvas.DC(), 20, 10, "HI");
        font.RestoreFont(canvas.DC());
        EXPECT_EQ(kBlack, canvas.DC()->GetTextColor());   // the DC's colour is put back

        CRect ink = menuobj_testing::InkBox(canvas, CRect(0, 0, 160, 60), kGrey);
        ASSERT_FALSE(ink.IsRectEmpty());
        EXPECT_EQ(CRect(19, 9, 20 + font.m_cx + 1, 10 + font.m_cy + 1), CRect(font.m_rcText));
        EXPECT_EQ(ink, ink & font.m_rcText);
        EXPECT_EQ(std::set<COLORREF>{ c.crTopLeft }, InkColours(canvas, ink.left, ink.top, 0, 1, ink.Height()));
        EXPECT_EQ(std::set<COLORREF>{ c.crBottomRight },
                  InkColours(canvas, ink.right - 1, ink.top, 0, 1, ink.Height()));
        EXPECT_EQ(std::set<COLORREF>{ c.crTopLeft }, InkColours(canvas, ink.left, ink.top, 1, 0, ink.Width()));
        EXPECT_EQ(std::set<COLORREF>{ c.crBottomRight },
                  InkColours(canvas, ink.left, ink.bottom - 1, 1, 0, ink.Width()));
    }
}

TEST(FontDescTest, DrawTextFittedCutsTheTextUntilItFits)
{
    BitmapCanvas canvas(200, 60, kGrey);
    CFontDesc font;
    UseSharpFont(font);
    CRect rc(10, 10, 20, 40);
    font.DrawTextFitted(canvas.DC(), rc, "Ein langer Text");
    EXPECT_LE(font.m_cx, rc.Width() - 2);
    // Whatever was left is centred in the rectangle.
    EXPECT_EQ(rc.left + (rc.Width() - font.m_cx) / 2 - 1, font.m_rcText.left);

    CRect wide(0, 0, 200, 60);
    font.DrawTextFitted(canvas.DC(), wide, "Start");
    CFontDesc plain;
    UseSharpFont(plain);
    CSize extent = ScreenTextExtent(plain.m_logFont, "Start");
    EXPECT_EQ(extent.cx, font.m_cx);
    EXPECT_EQ((200 - extent.cx) / 2 - 1, font.m_rcText.left);
    EXPECT_EQ((60 - extent.cy) / 2 - 1, font.m_rcText.top);
}

TEST(FontDescTest, AnAssignedCopyMakesItsOwnFont)
{
    BitmapCanvas canvas(10, 10, kGrey);
    auto* pSource = new CFontDesc;
    UseSharpFont(*pSource);
    pSource->SelectInto(canvas.DC());
    pSource->RestoreFont(canvas.DC());
    ASSERT_NE(nullptr, pSource->GetFont());

    CFontDesc copy;
    copy.Assign(*pSource);
    EXPECT_EQ(nullptr, copy.GetFont());
    copy.SelectInto(canvas.DC());
    copy.RestoreFont(canvas.DC());
    ASSERT_NE(nullptr, copy.GetFont());
    EXPECT_NE(pSource->GetFont()->m_hObject, copy.GetFont()->m_hObject);

    delete pSource;
    EXPECT_EQ((DWORD)OBJ_FONT, ::GetObjectType(copy.GetFont()->m_hObject));
    LOGFONTA lf;
    copy.GetFont()->GetLogFont(&lf);
    EXPECT_EQ(-24, lf.lfHeight);

    // Assigning new values drops the font made from the old ones.
    CFontDesc other;
    copy.Assign(other);
    EXPECT_EQ(nullptr, copy.GetFont());
}
