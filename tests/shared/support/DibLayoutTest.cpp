#include "shared/support/DibLayout.h"

#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using testing_values::Ints;

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
        EXPECT_EQ((Ints{ int(c.nColors), int(c.nColors * 4), int(c.nRowBytes), int(c.nImageBytes),
                         int(40 + c.nColors * 4) }),
                  (Ints{ int(layout.nColors), int(layout.nPaletteBytes), int(layout.nRowBytes), int(layout.nImageBytes),
                         int(layout.BitsOffset()) }));
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
    EXPECT_EQ((Ints{ 16, 48, 12 + 48, 16 }), (Ints{ int(layout.nColors), int(layout.nPaletteBytes),
                                                   int(layout.BitsOffset()), int(layout.nImageBytes) }));
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
    EXPECT_EQ((Ints{ 3, 2, 1 }), (Ints{ pBits[0], pBits[4], pBits[8] }));
}

struct MaskCase
{
    const char* name;
    DWORD nHeaderSize;
    WORD nBitCount;
    DWORD masks[3];
    bool bValid;
    DWORD nBitsOffset;
};

TEST(DibLayoutTest, BitFieldMasksStandBehindOrInTheHeader)
{
    const MaskCase cases[] = {
        { "5-6-5 behind a 40-byte header", 40, 16, { 0xF800, 0x07E0, 0x001F }, true, 52 },
        { "5-6-5 in a 52-byte header", 52, 16, { 0xF800, 0x07E0, 0x001F }, true, 52 },
        { "8-8-8 in a 56-byte header", 56, 32, { 0xFF0000, 0xFF00, 0xFF }, true, 56 },
        { "8-8-8 in a 124-byte header", 124, 32, { 0xFF0000, 0xFF00, 0xFF }, true, 124 },
        { "10-10-10 on 32 bits", 108, 32, { 0x3FF00000, 0xFFC00, 0x3FF }, true, 108 },
        { "on 8 bits", 40, 8, { 0xE0, 0x1C, 0x03 }, false, 0 },
        { "overlapping", 40, 16, { 0xF800, 0x0FE0, 0x001F }, false, 0 },
        { "with a gap", 40, 16, { 0xF000, 0x07E0, 0x001F }, true, 52 },
        { "split in two", 40, 16, { 0xA800, 0x07E0, 0x001F }, false, 0 },
        { "past 16 bits", 40, 16, { 0x1F800, 0x07E0, 0x001F }, false, 0 },
        { "an empty mask", 40, 32, { 0xFF0000, 0, 0xFF }, false, 0 },
    };
    for (const MaskCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        BITMAPV5HEADER header = {};
        const BITMAPINFOHEADER info = InfoHeader(4, 2, c.nBitCount, 0, BI_BITFIELDS);
        memcpy(&header, &info, sizeof(info));
        header.bV5Size = c.nHeaderSize;
        memcpy(&header.bV5RedMask, c.masks, sizeof(c.masks));   // behind the classic 40 bytes
        DibLayout layout;
        ASSERT_EQ(c.bValid, GetDibLayout(&header, std::max<size_t>(c.nHeaderSize, 52), layout));
        if (!c.bValid)
            continue;
        EXPECT_EQ(c.nBitsOffset, layout.BitsOffset());
        EXPECT_EQ(0, memcmp(c.masks, layout.masks, sizeof(c.masks)));
        EXPECT_EQ(c.nHeaderSize == 40 ? 52u : c.nHeaderSize, DibHeaderReadBytes(&header));
        // Without the masks to read, a 40-byte header is refused.
        if (c.nHeaderSize == 40)
        {
            EXPECT_FALSE(GetDibLayout(&header, 40, layout));
        }
    }
}

} // namespace
