#include "shared/support/IconFile.h"

#include "shared/support/BmpTestFiles.h"
#include "shared/support/Language.h"
#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

namespace {

using namespace bmp_test;
using testing_support::MessageBoxRecorder;
using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_values::Ints;

IconImage BlankImage(UINT nWidth, UINT nHeight, UINT nBits)
{
    IconImage image;
    image.nWidth = nWidth;
    image.nHeight = nHeight;
    image.nBitsPerPixel = nBits;
    EXPECT_TRUE(CreateBlankIconImage(image));
    return image;
}

IconImage ImageFromPattern(UINT nSize, UINT nBits, const TestBmp& bmp)
{
    IconImage image;
    image.nWidth = nSize;
    image.nHeight = nSize;
    image.nBitsPerPixel = nBits;
    EXPECT_TRUE(IconImageFromDib(image, PackedDibBytes(bmp), TRUE));
    return image;
}

template <typename T>
T ReadAt(const std::vector<unsigned char>& bytes, size_t offset)
{
    T value;
    memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

TEST(IconFileTest, BlankImageIsBlackAndOpaque)
{
    const IconImage image = BlankImage(16, 16, 4);
    // Header, 16 colours, 16 rows of 8 bytes, 16 mask rows of 4 bytes.
    ASSERT_EQ(40u + 64u + 128u + 64u, image.DataSize());
    const BITMAPINFOHEADER* pHeader = image.Header();
    EXPECT_EQ((Ints{ 40, 16, 32, 1, 4, 104, 232 }),
              (Ints{ int(pHeader->biSize), int(pHeader->biWidth), int(pHeader->biHeight), pHeader->biPlanes,
                     pHeader->biBitCount, int(image.nColorOffset), int(image.nMaskOffset) }));
    EXPECT_EQ(std::vector<BYTE>(image.DataSize() - 40, 0), std::vector<BYTE>(image.data.begin() + 40, image.data.end()));
}

TEST(IconFileTest, WrittenIconHasTheFileLayoutAndReadsBackByteForByte)
{
    IconFile icon;
    icon.images.push_back(ImageFromPattern(16, 4, MakePattern(16, 16, 4)));
    icon.images.push_back(ImageFromPattern(32, 8, MakePattern(20, 20, 24)));
    icon.images[0].Header()->biSizeImage = 1234;   // the file carries none
    TempFolder folder;
    const CString path = folder.File("two.ico");
    MessageBoxRecorder boxes;
    WriteIconFile(icon, path);
    EXPECT_EQ(0u, boxes.Count());

    const std::vector<unsigned char> bytes = ReadFileBytes(path);
    const DWORD nFirst = icon.images[0].DataSize();
    const DWORD nSecond = icon.images[1].DataSize();
    ASSERT_EQ(6u + 32u + nFirst + nSecond, bytes.size());
    EXPECT_EQ((Ints{ 0, 1, 2 }), (Ints{ ReadAt<WORD>(bytes, 0), ReadAt<WORD>(bytes, 2), ReadAt<WORD>(bytes, 4) }));
    const unsigned char firstEntry[8] = { 16, 16, 16, 0, 1, 0, 4, 0 };
    EXPECT_EQ(0, memcmp(firstEntry, bytes.data() + 6, 8));
    EXPECT_EQ(nFirst, ReadAt<DWORD>(bytes, 6 + 8));
    EXPECT_EQ(38u, ReadAt<DWORD>(bytes, 6 + 12));
    const unsigned char secondEntry[8] = { 32, 32, 0, 0, 1, 0, 8, 0 };
    EXPECT_EQ(0, memcmp(secondEntry, bytes.data() + 22, 8));
    EXPECT_EQ(nSecond, ReadAt<DWORD>(bytes, 22 + 8));
    EXPECT_EQ(38u + nFirst, ReadAt<DWORD>(bytes, 22 + 12));
    EXPECT_EQ(0u, ReadAt<DWORD>(bytes, 38 + 20));              // image size field
    EXPECT_EQ(1234u, icon.images[0].Header()->biSizeImage);    // restored in memory

    const std::unique_ptr<IconFile> read = ReadIconFile(path, TRUE);
    ASSERT_NE(nullptr, read);
    EXPECT_STREQ(path, read->szFileName);
    ASSERT_EQ(2u, read->images.size());
    for (size_t i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        const IconImage& image = read->images[i];
        const size_t nOffset = i == 0 ? 38 : 38 + nFirst;
        EXPECT_EQ(std::vector<BYTE>(bytes.begin() + nOffset, bytes.begin() + nOffset + image.DataSize()), image.data);
        const IconImage& written = icon.images[i];
        EXPECT_EQ((Ints{ int(written.nWidth), int(written.nHeight), int(written.nBitsPerPixel),
                         int(written.nColorOffset), int(written.nMaskOffset) }),
                  (Ints{ int(image.nWidth), int(image.nHeight), int(image.nBitsPerPixel), int(image.nColorOffset),
                         int(image.nMaskOffset) }));
    }

    // A read image makes an icon of its size.
    HICON hIcon = CreateIconFromImage(&read->images[1]);
    ASSERT_NE(nullptr, hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    BITMAP bm = {};
    GetObjectA(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmWidth);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(hIcon);
    EXPECT_EQ(nullptr, CreateIconFromImage(nullptr));
    IconImage empty;
    EXPECT_EQ(nullptr, CreateIconFromImage(&empty));
}

std::vector<BYTE> IconFileBytes(const IconFile& icon)
{
    TempFolder folder;
    const CString path = folder.File("x.ico");
    WriteIconFile(icon, path);
    return ReadFileBytes(path);
}

struct IconFailureCase
{
    const char* name;
    size_t offset;      // where the file is changed
    DWORD value;
    size_t size;
    const char* message;
};

TEST(IconFileTest, BadFilesAreRefusedWithTheirMessage)
{
    IconFile icon;
    icon.images.push_back(BlankImage(16, 16, 8));
    const std::vector<BYTE> good = IconFileBytes(icon);
    const DWORD nImage = icon.images[0].DataSize();
    const IconFailureCase cases[] = {
        { "cursor file", 2, 2, 2, "Error Reading File Header" },
        { "reserved value", 0, 1, 2, "Error Reading File Header" },
        { "more images than the directory holds", 4, 500, 2, "Error Reading File" },
        { "block past the end", 6 + 8, nImage + 1, 4, "Error Reading File" },
        { "offset past the end", 6 + 12, 0x10000, 4, "Error Reading File" },
        { "block of 39 bytes", 6 + 8, 39, 4, "Error Converting to Internal Format" },
        { "header size 12", 22, 12, 4, "Error Converting to Internal Format" },
        { "mask beyond the block", 6 + 8, nImage - 1, 4, "Error Converting to Internal Format" },
        { "more colours than 8 bits index", 22 + 32, 300, 4, "Error Converting to Internal Format" },
        { "height doubled to 0", 22 + 8, 1, 4, "Error Converting to Internal Format" },
        { "bit count 5", 22 + 14, 5, 2, "Error Converting to Internal Format" },
        { "compressed", 22 + 16, BI_RLE8, 4, "Error Converting to Internal Format" },
    };
    TempFolder folder;
    for (const IconFailureCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<BYTE> bytes = good;
        memcpy(bytes.data() + c.offset, &c.value, c.size);
        const CString path = folder.Write("bad.ico", bytes.data(), bytes.size());
        MessageBoxRecorder boxes;
        EXPECT_EQ(nullptr, ReadIconFile(path, TRUE));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_STREQ(c.message, boxes.Last().strText);
        EXPECT_EQ(nullptr, ReadIconFile(path, FALSE));
        EXPECT_EQ(1u, boxes.Count());
    }
    MessageBoxRecorder boxes;
    EXPECT_EQ(nullptr, ReadIconFile(folder.File("missing.ico"), TRUE));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("Error Opening File for Reading", boxes.Last().strText);
}

// An ICO file of the given image blocks, each entry saying the given size.
std::vector<BYTE> IconFileOfBlocks(const std::vector<std::vector<BYTE>>& blocks, const std::vector<BYTE>& sizes)
{
    std::vector<BYTE> bytes(6 + 16 * blocks.size());
    const WORD header[3] = { 0, 1, WORD(blocks.size()) };
    memcpy(bytes.data(), header, sizeof(header));
    for (size_t i = 0; i < blocks.size(); ++i)
    {
        BYTE* pEntry = bytes.data() + 6 + 16 * i;
        pEntry[0] = pEntry[1] = sizes[i];
        const DWORD nSize = DWORD(blocks[i].size());
        const DWORD nOffset = DWORD(bytes.size());
        memcpy(pEntry + 8, &nSize, 4);
        memcpy(pEntry + 12, &nOffset, 4);
        bytes.insert(bytes.end(), blocks[i].begin(), blocks[i].end());
    }
    return bytes;
}

TEST(IconFileTest, AnImageTheReaderCannotUseIsLeftOut)
{
    const IconImage small = ImageFromPattern(16, 4, MakePattern(16, 16, 4));
    const IconImage large = ImageFromPattern(32, 8, MakePattern(20, 20, 24));
    std::vector<BYTE> png = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    png.resize(80, 0);
    TempFolder folder;
    MessageBoxRecorder boxes;

    const std::vector<BYTE> mixed = IconFileOfBlocks({ small.data, png, large.data }, { 16, 0, 32 });
    const std::unique_ptr<IconFile> icon = ReadIconFile(folder.Write("mixed.ico", mixed.data(), mixed.size()), TRUE);
    ASSERT_NE(nullptr, icon);
    ASSERT_EQ(2u, icon->images.size());
    EXPECT_EQ(small.data, icon->images[0].data);
    EXPECT_EQ(large.data, icon->images[1].data);
    EXPECT_EQ(32u, icon->images[1].nWidth);
    EXPECT_EQ(0u, boxes.Count());
    HICON hIcon = CreateIconFromImage(&icon->images[1]);
    EXPECT_NE(nullptr, hIcon);
    DestroyIcon(hIcon);

    // Nothing usable: no icon.
    const std::vector<BYTE> pngOnly = IconFileOfBlocks({ png }, { 0 });
    EXPECT_EQ(nullptr, ReadIconFile(folder.Write("png.ico", pngOnly.data(), pngOnly.size()), TRUE));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("Error Converting to Internal Format", boxes.Last().strText);
}

TEST(IconFileTest, WriteFailureIsShown)
{
    TempFolder folder;
    MessageBoxRecorder boxes;
    WriteIconFile(IconFile(), folder.File("no\\such\\folder.ico"));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("Error Opening File for Writing", boxes.Last().strText);
}

TEST(IconFileTest, CompressedBitmapIsRefusedInTheInterfaceLanguage)
{
    std::vector<BYTE> dib = PackedDibBytes(MakePattern(4, 4, 8));
    reinterpret_cast<BITMAPINFOHEADER*>(dib.data())->biCompression = BI_RLE8;
    IconImage image = BlankImage(16, 16, 8);
    const std::vector<BYTE> before = image.data;
    MessageBoxRecorder boxes;
    SetLanguageLetter('G');
    EXPECT_FALSE(IconImageFromDib(image, dib, TRUE));
    SetLanguageLetter('E');
    EXPECT_FALSE(IconImageFromDib(image, dib, TRUE));
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_STREQ("FEHLER:\n\nDie Bitmapdatei wurde komprimiert abgespeichert !\n"
                 "Bitte speichern Sie die Datei im RGB-Format.\n",
                 boxes.Boxes()[0].strText);
    EXPECT_STREQ("ERROR:\n\nThe bitmap file is RLE kompressed !\nPlease save your bitmap in RGB-format.\n",
                 boxes.Boxes()[1].strText);
    EXPECT_EQ(before, image.data);
}

TEST(IconFileTest, BackgroundColourBecomesTransparent)
{
    // A white picture with a red square from (4, 2) to (9, 5), saved as a BMP.
    TestBmp bmp = MakePattern(16, 16, 24);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            bmp.pixels[size_t(y) * 16 + x] = (x >= 4 && x < 10 && y >= 2 && y < 6) ? 0xFF0000 : 0xFFFFFF;
    TempFolder folder;
    const CString path = folder.Write("square.bmp", BmpFileBytes(bmp).data(), BmpFileBytes(bmp).size());
    for (UINT nBits : { 1u, 4u, 8u, 24u, 32u })
    {
        SCOPED_TRACE(nBits);
        IconImage image;
        image.nWidth = image.nHeight = 16;
        image.nBitsPerPixel = nBits;
        ASSERT_TRUE(IconImageFromBmpFile(path, image, FALSE));
        ASSERT_TRUE(MakeColorTransparentAt(image, 0, 0));

        // The picture's own colours, drawn from the colour part of the image.
        BITMAPINFOHEADER* pHeader = image.Header();
        pHeader->biHeight /= 2;
        Surface surface(16, 16);
        SetDIBitsToDevice(surface.DC(), 0, 0, 16, 16, 0, 0, 0, 16, image.ColorBits(),
                          reinterpret_cast<BITMAPINFO*>(pHeader), DIB_RGB_COLORS);
        pHeader->biHeight *= 2;
        const BYTE* pMask = image.Mask();
        for (int y = 0; y < 16; ++y)
        {
            for (int x = 0; x < 16; ++x)
            {
                const bool bSquare = x >= 4 && x < 10 && y >= 2 && y < 6;
                const bool bMaskSet = (pMask[size_t(15 - y) * 4 + x / 8] & (0x80 >> (x % 8))) != 0;
                EXPECT_EQ(!bSquare, bMaskSet) << x << "," << y;
                if (!bSquare)
                {
                    EXPECT_EQ(RGB(0, 0, 0), surface.At(x, y)) << x << "," << y;
                }
                else if (nBits > 1)
                {
                    EXPECT_EQ(RGB(255, 0, 0), surface.At(x, y)) << x << "," << y;
                }
            }
        }
        // As an icon the background lets the surface through.
        HICON hIcon = CreateIconFromImage(&image);
        ASSERT_NE(nullptr, hIcon);
        Surface green(16, 16, RGB(0, 255, 0));
        DrawIconEx(green.DC(), 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
        DestroyIcon(hIcon);
        EXPECT_EQ((Ints{ int(RGB(0, 255, 0)), int(RGB(0, 255, 0)), int(surface.At(5, 3)) }),
                  (Ints{ int(green.At(0, 0)), int(green.At(15, 15)), int(green.At(5, 3)) }));

        EXPECT_FALSE(MakeColorTransparentAt(image, 16, 0));
        EXPECT_FALSE(MakeColorTransparentAt(image, 0, -1));
    }
}

} // namespace
