#include "shared/menuobj/ImgBasisButton.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using testing_support::TempFolder;

namespace {

class CTestImageButton : public CImgBasisButton
{
public:
    static HGDIOBJ Pen(int n)
    {
        CPen* pens[] = { GreyPen(), WhitePen(), BluePen() };
        return pens[n] ? pens[n]->GetSafeHandle() : nullptr;
    }
};

// Each pixel's colour tells where it came from: red x * 20, green y * 20.
bmp_test::TestBmp PositionBmp(int cx, int cy)
{
    bmp_test::TestBmp bmp;
    bmp.nWidth = cx;
    bmp.nHeight = cy;
    bmp.nBitCount = 24;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            bmp.pixels.push_back(DWORD(x * 20) << 16 | DWORD(y * 20) << 8 | 0x40);
    return bmp;
}

COLORREF PositionColor(int x, int y)
{
    return RGB(x * 20, y * 20, 0x40);
}

} // namespace

TEST(ImgBasisButtonTest, AllButtonsShareThreePensThatGoWithTheLast)
{
    HGDIOBJ hGrey;
    {
        CTestImageButton first;
        hGrey = CTestImageButton::Pen(0);
        ASSERT_NE(nullptr, hGrey);
        {
            CTestImageButton second;
            EXPECT_EQ(hGrey, CTestImageButton::Pen(0));
        }
        EXPECT_EQ(OBJ_PEN, DWORD(::GetObjectType(hGrey))) << "the first button still uses it";
        LOGPEN lp = {};
        ::GetObject(CTestImageButton::Pen(2), sizeof(lp), &lp);
        EXPECT_EQ(RGB(10, 36, 106), lp.lopnColor);
    }
    EXPECT_EQ(0u, DWORD(::GetObjectType(hGrey)));
    EXPECT_EQ(nullptr, CTestImageButton::Pen(0));
}

TEST(ImgBasisButtonTest, TheButtonTakesThePicturesSizeAndOffsetsAreClippedOrTakenFromInside)
{
    TempFolder folder;
    CTestPage page;
    CMButCreateStruct crStruct;
    crStruct.m_strBitmap = WriteBmp(folder, "pos.bmp", PositionBmp(10, 8));
    crStruct.m_rect = { 20, 10, 21, 11 };
    crStruct.m_nID = 5002;
    crStruct.m_dwStyle = WS_CHILD | WS_VISIBLE;
    crStruct.m_nRepeat = 3;
    CTestImageButton button;
    button.SetCreateStruct(&crStruct);
    ASSERT_TRUE(button.CreateFromStruct(&crStruct, &page));
    EXPECT_EQ(CRect(20, 10, 30, 18), CRect(crStruct.m_rect));
    EXPECT_EQ(CRect(20, 10, 30, 18), RectInParent(button));
    EXPECT_EQ(3, button.GetFrameMode());
    EXPECT_EQ(5002, button.GetDlgCtrlID());

    BitmapCanvas moved(40, 30, kCanvas);
    button.DrawImage(moved.DC(), 2, 1, nullptr, nullptr, button.GetImage());
    EXPECT_EQ(kCanvas, moved.Pixel(21, 10));
    EXPECT_EQ(PositionColor(0, 0), moved.Pixel(22, 11));
    EXPECT_EQ(PositionColor(7, 6), moved.Pixel(29, 17));
    EXPECT_EQ(kCanvas, moved.Pixel(30, 17)) << "clipped on the right";

    BitmapCanvas inside(40, 30, kCanvas);
    button.DrawImage(inside.DC(), -1, -2, nullptr, nullptr, button.GetImage());
    EXPECT_EQ(PositionColor(1, 2), inside.Pixel(20, 10));
    EXPECT_EQ(PositionColor(9, 7), inside.Pixel(28, 15));
    EXPECT_EQ(kCanvas, inside.Pixel(29, 15));
    EXPECT_EQ(kCanvas, inside.Pixel(28, 16));
}

TEST(ImgBasisButtonTest, AMissingPictureMakesNoWindow)
{
    TempFolder folder;
    CTestPage page;
    CMButCreateStruct crStruct;
    crStruct.m_strBitmap = folder.File("none.bmp");
    CTestImageButton button;
    testing_support::MessageBoxRecorder boxes;
    EXPECT_FALSE(button.CreateFromStruct(&crStruct, &page));
    EXPECT_EQ(nullptr, button.m_hWnd);
    EXPECT_EQ(0u, boxes.Count());
}
