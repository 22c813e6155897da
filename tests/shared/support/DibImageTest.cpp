#include "shared/support/DibImage.h"

#include "shared/support/BmpTestFiles.h"
#include "shared/support/DibFunctions.h"
#include "shared/support/ScreenDepth.h"
#include "framework/MemFile.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace bmp_test;
using testing_support::TempFolder;

const COLORREF kFill = RGB(1, 2, 3);

CString WriteBmp(const TempFolder& folder, const std::vector<BYTE>& bytes)
{
    return folder.Write("pic.bmp", bytes.data(), bytes.size());
}

// Every pixel of the picture at (x0, y0), scaled by the factor, and the fill
// colour around it.
void ExpectDrawn(const Surface& surface, int nSize, const TestBmp& bmp, int x0, int y0, int nScale)
{
    for (int y = 0; y < nSize; ++y)
    {
        for (int x = 0; x < nSize; ++x)
        {
            const int px = (x - x0), py = (y - y0);
            const bool bInside = px >= 0 && py >= 0 && px < bmp.nWidth * nScale && py < bmp.nHeight * nScale;
            const COLORREF expected = bInside ? bmp.ColorAt(px / nScale, py / nScale) : kFill;
            ASSERT_EQ(expected, surface.At(x, y)) << "at " << x << "," << y;
        }
    }
}

struct DrawCase
{
    const char* name;
    TestBmp bmp;
};

class DibImageTest : public testing::Test
{
protected:
    void TearDown() override { SetScreenBitsPerPixelOverride(0); }
};

TEST_F(DibImageTest, LoadedPicturesDrawPixelForPixelAndStretched)
{
    const DrawCase cases[] = {
        { "1 bit", MakePattern(9, 5, 1) },
        { "1 bit top-down", MakePattern(9, 5, 1, 0, true) },
        { "4 bits", MakePattern(7, 6, 4) },
        { "4 bits, 5 colours used", MakePattern(7, 6, 4, 5) },
        { "4 bits top-down", MakePattern(7, 6, 4, 0, true) },
        { "8 bits", MakePattern(6, 5, 8) },
        { "8 bits, 20 colours used", MakePattern(6, 5, 8, 20) },
        { "8 bits top-down, 20 colours used", MakePattern(6, 5, 8, 20, true) },
        { "24 bits", MakePattern(5, 7, 24) },
        { "24 bits top-down", MakePattern(5, 7, 24, 0, true) },
        { "32 bits", MakePattern(5, 3, 32) },
    };
    TempFolder folder;
    for (const DrawCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDibImage image;
        ASSERT_TRUE(image.LoadFile(WriteBmp(folder, BmpFileBytes(c.bmp))));
        EXPECT_EQ(CSize(c.bmp.nWidth, c.bmp.nHeight), CSize(image.GetWidth(), image.GetHeight()));

        Surface plain(24, 24, kFill);
        BorrowedDC plainDC(plain.DC());
        image.Draw(&plainDC, 2, 3);
        ExpectDrawn(plain, 24, c.bmp, 2, 3, 1);

        Surface stretched(24, 24, kFill);
        BorrowedDC stretchedDC(stretched.DC());
        image.DrawRect(&stretchedDC, CRect(1, 2, 1 + 2 * c.bmp.nWidth, 2 + 2 * c.bmp.nHeight));
        ExpectDrawn(stretched, 24, c.bmp, 1, 2, 2);
    }
}

TEST_F(DibImageTest, PalettePolicyFollowsTheScreenDepth)
{
    TempFolder folder;
    const TestBmp deep = MakePattern(5, 4, 24);
    const CString deepPath = WriteBmp(folder, BmpFileBytes(deep));
    {
        SetScreenBitsPerPixelOverride(24);
        CDibImage image;
        ASSERT_TRUE(LoadDibImage(image, deepPath));
        EXPECT_EQ(0, image.GetColorCount());
        EXPECT_EQ(nullptr, image.GetPalette());
    }
    {
        // On a palette screen a picture without colour table gets the halftone
        // palette and is still drawn correctly.
        SetScreenBitsPerPixelOverride(8);
        CDibImage image;
        ASSERT_TRUE(LoadDibImage(image, deepPath));
        ASSERT_NE(nullptr, image.GetPalette());
        EXPECT_EQ(256, GetPaletteEntries(image.GetPalette(), 0, 0, nullptr));
        Surface surface(12, 12, kFill);
        BorrowedDC dc(surface.DC());
        image.Draw(&dc, 1, 1);
        ExpectDrawn(surface, 12, deep, 1, 1, 1);
    }
    // An indexed picture takes its palette from its colour table on any screen.
    const TestBmp indexed = MakePattern(4, 4, 8, 12);
    for (int nBits : { 8, 24 })
    {
        SCOPED_TRACE(nBits);
        SetScreenBitsPerPixelOverride(nBits);
        CDibImage image;
        ASSERT_TRUE(image.LoadFile(WriteBmp(folder, BmpFileBytes(indexed))));
        ASSERT_NE(nullptr, image.GetPalette());
        PALETTEENTRY entries[12] = {};
        ASSERT_EQ(12u, GetPaletteEntries(image.GetPalette(), 0, 12, entries));
        EXPECT_EQ(RGB(indexed.table[11].rgbRed, 0, indexed.table[11].rgbBlue),
                  RGB(entries[11].peRed, 0, entries[11].peBlue));
    }
}

TEST_F(DibImageTest, NothingToLoadLeavesTheImageInvalid)
{
    TempFolder folder;
    std::vector<BYTE> core = BmpFileBytes(MakePattern(8, 4, 8));
    const BITMAPCOREHEADER header = { sizeof(BITMAPCOREHEADER), 8, 4, 1, 8 };
    memcpy(core.data() + 14, &header, sizeof(header));
    std::vector<BYTE> noBm = BmpFileBytes(MakePattern(8, 4, 8));
    noBm[1] = 'X';
    const std::vector<BYTE> good = BmpFileBytes(MakePattern(8, 4, 8));
    const std::vector<BYTE> truncated(good.begin(), good.end() - 3);
    const std::vector<BYTE>* files[] = { &core, &noBm, &truncated };
    for (const std::vector<BYTE>* pBytes : files)
    {
        CDibImage image;
        EXPECT_FALSE(image.LoadFile(WriteBmp(folder, *pBytes)));
        EXPECT_FALSE(image.IsValid());
        EXPECT_EQ(nullptr, image.GetDib());
    }
    CDibImage image;
    EXPECT_FALSE(image.LoadFile(folder.File("missing.bmp")));
    Surface surface(4, 4, kFill);
    BorrowedDC dc(surface.DC());
    image.Draw(&dc, 0, 0);
    EXPECT_EQ(kFill, surface.At(0, 0));
}

TEST_F(DibImageTest, NewerHeadersReadAsTheClassicOne)
{
    TempFolder folder;
    for (const TestBmp& bmp : { MakePattern(6, 5, 8, 20), MakePattern(5, 4, 24) })
    {
        SCOPED_TRACE(bmp.nBitCount);
        const std::vector<BYTE> bytes = V5FileBytes(bmp);
        CDibImage image;
        ASSERT_TRUE(image.LoadFile(WriteBmp(folder, bytes)));
        Surface surface(8, 8, kFill);
        BorrowedDC dc(surface.DC());
        image.Draw(&dc, 1, 1);
        ExpectDrawn(surface, 8, bmp, 1, 1, 1);

        CMemFile file(bytes.data(), UINT(bytes.size()));
        HGLOBAL hDib = ReadDibFromFile(file);
        ASSERT_NE(nullptr, hDib);
        {
            DibLock dib(hDib);
            ASSERT_TRUE(dib.IsValid());
            EXPECT_EQ(40u, dib.Info()->bmiHeader.biSize);
        }
        Surface again(8, 8, kFill);
        BorrowedDC againDC(again.DC());
        ASSERT_TRUE(PaintDib(&againDC, CRect(1, 1, 1 + bmp.nWidth, 1 + bmp.nHeight), hDib,
                             CRect(0, 0, bmp.nWidth, bmp.nHeight), nullptr));
        ExpectDrawn(again, 8, bmp, 1, 1, 1);
        GlobalFree(hDib);
    }
}

TEST_F(DibImageTest, ColoursUsedIsFilledInOnRead)
{
    TempFolder folder;
    HGLOBAL hDib = ReadDibFile(WriteBmp(folder, BmpFileBytes(MakePattern(4, 2, 8))));
    ASSERT_NE(nullptr, hDib);
    {
        DibLock dib(hDib);
        ASSERT_TRUE(dib.IsValid());
        EXPECT_EQ(CSize(256, 256), CSize(dib.Info()->bmiHeader.biClrUsed, DibNumColors(dib.Info())));
        EXPECT_EQ(1024, DibPaletteSize(dib.Info()));
        EXPECT_EQ(dib.Bits(), FindDibBits(dib.Info()));
    }
    GlobalFree(hDib);

    // Above 8 bits colours-used 0 means no colour table.
    hDib = ReadDibFile(WriteBmp(folder, BmpFileBytes(MakePattern(4, 2, 32))));
    ASSERT_NE(nullptr, hDib);
    {
        DibLock dib(hDib);
        EXPECT_EQ(CSize(0, 0), CSize(dib.Info()->bmiHeader.biClrUsed, DibNumColors(dib.Info())));
        EXPECT_EQ(nullptr, CreateDibPalette(hDib));
    }
    GlobalFree(hDib);
}

TEST_F(DibImageTest, PartOfADibIsDrawnFromItsTopLeft)
{
    const TestBmp bmp = MakePattern(5, 4, 24);
    CMemFile file(BmpFileBytes(bmp).data(), UINT(BmpFileBytes(bmp).size()));
    HGLOBAL hDib = ReadDibFromFile(file);
    ASSERT_NE(nullptr, hDib);
    Surface surface(2, 2, kFill);
    BorrowedDC dc(surface.DC());
    ASSERT_TRUE(PaintDib(&dc, CRect(0, 0, 2, 2), hDib, CRect(1, 0, 3, 2), nullptr));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(bmp.ColorAt(x + 1, y), surface.At(x, y)) << x << "," << y;
    GlobalFree(hDib);

    CMemFile notBmp(reinterpret_cast<const BYTE*>("BX.............................................."), 50);
    EXPECT_EQ(nullptr, ReadDibFromFile(notBmp));
}

TEST_F(DibImageTest, ImageFromABitmapLeavesThePaletteToItsOwner)
{
    // A bitmap of the screen's format holding a pattern.
    const TestBmp bmp = MakePattern(6, 4, 24);
    HDC hScreen = GetDC(nullptr);
    CBitmap bitmap;
    bitmap.Attach(CreateCompatibleBitmap(hScreen, 6, 4));
    ReleaseDC(nullptr, hScreen);
    {
        HDC hDC = CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = SelectObject(hDC, bitmap.GetSafeHandle());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                SetPixel(hDC, x, y, bmp.ColorAt(x, y));
        SelectObject(hDC, hOld);
        DeleteDC(hDC);
    }
    CPalette palette;
    const std::vector<BYTE> indexed = PackedDibBytes(MakePattern(2, 2, 1));
    HGLOBAL hIndexed = GlobalAlloc(GMEM_MOVEABLE, indexed.size());
    memcpy(GlobalLock(hIndexed), indexed.data(), indexed.size());
    GlobalUnlock(hIndexed);
    ASSERT_TRUE(CreateDibPaletteObject(hIndexed, &palette));
    GlobalFree(hIndexed);
    {
        CDibImage image;
        ASSERT_TRUE(image.CreateFromBitmap(&bitmap, &palette));
        EXPECT_EQ(CSize(6, 4), CSize(image.GetWidth(), image.GetHeight()));
        EXPECT_EQ(palette.GetSafeHandle(), image.GetPalette());
        Surface surface(8, 8, kFill);
        BorrowedDC dc(surface.DC());
        image.Draw(&dc, 1, 2);
        ExpectDrawn(surface, 8, bmp, 1, 2, 1);
    }
    EXPECT_EQ(OBJ_PAL, GetObjectType(palette.GetSafeHandle()));

    CDibImage image;
    EXPECT_FALSE(image.CreateFromBitmap(nullptr, nullptr));
    EXPECT_FALSE(image.IsValid());
}

} // namespace
