#include "shared/support/BmpFile.h"

#include "shared/support/BmpTestFiles.h"
#include "shared/support/Language.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace bmp_test;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

CString WriteBytes(const TempFolder& folder, LPCSTR name, const std::vector<BYTE>& bytes)
{
    return folder.Write(name, bytes.data(), bytes.size());
}

struct ReadCase
{
    const char* name;
    TestBmp bmp;
};

TEST(BmpFileTest, ReadsPicturesAsBottomUpDibs)
{
    const ReadCase cases[] = {
        { "1 bit", MakePattern(9, 3, 1) },
        { "4 bits, colours used", MakePattern(5, 4, 4, 6) },
        { "8 bits", MakePattern(7, 5, 8) },
        { "24 bits", MakePattern(5, 3, 24) },
        { "8 bits top-down", MakePattern(7, 5, 8, 0, true) },
        { "24 bits top-down", MakePattern(6, 4, 24, 0, true) },
    };
    TempFolder folder;
    MessageBoxRecorder boxes;
    for (const ReadCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CString path = WriteBytes(folder, "pic.bmp", BmpFileBytes(c.bmp));
        TestBmp bottomUp = c.bmp;
        bottomUp.bTopDown = false;
        EXPECT_EQ(PackedDibBytes(bottomUp), ReadBmpFile(path));
    }
    EXPECT_EQ(0u, boxes.Count());
}

TEST(BmpFileTest, PixelOffsetZeroMeansBehindTheColourTable)
{
    TempFolder folder;
    const std::vector<BYTE> dib = PackedDibBytes(MakePattern(4, 4, 8, 5));
    EXPECT_EQ(dib, ReadBmpFile(WriteBytes(folder, "zero.bmp", BmpFileBytes(dib, 0))));

    // Pixels placed further on are read from where the offset says.
    std::vector<BYTE> file = BmpFileBytes(dib, LONG(14 + 40 + 20 + 8));
    file.insert(file.begin() + 14 + 40 + 20, 8, BYTE(0xEE));
    EXPECT_EQ(dib, ReadBmpFile(WriteBytes(folder, "gap.bmp", file)));
}

struct FailureCase
{
    const char* name;
    std::vector<BYTE> file;
    const char* message;
};

TEST(BmpFileTest, RefusedFilesAreReportedWithThePathAsCaption)
{
    const std::vector<BYTE> good = BmpFileBytes(MakePattern(8, 4, 8));
    std::vector<BYTE> os2(good.begin(), good.end());
    const BITMAPCOREHEADER core = { sizeof(BITMAPCOREHEADER), 8, 4, 1, 8 };
    memcpy(os2.data() + 14, &core, sizeof(core));
    std::vector<BYTE> truncated(good.begin(), good.end() - 1);
    const FailureCase cases[] = {
        { "old-style header", os2, "OS/2 style BMPs Not Supported" },
        { "reserved field set", WithField(good, 6, 1, 2), "Not a recognised BMP format file" },
        { "second reserved field set", WithField(good, 8, 1, 2), "Not a recognised BMP format file" },
        { "no BM", WithField(good, 0, 0x4D41, 2), "Not a recognised BMP format file" },
        { "bit count 7", WithField(good, 14 + 14, 7, 2), "Not a recognised BMP format file" },
        { "width 0", WithField(good, 14 + 4, 0, 4), "Not a recognised BMP format file" },
        { "too many colours", WithField(good, 14 + 32, 300, 4), "Not a recognised BMP format file" },
        { "pixels cut short", truncated, "Error reading file" },
        { "height past the file", WithField(good, 14 + 8, 5000, 4), "Error reading file" },
        { "pixel offset past the end", WithField(good, 10, 0x10000, 4), "Error reading file" },
        { "pixel offset inside the header", WithField(good, 10, 20, 4), "Error reading file" },
        { "file header only", std::vector<BYTE>(good.begin(), good.begin() + 14), "Error reading file" },
        { "half a file header", std::vector<BYTE>(good.begin(), good.begin() + 9), "Error reading file" },
    };
    TempFolder folder;
    for (const FailureCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        MessageBoxRecorder boxes;
        const CString path = WriteBytes(folder, "bad.bmp", c.file);
        EXPECT_TRUE(ReadBmpFile(path).empty());
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_STREQ(c.message, boxes.Last().strText);
        EXPECT_STREQ(path, boxes.Last().strCaption);
        EXPECT_EQ(UINT(MB_OK), boxes.Last().nType);
        EXPECT_EQ(nullptr, boxes.Last().hWndOwner);
    }
    MessageBoxRecorder boxes;
    EXPECT_TRUE(ReadBmpFile(folder.File("missing.bmp")).empty());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("Error opening file", boxes.Last().strText);
}

COLORREF DibColorAt(const PackedDib& dib, int x, int y)
{
    bmp_test::Surface surface(1, 1);
    const BITMAPINFO* pInfo = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const BYTE* pBits = dib.data() + 40 + GetDibPaletteSize(&pInfo->bmiHeader);
    SetDIBitsToDevice(surface.DC(), 0, 0, 1, 1, x, pInfo->bmiHeader.biHeight - 1 - y, 0,
                      UINT(pInfo->bmiHeader.biHeight), pBits, pInfo, DIB_RGB_COLORS);
    return surface.At(0, 0);
}

TEST(BmpFileTest, ConvertKeepsOrStretchesThePicture)
{
    const TestBmp bmp = MakePattern(4, 3, 24);
    const PackedDib source = PackedDibBytes(bmp);

    const PackedDib same = ConvertDibFormat(source, 4, 3, 24, TRUE);
    EXPECT_EQ(source, same);

    const PackedDib stretched = ConvertDibFormat(source, 8, 6, 32, TRUE);
    ASSERT_FALSE(stretched.empty());
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(bmp.ColorAt(x / 2, y / 2), DibColorAt(stretched, x, y)) << x << "," << y;

    // Without stretching the top left part is copied.
    const PackedDib cut = ConvertDibFormat(source, 2, 2, 24, FALSE);
    ASSERT_FALSE(cut.empty());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(bmp.ColorAt(x, y), DibColorAt(cut, x, y)) << x << "," << y;
}

TEST(BmpFileTest, ConvertedColourTables)
{
    const PackedDib source24 = PackedDibBytes(MakePattern(4, 4, 24));
    const PackedDib mono = ConvertDibFormat(source24, 4, 4, 1, FALSE);
    ASSERT_EQ(40u + 8u + 4u * 4u, mono.size());
    const RGBQUAD* pMono = reinterpret_cast<const RGBQUAD*>(mono.data() + 40);
    EXPECT_EQ(0u, *reinterpret_cast<const DWORD*>(&pMono[0]));
    EXPECT_EQ(0x00FFFFFFu, *reinterpret_cast<const DWORD*>(&pMono[1]));

    // 8 bits from 24: the screen's halftone colours.
    const PackedDib halftone = ConvertDibFormat(source24, 4, 4, 8, FALSE);
    ASSERT_EQ(40u + 1024u + 16u, halftone.size());
    HDC hScreen = GetDC(nullptr);
    HPALETTE hHalftone = CreateHalftonePalette(hScreen);
    ReleaseDC(nullptr, hScreen);
    PALETTEENTRY entries[256] = {};
    GetPaletteEntries(hHalftone, 0, 256, entries);
    DeleteObject(hHalftone);
    const RGBQUAD* pTable = reinterpret_cast<const RGBQUAD*>(halftone.data() + 40);
    for (int i = 0; i < 256; ++i)
    {
        EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue),
                  RGB(pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue)) << i;
    }

    // 4 bits from 4 bits keeps the source's real colours and zeroes the rest.
    const TestBmp few = MakePattern(4, 4, 4, 3);
    const PackedDib kept = ConvertDibFormat(PackedDibBytes(few), 4, 4, 4, FALSE);
    ASSERT_EQ(40u + 64u + 16u, kept.size());
    EXPECT_EQ(0, memcmp(kept.data() + 40, few.table.data(), 12));
    EXPECT_EQ(std::vector<BYTE>(52, 0), std::vector<BYTE>(kept.begin() + 52, kept.begin() + 104));
}

TEST(BmpFileTest, ConvertRefusesWhatItCannotDraw)
{
    PackedDib source = PackedDibBytes(MakePattern(4, 4, 8));
    EXPECT_TRUE(ConvertDibFormat(source, 4, 4, 3, FALSE).empty());
    EXPECT_TRUE(ConvertDibFormat(source, 0, 4, 8, FALSE).empty());
    EXPECT_TRUE(ConvertDibFormat(PackedDib(source.begin(), source.end() - 1), 4, 4, 8, FALSE).empty());
    EXPECT_TRUE(ConvertDibFormat(PackedDib(), 4, 4, 8, FALSE).empty());
    reinterpret_cast<BITMAPINFOHEADER*>(source.data())->biCompression = BI_RLE8;
    reinterpret_cast<BITMAPINFOHEADER*>(source.data())->biSizeImage = 16;
    EXPECT_TRUE(ConvertDibFormat(source, 4, 4, 8, FALSE).empty());
}

TEST(BmpFileTest, MonoPixelsCountFromTheTop)
{
    std::vector<BYTE> bits(2 * 4, 0);   // 9 x 2 pixels: rows of 4 bytes
    SetMonoDibPixel(bits.data(), 9, 2, 0, 0, TRUE);
    EXPECT_EQ(0x80, bits[4]);
    SetMonoDibPixel(bits.data(), 9, 2, 8, 1, TRUE);
    EXPECT_EQ(0x80, bits[1]);
    SetMonoDibPixel(bits.data(), 9, 2, 0, 0, FALSE);
    EXPECT_EQ(0x00, bits[4]);
    SetMonoDibPixel(bits.data(), 9, 2, 9, 0, TRUE);
    SetMonoDibPixel(bits.data(), 9, 2, 0, 2, TRUE);
    SetMonoDibPixel(bits.data(), 9, 2, -1, 0, TRUE);
    EXPECT_EQ((std::vector<BYTE>{ 0, 0x80, 0, 0, 0, 0, 0, 0 }), bits);
}

TEST(BmpFileTest, FileNotFoundInTheInterfaceLanguage)
{
    MessageBoxRecorder boxes;
    SetLanguageLetter('E');
    ShowFileNotFound("C:\\x.bmp");
    SetLanguageLetter('G');
    ShowFileNotFound("C:\\x.bmp");
    SetLanguageLetter('E');
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_STREQ("Error\n\nCould not find file:\nC:\\x.bmp\n\n", boxes.Boxes()[0].strText);
    EXPECT_STREQ("Fehler:\n\nDie angegebene Datei kann nicht geöffnet werden:\nC:\\x.bmp\n\n", boxes.Boxes()[1].strText);
    EXPECT_EQ(UINT(MB_OK), boxes.Boxes()[0].nType & MB_TYPEMASK);
}

} // namespace
