// Every header size and pixel format the BMP readers accept, drawn through
// each of them pixel for pixel, and the files they refuse.
#include "shared/support/BmpFile.h"
#include "shared/support/DibFunctions.h"
#include "shared/support/DibImage.h"
#include "shared/support/IconFile.h"

#include "shared/support/BmpTestFiles.h"
#include "framework/MemFile.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace bmp_test;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

const COLORREF kFill = RGB(1, 2, 3);
const DWORD kBgr[3] = { 0x0000FF, 0x00FF00, 0xFF0000 };

// Runs of equal pixels in every other row, so that RLE codes hold runs as
// well as literal pixels.
TestBmp WithRuns(TestBmp bmp)
{
    for (int y = 0; y < bmp.nHeight; y += 2)
        for (int x = 1; x < 5 && x < bmp.nWidth; ++x)
            bmp.pixels[size_t(y) * bmp.nWidth + x] = bmp.pixels[size_t(y) * bmp.nWidth + 1];
    return bmp;
}

void ExpectPicture(const Surface& surface, const TestBmp& bmp, int x0, int y0)
{
    for (int y = 0; y < bmp.nHeight; ++y)
        for (int x = 0; x < bmp.nWidth; ++x)
            ASSERT_EQ(bmp.ColorAt(x, y), surface.At(x0 + x, y0 + y)) << "at " << x << "," << y;
    EXPECT_EQ(kFill, surface.At(x0 + bmp.nWidth, y0 + bmp.nHeight));
}

// A packed DIB in ordinary memory drawn with the platform.
void DrawPackedDib(const PackedDib& dib, HDC hDC, int x, int y)
{
    const BITMAPINFO* pInfo = reinterpret_cast<const BITMAPINFO*>(dib.data());
    BITMAPINFOHEADER header = pInfo->bmiHeader;
    std::vector<BYTE> copy(dib);
    const BYTE* pBits = GetDibBitsPointer(reinterpret_cast<BITMAPINFOHEADER*>(copy.data()));
    SetDIBitsToDevice(hDC, x, y, DWORD(header.biWidth), DWORD(header.biHeight), 0, 0, 0, UINT(header.biHeight),
                      pBits, pInfo, DIB_RGB_COLORS);
}

std::vector<FormatCase> FormatCases()
{
    std::vector<FormatCase> cases;
    for (DWORD nHeader : { 40u, 52u, 56u, 108u, 124u })
    {
        cases.push_back({ "8 bits", MakePattern(7, 5, 8, 20), { nHeader, BI_RGB } });
        cases.push_back({ "4 bits top-down", MakePattern(9, 4, 4, 0, true), { nHeader, BI_RGB } });
        cases.push_back({ "24 bits", MakePattern(5, 4, 24), { nHeader, BI_RGB } });
        cases.push_back({ "16 bits 5-5-5", MakeFieldPattern(7, 3, 16, nullptr), { nHeader, BI_RGB } });
        cases.push_back({ "32 bits", MakePattern(5, 3, 32), { nHeader, BI_RGB } });
        cases.push_back({ "RLE8", WithRuns(MakePattern(11, 4, 8, 30)), { nHeader, BI_RLE8 } });
        cases.push_back({ "RLE4", WithRuns(MakePattern(11, 5, 4)), { nHeader, BI_RLE4 } });
        cases.push_back({ "bit fields 16 bits 5-6-5", MakeFieldPattern(7, 4, 16, k565), { nHeader, BI_BITFIELDS } });
        cases.push_back({ "bit fields 16 bits 5-5-5", MakeFieldPattern(6, 3, 16, k555), { nHeader, BI_BITFIELDS } });
        cases.push_back({ "bit fields 32 bits", MakeFieldPattern(5, 4, 32, k888), { nHeader, BI_BITFIELDS } });
        cases.push_back({ "bit fields 32 bits top-down", MakeFieldPattern(5, 4, 32, k888), { nHeader, BI_BITFIELDS } });
        cases.back().bmp.bTopDown = true;
        cases.push_back({ "bit fields 32 bits blue first", MakeFieldPattern(4, 3, 32, kBgr), { nHeader, BI_BITFIELDS } });
    }
    return cases;
}

TEST(BmpFormatsTest, EveryAcceptedFormatDrawsPixelForPixelThroughEachReader)
{
    TempFolder folder;
    MessageBoxRecorder boxes;
    for (const FormatCase& c : FormatCases())
    {
        SCOPED_TRACE(testing::Message() << c.name << ", header of " << c.format.nHeaderSize << " bytes");
        const std::vector<BYTE> bytes = BmpFileBytes(c.bmp, c.format);
        const CString path = folder.Write("pic.bmp", bytes.data(), bytes.size());

        // The picture object of the player's pages.
        CDibImage image;
        ASSERT_TRUE(image.LoadFile(path));
        Surface drawn(16, 16, kFill);
        BorrowedDC drawnDC(drawn.DC());
        image.Draw(&drawnDC, 1, 2);
        ExpectPicture(drawn, c.bmp, 1, 2);

        // The reader of the buttons' DIB holder.
        CMemFile file(bytes.data(), UINT(bytes.size()));
        HGLOBAL hDib = ReadDibFromFile(file);
        ASSERT_NE(nullptr, hDib);
        Surface painted(16, 16, kFill);
        BorrowedDC paintedDC(painted.DC());
        EXPECT_TRUE(PaintDib(&paintedDC, CRect(2, 1, 2 + c.bmp.nWidth, 1 + c.bmp.nHeight), hDib,
                             CRect(0, 0, c.bmp.nWidth, c.bmp.nHeight), nullptr));
        GlobalFree(hDib);
        ExpectPicture(painted, c.bmp, 2, 1);

        // The reader of the icon builder keeps RLE codes as they are, for the
        // icon builder to refuse.
        const PackedDib dib = ReadBmpFile(path);
        ASSERT_FALSE(dib.empty());
        const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
        EXPECT_EQ(40u, pHeader->biSize);
        EXPECT_EQ(c.format.nCompression, pHeader->biCompression);
        if (c.format.nCompression == BI_RLE8 || c.format.nCompression == BI_RLE4)
            continue;
        Surface plain(16, 16, kFill);
        DrawPackedDib(dib, plain.DC(), 3, 3);
        ExpectPicture(plain, c.bmp, 3, 3);
    }
    EXPECT_EQ(0u, boxes.Count());
}

TEST(BmpFormatsTest, NewerHeadersAndBitFieldsBecomeIconImages)
{
    const FormatCase cases[] = {
        { "5-6-5, 124-byte header", MakeFieldPattern(16, 16, 16, k565), { 124, BI_BITFIELDS } },
        { "32 bits, 124-byte header", MakeFieldPattern(16, 16, 32, k888), { 124, BI_BITFIELDS } },
        { "24 bits, 108-byte header", MakePattern(16, 16, 24), { 108, BI_RGB } },
        { "5-6-5, 40-byte header", MakeFieldPattern(16, 16, 16, k565), { 40, BI_BITFIELDS } },
    };
    TempFolder folder;
    MessageBoxRecorder boxes;
    for (const FormatCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::vector<BYTE> bytes = BmpFileBytes(c.bmp, c.format);
        IconImage image;
        image.nWidth = image.nHeight = 16;
        image.nBitsPerPixel = 32;
        ASSERT_TRUE(IconImageFromBmpFile(folder.Write("pic.bmp", bytes.data(), bytes.size()), image, TRUE));
        const DWORD* pPixels = reinterpret_cast<const DWORD*>(image.ColorBits());
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(c.bmp.pixels[size_t(y) * 16 + x], pPixels[size_t(15 - y) * 16 + x] & 0xFFFFFF) << x << "," << y;
    }
    EXPECT_EQ(0u, boxes.Count());
}

// An RLE8 file of 4 by 3 pixels with the given codes and image size.
std::vector<BYTE> Rle8File(const std::vector<BYTE>& codes, DWORD nSizeImage, const TestBmp& bmp)
{
    std::vector<BYTE> file = BmpFileBytes(bmp, { 40, BI_RLE8 });
    file.resize(14 + 40 + bmp.table.size() * 4);
    file.insert(file.end(), codes.begin(), codes.end());
    memcpy(file.data() + 14 + 20, &nSizeImage, 4);
    return file;
}

struct RleCase
{
    const char* name;
    std::vector<BYTE> codes;
    DWORD nSizeImage;
    std::vector<int> pixels;   // indices from the top row on
};

TEST(BmpFormatsTest, RleCodesAreDecodedWithinTheBytesTheFileHolds)
{
    const TestBmp bmp = MakePattern(4, 3, 8, 8);
    const RleCase cases[] = {
        { "runs and line ends", { 4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 0, 3, 4, 5, 6, 0, 0, 1 }, 18,
          { 4, 5, 6, 0, 2, 2, 3, 3, 1, 1, 1, 1 } },
        { "a move skips pixels, which stay 0", { 1, 7, 0, 2, 2, 1, 1, 6, 0, 1 }, 10, { 0, 0, 0, 0, 0, 0, 0, 6, 7, 0, 0, 0 } },
        { "codes that stop early", { 4, 1, 0, 0, 2, 2 }, 6, { 0, 0, 0, 0, 2, 2, 0, 0, 1, 1, 1, 1 } },
        { "a run across the right edge is cut there", { 4, 1, 2, 2 }, 4, { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1 } },
        { "no image size: the rest of the file", { 4, 1, 0, 0, 4, 3, 0, 1 }, 0, { 0, 0, 0, 0, 3, 3, 3, 3, 1, 1, 1, 1 } },
        { "image size past the end", { 4, 1, 0, 0, 4, 2 }, 5000, { 0, 0, 0, 0, 2, 2, 2, 2, 1, 1, 1, 1 } },
        { "a run past the right edge", { 9, 4, 0, 0, 2, 5 }, 6, { 0, 0, 0, 0, 5, 5, 0, 0, 4, 4, 4, 4 } },
        { "a literal cut by the file's end", { 0, 6, 1, 2, 3 }, 5, { 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 0 } },
        { "a move past the top", { 2, 1, 0, 2, 0, 200, 4, 4 }, 8, { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0 } },
    };
    TempFolder folder;
    for (const RleCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        TestBmp expected = bmp;
        expected.pixels.assign(c.pixels.begin(), c.pixels.end());
        const std::vector<BYTE> bytes = Rle8File(c.codes, c.nSizeImage, bmp);
        CDibImage image;
        ASSERT_TRUE(image.LoadFile(folder.Write("rle.bmp", bytes.data(), bytes.size())));
        Surface surface(8, 8, kFill);
        BorrowedDC dc(surface.DC());
        image.Draw(&dc, 0, 0);
        ExpectPicture(surface, expected, 0, 0);
    }
}

struct ShortCase
{
    const char* name;
    TestBmp bmp;
    size_t nCut;
    bool bRead;
};

TEST(BmpFormatsTest, PixelsThatEndWithinTheLastRowsPaddingReadAsZero)
{
    const ShortCase cases[] = {
        { "24 bits, 5 wide: 1 byte of padding missing", MakePattern(5, 3, 24), 1, true },
        { "24 bits, 5 wide: 2 bytes missing", MakePattern(5, 3, 24), 2, false },
        { "8 bits, 5 wide: all 3 bytes of padding missing", MakePattern(5, 3, 8), 3, true },
        { "8 bits, 5 wide: a pixel missing", MakePattern(5, 3, 8), 4, false },
        { "8 bits, 8 wide: no padding to miss", MakePattern(8, 3, 8), 1, false },
        { "1 bit, 9 wide: 2 bytes of padding missing", MakePattern(9, 2, 1), 2, true },
    };
    TempFolder folder;
    for (const ShortCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<BYTE> bytes = BmpFileBytes(c.bmp);
        bytes.resize(bytes.size() - c.nCut);
        const CString path = folder.Write("short.bmp", bytes.data(), bytes.size());
        CDibImage image;
        EXPECT_EQ(c.bRead, !!image.LoadFile(path));
        MessageBoxRecorder boxes;
        const PackedDib dib = ReadBmpFile(path);
        EXPECT_EQ(c.bRead, !dib.empty());
        if (!c.bRead)
        {
            ASSERT_EQ(1u, boxes.Count());
            EXPECT_STREQ("Error reading file", boxes.Last().strText);
            continue;
        }
        Surface surface(12, 12, kFill);
        BorrowedDC dc(surface.DC());
        image.Draw(&dc, 0, 0);
        ExpectPicture(surface, c.bmp, 0, 0);
        // The missing bytes are zero, the rest as the file holds them.
        EXPECT_EQ(PackedDibBytes(c.bmp), dib);
    }
}

struct RefusedCase
{
    const char* name;
    std::vector<BYTE> file;
    const char* message;
};

TEST(BmpFormatsTest, RefusedHeadersLoadNothingAndOnlyTheOldStyleOneIsCalledOs2)
{
    const std::vector<BYTE> v5 = BmpFileBytes(MakeFieldPattern(6, 4, 16, k565), { 124, BI_BITFIELDS });
    const std::vector<BYTE> v3 = BmpFileBytes(MakeFieldPattern(6, 4, 16, k565), { 40, BI_BITFIELDS });
    std::vector<BYTE> core = BmpFileBytes(MakePattern(8, 4, 8));
    const BITMAPCOREHEADER coreHeader = { sizeof(BITMAPCOREHEADER), 8, 4, 1, 8 };
    memcpy(core.data() + 14, &coreHeader, sizeof(coreHeader));
    // A few hundred bytes that claim pictures no menu can show.
    std::vector<BYTE> wideRle4 = BmpFileBytes(WithRuns(MakePattern(11, 5, 4)), { 40, BI_RLE4 });
    std::vector<BYTE> hugeRle8 = BmpFileBytes(WithRuns(MakePattern(11, 4, 8, 30)), { 40, BI_RLE8 });
    const RefusedCase cases[] = {
        { "12-byte header", core, "OS/2 style BMPs Not Supported" },
        { "header of 64 bytes", WithField(v5, 14, 64), "Not a recognised BMP format file" },
        { "header of 124 bytes cut short", std::vector<BYTE>(v5.begin(), v5.begin() + 14 + 100), "Error reading file" },
        { "masks of a 40-byte header cut short", std::vector<BYTE>(v3.begin(), v3.begin() + 14 + 46), "Error reading file" },
        { "overlapping masks", WithField(v5, 14 + 44, 0xFC00), "Not a recognised BMP format file" },
        { "mask with a gap", WithField(v3, 14 + 40, 0xF100), "Not a recognised BMP format file" },
        { "mask beyond 16 bits", WithField(v3, 14 + 48, 0x1001F), "Not a recognised BMP format file" },
        { "zero mask", WithField(v3, 14 + 44, 0), "Not a recognised BMP format file" },
        { "bit fields on 24 bits", WithField(BmpFileBytes(MakePattern(4, 4, 24)), 14 + 16, BI_BITFIELDS),
          "Not a recognised BMP format file" },
        { "RLE4 17 by 16,777,213", WithField(WithField(wideRle4, 14 + 4, 17), 14 + 8, 16777213),
          "Not a recognised BMP format file" },
        { "RLE8 20,000 by 20,000", WithField(WithField(hugeRle8, 14 + 4, 20000), 14 + 8, 20000),
          "Not a recognised BMP format file" },
        { "16,385 pixels wide", WithField(BmpFileBytes(MakePattern(4, 4, 8)), 14 + 4, 16385),
          "Not a recognised BMP format file" },
        { "top-down RLE", WithField(hugeRle8, 14 + 8, DWORD(-4)), "Not a recognised BMP format file" },
    };
    TempFolder folder;
    for (const RefusedCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CString path = folder.Write("bad.bmp", c.file.data(), c.file.size());
        MessageBoxRecorder boxes;
        EXPECT_TRUE(ReadBmpFile(path).empty());
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_STREQ(c.message, boxes.Last().strText);
        CDibImage image;
        EXPECT_FALSE(image.LoadFile(path));
        CMemFile file(c.file.data(), UINT(c.file.size()));
        EXPECT_EQ(nullptr, ReadDibFromFile(file));
        EXPECT_EQ(1u, boxes.Count());
    }
}

} // namespace
