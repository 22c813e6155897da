#include "shared/support/DibLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

BITMAPINFOHEADER InfoHeader(LONG nWidth, LONG nHeight, WORD nBitCount, DWORD nColorsUsed = 0,
                            DWORD nCompression = BI_RGB, DWORD nSizeImage = 0)
{
    return BITMAPINFOHEADER{ sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, nBitCount, nCompression, nSizeImage,
                             0, 0, nColorsUsed, 0 };
}

struct LayoutCase
{
    const char* name;
    BITMAPINFOHEADER header;
    bool bValid;
    DWORD nColors;
    DWORD nRowBytes;
    DWORD nImageBytes;
};

TEST(DibLayoutTest, ChecksInfoHeadersAndComputesSizes)
{
    const LayoutCase cases[] = {
        { "1 bit, odd width", InfoHeader(33, 2, 1), true, 2, 8, 16 },
        { "4 bits, 3 colours used", InfoHeader(3, 3, 4, 3), true, 3, 4, 12 },
        { "8 bits, full table", InfoHeader(5, 1, 8), true, 256, 8, 8 },
        { "16 bits has no table", InfoHeader(3, 2, 16), true, 0, 8, 16 },
        { "24 bits has no table", InfoHeader(3, 2, 24), true, 0, 12, 24 },
        { "24 bits with an optional table", InfoHeader(3, 2, 24, 16), true, 16, 12, 24 },
        { "32 bits", InfoHeader(2, 2, 32), true, 0, 8, 16 },
        { "top-down", InfoHeader(4, -3, 8), true, 256, 4, 12 },
        { "RLE8 takes its stored size", InfoHeader(4, 4, 8, 0, BI_RLE8, 20), true, 256, 4, 20 },
        { "width 0", InfoHeader(0, 2, 8), false, 0, 0, 0 },
        { "negative width", InfoHeader(-4, 2, 8), false, 0, 0, 0 },
        { "height 0", InfoHeader(4, 0, 8), false, 0, 0, 0 },
        { "bit count 3", InfoHeader(4, 4, 3), false, 0, 0, 0 },
        { "bit count 0", InfoHeader(4, 4, 0), false, 0, 0, 0 },
        { "more colours than 8 bits index", InfoHeader(4, 4, 8, 257), false, 0, 0, 0 },
        { "more colours than 1 bit indexes", InfoHeader(4, 4, 1, 3), false, 0, 0, 0 },
        { "a huge table on 24 bits", InfoHeader(4, 4, 24, 65536), false, 0, 0, 0 },
        { "RLE8 without stored size", InfoHeader(4, 4, 8, 0, BI_RLE8, 0), false, 0, 0, 0 },
        { "RLE4 on 8 bits", InfoHeader(4, 4, 8, 0, BI_RLE4, 10), false, 0, 0, 0 },
        { "top-down RLE", InfoHeader(4, -4, 8, 0, BI_RLE8, 10), false, 0, 0, 0 },
        { "16,384 a side", InfoHeader(16384, 16384, 8), true, 256, 16384, 16384 * 16384 },
        { "16,385 wide", InfoHeader(16385, 1, 8), false, 0, 0, 0 },
        { "16,385 high", InfoHeader(1, 16385, 8), false, 0, 0, 0 },
        { "2 GB of pixels", InfoHeader(0x10000, 0x10000, 32), false, 0, 0, 0 },
        { "pixel count overflowing 32 bits", InfoHeader(0x7FFFFFFF, 0x7FFFFFFF, 32), false, 0, 0, 0 },
        { "most negative height", InfoHeader(4, LONG(0x80000000), 8), false, 0, 0, 0 },
    };
    for (const LayoutCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        DibLayout layout;
        ASSERT_EQ(c.bValid, GetDibLayout(&c.header, sizeof(c.header), layout));
        if (!c.bValid)
            continue;
        EXPECT_EQ(c.nColors, layout.nColors);
        EXPECT_EQ(c.nColors * 4, layout.nPaletteBytes);
        EXPECT_EQ(c.nRowBytes, layout.nRowBytes);
        EXPECT_EQ(c.nImageBytes, layout.nImageBytes);
        EXPECT_EQ(40 + c.nColors * 4, layout.BitsOffset());
        EXPECT_GT(layout.nHeight, 0);
    }
}

TEST(DibLayoutTest, RefusesShortAndUnknownHeaders)
{
    BITMAPINFOHEADER header = InfoHeader(4, 4, 8);
    DibLayout layout;
    EXPECT_FALSE(GetDibLayout(&header, sizeof(header) - 1, layout));
    EXPECT_FALSE(GetDibLayout(nullptr, 100, layout));
    header.biPlanes = 2;
    EXPECT_FALSE(GetDibLayout(&header, sizeof(header), layout));
    BITMAPV5HEADER v5 = {};
    v5.bV5Size = sizeof(v5);
    v5.bV5Width = 4;
    v5.bV5Height = 4;
    v5.bV5Planes = 1;
    v5.bV5BitCount = 24;
    EXPECT_FALSE(GetDibLayout(&v5, sizeof(v5) - 1, layout));
    v5.bV5Size = 64;
    EXPECT_FALSE(GetDibLayout(&v5, sizeof(v5), layout));
}

TEST(DibLayoutTest, ReadsOldStyleHeadersWithThreeByteColours)
{
    const BITMAPCOREHEADER core = { sizeof(BITMAPCOREHEADER), 9, 2, 1, 4 };
    DibLayout layout;
    ASSERT_TRUE(GetDibLayout(&core, sizeof(core), layout));
    EXPECT_TRUE(layout.bCoreHeader);
    EXPECT_EQ(16u, layout.nColors);
    EXPECT_EQ(48u, layout.nPaletteBytes);
    EXPECT_EQ(12u + 48u, layout.BitsOffset());
    EXPECT_EQ(16u, layout.nImageBytes);
}

TEST(DibLayoutTest, PackedDibMustHoldItsPixels)
{
    const BITMAPINFOHEADER header = InfoHeader(4, 2, 8, 2);
    std::vector<BYTE> dib(40 + 8 + 8);
    memcpy(dib.data(), &header, sizeof(header));
    DibLayout layout;
    EXPECT_TRUE(GetPackedDibLayout(dib.data(), dib.size(), layout));
    EXPECT_FALSE(GetPackedDibLayout(dib.data(), dib.size() - 1, layout));
}

TEST(DibLayoutTest, TopDownRowsAreTurnedBottomUp)
{
    const BITMAPINFOHEADER header = InfoHeader(1, -3, 8, 1);
    std::vector<BYTE> dib(40 + 4 + 12);
    memcpy(dib.data(), &header, sizeof(header));
    BYTE* pBits = dib.data() + 44;
    pBits[0] = 1;   // top row
    pBits[4] = 2;
    pBits[8] = 3;   // bottom row
    DibLayout layout;
    ASSERT_TRUE(GetPackedDibLayout(dib.data(), dib.size(), layout));
    ASSERT_TRUE(layout.bTopDown);
    MakeDibBottomUp(dib.data(), layout);
    EXPECT_FALSE(layout.bTopDown);
    EXPECT_EQ(3, reinterpret_cast<BITMAPINFOHEADER*>(dib.data())->biHeight);
    EXPECT_EQ(3, pBits[0]);
    EXPECT_EQ(2, pBits[4]);
    EXPECT_EQ(1, pBits[8]);
}

} // namespace
