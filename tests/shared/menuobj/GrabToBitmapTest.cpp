#include "shared/menuobj/GrabToBitmap.h"

#include "shared/support/BmpTestFiles.h"

#include <gtest/gtest.h>

namespace {

using bmp_test::BorrowedDC;
using bmp_test::Surface;

COLORREF PatternAt(int x, int y)
{
    return RGB(x * 20, y * 30, 100);
}

TEST(GrabToBitmapTest, CopiesTheAreaIntoANewBitmap)
{
    Surface source(10, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            SetPixel(source.DC(), x, y, PatternAt(x, y));
    BorrowedDC sourceDC(source.DC());
    CBitmap bitmap;
    bitmap.CreateBitmap(2, 2, 1, 1, nullptr);
    ASSERT_TRUE(GrabToBitmap(&sourceDC, 2, 3, 7, 6, bitmap));
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(5, bm.bmWidth);
    EXPECT_EQ(3, bm.bmHeight);

    HDC hDC = CreateCompatibleDC(source.DC());
    HGDIOBJ hOld = SelectObject(hDC, bitmap.GetSafeHandle());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(PatternAt(x + 2, y + 3), GetPixel(hDC, x, y)) << x << "," << y;
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
}

} // namespace
