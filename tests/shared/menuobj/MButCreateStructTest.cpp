#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/ViewerCreateStruct.h"

#include "TestWindows.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

namespace {

void FillFont(CFontDesc& font, LPCSTR pszFace, int nHeight, COLORREF cr, int nEffect)
{
    lstrcpyA(font.m_logFont.lfFaceName, pszFace);
    font.m_logFont.lfHeight = nHeight;
    font.m_crColor = cr;
    font.m_nEffect = nEffect;
}

void ExpectFont(const CFontDesc& font, LPCSTR pszFace, int nHeight, COLORREF cr, int nEffect)
{
    EXPECT_STREQ(pszFace, font.m_logFont.lfFaceName);
    EXPECT_EQ((testing_values::Ints{ nHeight, int(cr), nEffect }),
              (testing_values::Ints{ int(font.m_logFont.lfHeight), int(font.m_crColor), font.m_nEffect }));
}

} // namespace

using testing_values::Ints;
using testing_values::Texts;

TEST(MButCreateStructTest, ACopyTakesEveryFieldAndOutlivesItsSource)
{
    CMButCreateStruct copy;
    {
        CMButCreateStruct source;
        source.m_nType = MOBJ_BUTTON;
        source.m_nNumber = 4;
        source.m_bEnable = 0;
        source.m_rect = { 10, 20, 110, 46 };
        source.m_strText = "Start";
        FillFont(source.m_font, "Courier New", -20, RGB(1, 2, 3), 1);
        source.m_nID = 5003;
        source.m_dwStyle = WS_BORDER;
        source.m_nRepeat = 5;
        source.m_crColor = RGB(9, 8, 7);
        source.m_bPreset = 1;
        source.m_nPageNumber = 3;
        source.m_strSpare1 = "s1";
        source.m_strSpare2 = "s2";
        source.m_strBitmap = "knopf.bmp";
        source.m_nActionNumber = 2;
        source.m_strStyle = "H";
        source.m_strDocument = "liesmich.txt";
        source.m_strApplication = "notepad.exe";
        source.m_strParameter = "/p";
        source.m_nAction = 4;
        source.m_strToolTip = "Tipp";
        source.m_bStopSound = 1;
        source.m_bStartSound = 1;
        source.m_strSoundFile = "klick.wav";
        FillFont(source.m_fontIdle, "Arial", 12, RGB(0, 0, 255), 0);
        FillFont(source.m_fontOver, "Verdana", 14, RGB(255, 0, 0), 1);
        FillFont(source.m_fontDown, "Tahoma", 16, RGB(0, 255, 0), 2);
        source.m_nBrightness = 40;
        source.m_bHoverEffect = 0;
        source.m_strExtra = "extra";
        source.m_strFurther = "further";
        source.m_nOption1 = 7;
        source.m_nOption2 = 8;
        copy.Copy(source);
    }
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(copy.m_rect));
    EXPECT_EQ((Ints{ MOBJ_BUTTON, 4, 0, 5003, WS_BORDER, 5, int(RGB(9, 8, 7)), 1, 3, 2, 4, 1, 1, 40, 0, 7, 8 }),
              (Ints{ copy.m_nType, copy.m_nNumber, copy.m_bEnable, int(copy.m_nID), int(copy.m_dwStyle),
                     copy.m_nRepeat, int(copy.m_crColor), copy.m_bPreset, copy.m_nPageNumber, copy.m_nActionNumber,
                     copy.m_nAction, copy.m_bStopSound, copy.m_bStartSound, copy.m_nBrightness, copy.m_bHoverEffect,
                     copy.m_nOption1, copy.m_nOption2 }));
    EXPECT_EQ(Texts({ "Start", "s1", "s2", "knopf.bmp", "H", "liesmich.txt", "notepad.exe", "/p", "Tipp", "klick.wav",
                      "extra", "further" }),
              Texts({ copy.m_strText, copy.m_strSpare1, copy.m_strSpare2, copy.m_strBitmap, copy.m_strStyle,
                      copy.m_strDocument, copy.m_strApplication, copy.m_strParameter, copy.m_strToolTip,
                      copy.m_strSoundFile, copy.m_strExtra, copy.m_strFurther }));
    ExpectFont(copy.m_font, "Courier New", -20, RGB(1, 2, 3), 1);
    ExpectFont(copy.m_fontIdle, "Arial", 12, RGB(0, 0, 255), 0);
    ExpectFont(copy.m_fontOver, "Verdana", 14, RGB(255, 0, 0), 1);
    ExpectFont(copy.m_fontDown, "Tahoma", 16, RGB(0, 255, 0), 2);
}

TEST(MButCreateStructTest, TheTextAndViewerCopiesTakeTheirFields)
{
    CMTextCreateStruct text;
    text.m_strText = "Willkommen";
    FillFont(text.m_font, "Verdana", 24, RGB(5, 5, 5), 2);
    CMTextCreateStruct textCopy;
    textCopy.Copy(text);
    EXPECT_EQ("Willkommen", textCopy.m_strText);
    ExpectFont(textCopy.m_font, "Verdana", 24, RGB(5, 5, 5), 2);

    CViewerCreateStruct viewer;
    viewer.m_rect = { 1, 2, 3, 4 };
    viewer.m_strDocument = "text.txt";
    viewer.m_bScrollHorz = 1;
    viewer.m_bScrollVert = 1;
    viewer.m_bBorder = 0;
    CViewerCreateStruct viewerCopy;
    viewerCopy.Copy(viewer);
    EXPECT_EQ("text.txt", viewerCopy.m_strDocument);
    EXPECT_EQ((Ints{ 4, 1, 1, 0 }), (Ints{ int(viewerCopy.m_rect.bottom), viewerCopy.m_bScrollHorz,
                                          viewerCopy.m_bScrollVert, viewerCopy.m_bBorder }));
}

TEST(MButCreateStructTest, ACopiedStructStillDrawsItsFontsAfterTheSourceIsGone)
{
    menuobj_testing::BitmapCanvas canvas(200, 40, RGB(255, 255, 255));
    CMButCreateStruct copy;
    {
        CMButCreateStruct source;
        source.m_font.m_logFont.lfHeight = -30;
        source.m_fontDown.m_logFont.lfHeight = -18;
        // The source has made its GDI fonts before it is copied.
        for (CFontDesc* pFont : { &source.m_font, &source.m_fontDown })
        {
            pFont->SelectInto(canvas.DC());
            pFont->RestoreFont(canvas.DC());
        }
        copy.Copy(source);
    }
    for (CFontDesc* pFont : { &copy.m_font, &copy.m_fontDown })
    {
        SCOPED_TRACE(pFont->m_logFont.lfHeight);
        pFont->SelectInto(canvas.DC());
        ASSERT_NE(nullptr, pFont->GetFont());
        EXPECT_EQ((DWORD)OBJ_FONT, ::GetObjectType(pFont->GetFont()->m_hObject));
        CSize extent = canvas.DC()->GetTextExtent("Start");
        pFont->TextOutEffect(canvas.DC(), 0, 0, "Start");
        pFont->RestoreFont(canvas.DC());
        EXPECT_EQ(menuobj_testing::ScreenTextExtent(pFont->m_logFont, "Start"), extent);
        EXPECT_EQ(extent.cx, pFont->m_cx);
    }
}

TEST(MButCreateStructTest, ConstructionSetsTheDefaults)
{
    CMButCreateStruct but;
    EXPECT_EQ(0, but.m_nType);
    EXPECT_EQ(-1, but.m_nNumber);
    EXPECT_EQ(1, but.m_bEnable);
    EXPECT_TRUE(IsRectEmpty(&but.m_rect));
    EXPECT_EQ(2, but.m_nRepeat);
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), but.m_crColor);
    EXPECT_EQ("W", but.m_strStyle);
    EXPECT_EQ(20, but.m_nBrightness);
    EXPECT_EQ(1, but.m_bHoverEffect);
    EXPECT_EQ(nullptr, but.m_pPopupMenu);
    EXPECT_EQ(0, but.m_bPreset);

    CViewerCreateStruct viewer;
    EXPECT_EQ(0, viewer.m_bScrollHorz);
    EXPECT_EQ(0, viewer.m_bScrollVert);
    EXPECT_EQ(1, viewer.m_bBorder);
}
