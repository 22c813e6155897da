#include "shared/menuobj/DibObject.h"

#include "shared/support/BmpTestFiles.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace bmp_test;
using testing_support::TempFolder;

void ExpectBitmapShows(HBITMAP hBitmap, const TestBmp& bmp)
{
    Surface surface(bmp.nWidth, bmp.nHeight);
    HDC hDC = CreateCompatibleDC(surface.DC());
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    BitBlt(surface.DC(), 0, 0, bmp.nWidth, bmp.nHeight, hDC, 0, 0, SRCCOPY);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    for (int y = 0; y < bmp.nHeight; ++y)
        for (int x = 0; x < bmp.nWidth; ++x)
            ASSERT_EQ(bmp.ColorAt(x, y), surface.At(x, y)) << x << "," << y;
}

TEST(DibObjectTest, IndexedPictureHasItsPaletteAndDrawsAsABitmap)
{
    TempFolder folder;
    const TestBmp bmp = MakePattern(7, 5, 8, 9, true);
    const std::vector<BYTE> bytes = BmpFileBytes(bmp);
    CDibObject dib;
    EXPECT_EQ(1, dib.GetWidth());
    ASSERT_TRUE(LoadDibFile(dib, folder.Write("pic.bmp", bytes.data(), bytes.size())));
    EXPECT_EQ(7, dib.GetWidth());
    EXPECT_EQ(5, dib.GetHeight());
    ASSERT_NE(nullptr, dib.GetPalette());
    EXPECT_EQ(9, dib.GetPalette()->GetEntryCount());
    HBITMAP hBitmap = dib.CreateDDB();
    ASSERT_NE(nullptr, hBitmap);
    ExpectBitmapShows(hBitmap, bmp);
    DeleteObject(hBitmap);
}

TEST(DibObjectTest, TrueColourPictureHasNoPalette)
{
    TempFolder folder;
    const TestBmp bmp = MakePattern(4, 6, 24);
    const std::vector<BYTE> bytes = BmpFileBytes(bmp);
    CDibObject dib;
    ASSERT_TRUE(dib.LoadFile(folder.Write("pic.bmp", bytes.data(), bytes.size())));
    EXPECT_EQ(nullptr, dib.GetPalette());
    HBITMAP hBitmap = dib.CreateDDB();
    ASSERT_NE(nullptr, hBitmap);
    ExpectBitmapShows(hBitmap, bmp);
    DeleteObject(hBitmap);
    dib.Free();
    EXPECT_EQ(nullptr, dib.GetDib());
    EXPECT_EQ(nullptr, dib.CreateDDB());
}

TEST(DibObjectTest, BitFieldAndRlePicturesOfNewerHeadersDrawAsBitmaps)
{
    // The usual 16-bit and many 32-bit files: buttons showed none of them.
    const FormatCase cases[] = {
        { "5-6-5", MakeFieldPattern(7, 5, 16, k565), { 40, BI_BITFIELDS } },
        { "32 bits, 124-byte header", MakeFieldPattern(6, 4, 32, k888), { 124, BI_BITFIELDS } },
        { "RLE8, 108-byte header", MakePattern(9, 3, 8, 12), { 108, BI_RLE8 } },
    };
    TempFolder folder;
    for (const FormatCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::vector<BYTE> bytes = BmpFileBytes(c.bmp, c.format);
        CDibObject dib;
        ASSERT_TRUE(LoadDibFile(dib, folder.Write("pic.bmp", bytes.data(), bytes.size())));
        EXPECT_EQ(c.bmp.nWidth, dib.GetWidth());
        HBITMAP hBitmap = dib.CreateDDB();
        ASSERT_NE(nullptr, hBitmap);
        ExpectBitmapShows(hBitmap, c.bmp);
        DeleteObject(hBitmap);
    }
}

TEST(DibObjectTest, FailedLoads)
{
    TempFolder folder;
    const std::vector<BYTE> good = BmpFileBytes(MakePattern(4, 6, 24));
    CDibObject dib;
    ASSERT_TRUE(dib.LoadFile(folder.Write("pic.bmp", good.data(), good.size())));

    // A missing file keeps what the holder had.
    EXPECT_FALSE(dib.LoadFile(folder.File("missing.bmp")));
    EXPECT_EQ(4, dib.GetWidth());
    EXPECT_EQ(6, dib.GetHeight());
    EXPECT_NE(nullptr, dib.GetDib());

    // A file that opens but holds no picture leaves the holder empty.
    const std::vector<BYTE> cut(good.begin(), good.end() - 10);
    EXPECT_FALSE(dib.LoadFile(folder.Write("cut.bmp", cut.data(), cut.size())));
    EXPECT_EQ(nullptr, dib.GetDib());
    EXPECT_EQ(nullptr, dib.GetPalette());
    EXPECT_FALSE(dib.LoadFile(folder.Write("text.bmp", "BM but nothing more")));
    EXPECT_EQ(nullptr, dib.GetDib());
}

} // namespace
