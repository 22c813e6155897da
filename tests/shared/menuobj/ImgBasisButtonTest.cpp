#include "shared/menuobj/ImgBasisButton.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using menuobj_testing::ExpectPixels;
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
    EXPECT_EQ(CSize(3, 5002), CSize(button.GetFrameMode(), button.GetDlgCtrlID())) << "frame mode, id";

    BitmapCanvas moved(40, 30, kCanvas);
    button.DrawImage(moved.DC(), 2, 1, nullptr, nullptr, button.GetImage());
    // Clipped on the right.
    ExpectPixels(moved, "moved", { { 21, 10, kCanvas }, { 22, 11, PositionColor(0, 0) },
                                   { 29, 17, PositionColor(7, 6) }, { 30, 17, kCanvas } });

    BitmapCanvas inside(40, 30, kCanvas);
    button.DrawImage(inside.DC(), -1, -2, nullptr, nullptr, button.GetImage());
    ExpectPixels(inside, "inside", { { 20, 10, PositionColor(1, 2) }, { 28, 15, PositionColor(9, 7) },
                                     { 29, 15, kCanvas }, { 28, 16, kCanvas } });
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
