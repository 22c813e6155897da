// Seeded mutations of valid BMP and ICO files: every reader must refuse or
// read them without reaching past its blocks, and whatever it accepts must
// draw and convert safely.
#include "shared/support/BmpFile.h"
#include "shared/support/DibFunctions.h"
#include "shared/support/DibImage.h"
#include "shared/support/IconFile.h"
#include "shared/support/ScreenDepth.h"

#include "shared/support/BmpTestFiles.h"
#include "framework/MemFile.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace bmp_test;
using testing_support::MessageBoxRecorder;
using testing_support::ReadFileBytes;
using testing_support::TempFolder;

std::vector<std::vector<BYTE>> BmpSeeds()
{
    return {
        BmpFileBytes(MakePattern(9, 5, 1)),
        BmpFileBytes(MakePattern(7, 6, 4, 5)),
        BmpFileBytes(MakePattern(6, 5, 8)),
        BmpFileBytes(MakePattern(5, 7, 24, 0, true)),
        BmpFileBytes(MakePattern(3, 3, 32)),
        V5FileBytes(MakePattern(4, 3, 8, 6)),
        BmpFileBytes(MakePattern(4, 2, 8, 4), BmpFormat{ 40, BI_RLE8 }),
    };
}

std::vector<BYTE> IcoSeed()
{
    IconFile icon;
    for (UINT nBits : { 4u, 8u, 1u })
    {
        IconImage image;
        image.nWidth = image.nHeight = nBits == 8 ? 32 : 16;
        image.nBitsPerPixel = nBits;
        EXPECT_TRUE(IconImageFromDib(image, PackedDibBytes(MakePattern(12, 12, 24)), TRUE));
        icon.images.push_back(image);
    }
    TempFolder folder;
    WriteIconFile(icon, folder.File("seed.ico"));
    return ReadFileBytes(folder.File("seed.ico"));
}

class Mutator
{
public:
    explicit Mutator(unsigned nSeed) : m_random(nSeed) {}

    std::vector<BYTE> Mutate(std::vector<BYTE> bytes, size_t nHeaderBytes)
    {
        const int nChanges = Pick(1, 4);
        for (int i = 0; i < nChanges && !bytes.empty(); ++i)
        {
            const int nKind = Pick(0, 99);
            const size_t nHeader = std::min(bytes.size(), nHeaderBytes);
            if (nKind < 40)
                bytes[Pick(0, int(nHeader) - 1)] = BYTE(Pick(0, 255));
            else if (nKind < 65)
                PutInteresting(bytes, size_t(Pick(0, int(nHeader) - 1)) & ~size_t(1));
            else if (nKind < 80)
                bytes[Pick(0, int(bytes.size()) - 1)] = BYTE(Pick(0, 255));
            else if (nKind < 90)
                bytes.resize(Pick(0, int(bytes.size()) - 1));
            else
                bytes.resize(bytes.size() + Pick(1, 64), BYTE(Pick(0, 255)));
        }
        return bytes;
    }

private:
    int Pick(int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, std::max(nLow, nHigh))(m_random); }

    void PutInteresting(std::vector<BYTE>& bytes, size_t offset)
    {
        static const DWORD values[] = { 0, 1, 2, 3, 8, 12, 16, 40, 255, 256, 257, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
                                        0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF0 };
        const DWORD value = values[Pick(0, int(sizeof(values) / sizeof(values[0])) - 1)];
        const size_t nSize = Pick(0, 1) == 0 ? 2 : 4;
        for (size_t i = 0; i < nSize && offset + i < bytes.size(); ++i)
            bytes[offset + i] = BYTE(value >> (8 * i));
    }

    std::mt19937 m_random;
};

// Reads the file in every way and draws and converts what was read; true
// when the BMP reader took it.
bool UseBmp(CDC& dc, const CString& path, const std::vector<BYTE>& bytes)
{
    const PackedDib dib = ReadBmpFile(path);
    if (!dib.empty())
    {
        ConvertDibFormat(dib, 16, 16, 8, TRUE);
        IconImage image;
        image.nWidth = image.nHeight = 16;
        image.nBitsPerPixel = 4;
        if (IconImageFromDib(image, dib, TRUE))
            MakeColorTransparentAt(image, 0, 0);
    }

    CDibImage picture;
    if (picture.LoadFile(path))
    {
        picture.Draw(&dc, 0, 0);
        picture.DrawRect(&dc, CRect(0, 0, 16, 16));
    }

    CMemFile file(bytes.data(), UINT(bytes.size()));
    if (HGLOBAL hDib = ReadDibFromFile(file))
    {
        if (HPALETTE hPalette = CreateDibPalette(hDib))
            DeleteObject(hPalette);
        PaintDib(&dc, CRect(0, 0, 16, 16), hDib, CRect(0, 0, DibWidth(GlobalLock(hDib)), 1), nullptr);
        GlobalUnlock(hDib);
        GlobalFree(hDib);
    }
    return !dib.empty();
}

void UseIco(const CString& path)
{
    const std::unique_ptr<IconFile> icon = ReadIconFile(path, FALSE);
    if (!icon)
        return;
    for (IconImage& image : icon->images)
    {
        if (HICON hIcon = CreateIconFromImage(&image))
            DestroyIcon(hIcon);
        MakeColorTransparentAt(image, 0, 0);
    }
}

TEST(PictureFilesFuzzTest, MutatedBmpFilesAreReadOrRefused)
{
    const std::vector<std::vector<BYTE>> seeds = BmpSeeds();
    Mutator mutator(20240611);
    TempFolder folder;
    MessageBoxRecorder boxes;
    Surface surface(16, 16);
    BorrowedDC dc(surface.DC());
    int nRead = 0;
    for (int i = 0; i < 1000; ++i)
    {
        const std::vector<BYTE> bytes = mutator.Mutate(seeds[size_t(i) % seeds.size()], 14 + 40 + 16);
        SetScreenBitsPerPixelOverride(i % 2 == 0 ? 24 : 8);
        nRead += UseBmp(dc, folder.Write("fuzz.bmp", bytes.data(), bytes.size()), bytes) ? 1 : 0;
    }
    SetScreenBitsPerPixelOverride(0);
    // Some mutations leave a readable picture, most are refused with a message.
    EXPECT_GT(nRead, 50);
    EXPECT_GT(boxes.Count(), 400u);
}

TEST(PictureFilesFuzzTest, MutatedIcoFilesAreReadOrRefused)
{
    const std::vector<BYTE> seed = IcoSeed();
    ASSERT_FALSE(seed.empty());
    Mutator mutator(7);
    TempFolder folder;
    for (int i = 0; i < 1000; ++i)
    {
        const std::vector<BYTE> bytes = mutator.Mutate(seed, i % 2 == 0 ? 6 + 3 * 16 : 6 + 3 * 16 + 64);
        UseIco(folder.Write("fuzz.ico", bytes.data(), bytes.size()));
    }
}

} // namespace
