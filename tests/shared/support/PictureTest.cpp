#include "shared/support/Picture.h"

#include "shared/support/IconFile.h"

#include "shared/support/BmpTestFiles.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace bmp_test;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;
using testing_support::TestDataPath;

const COLORREF kFill = RGB(1, 2, 3);

bool IsReddish(COLORREF cr)
{
    return GetRValue(cr) > 150 && GetGValue(cr) < 90 && GetBValue(cr) < 90;
}

bool IsBluish(COLORREF cr)
{
    return GetBValue(cr) > 150 && GetRValue(cr) < 90 && GetGValue(cr) < 90;
}

class PictureTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { OleInitialize(nullptr); }
    static void TearDownTestSuite() { OleUninitialize(); }
};

TEST_F(PictureTest, GifAndJpgLoadAtTheirSizeAndDrawUpright)
{
    for (const char* name : { "pictures/RedOverBlue.gif", "pictures/RedOverBlue.jpg" })
    {
        SCOPED_TRACE(name);
        MessageBoxRecorder boxes;
        CPicture picture;
        ASSERT_TRUE(picture.Load(TestDataPath(name)));
        EXPECT_TRUE(picture.IsValid());
        // At the screen's resolution (96 pixels per inch here).
        EXPECT_EQ(CSize(100, 50), CSize(picture.GetWidth(), picture.GetHeight()));

        Surface surface(100, 50, kFill);
        BorrowedDC dc(surface.DC());
        ASSERT_TRUE(picture.Draw(&dc, 0, 0));
        for (int x : { 0, 50, 99 })
        {
            EXPECT_TRUE(IsReddish(surface.At(x, 0))) << x;
            EXPECT_TRUE(IsReddish(surface.At(x, 20))) << x;
            EXPECT_TRUE(IsBluish(surface.At(x, 28))) << x;
            EXPECT_TRUE(IsBluish(surface.At(x, 49))) << x;
        }
        EXPECT_EQ(0u, boxes.Count());
    }
}

TEST_F(PictureTest, DrawFitCentresASmallPictureAtItsSize)
{
    CPicture picture;
    ASSERT_TRUE(picture.Load(TestDataPath("pictures/RedOverBlue.gif")));
    Surface surface(200, 200, kFill);
    BorrowedDC dc(surface.DC());
    ASSERT_TRUE(picture.DrawFit(&dc, CRect(0, 0, 200, 200)));
    for (CPoint outside : { CPoint(49, 100), CPoint(150, 100), CPoint(100, 74), CPoint(100, 125) })
        EXPECT_EQ(kFill, surface.At(outside.x, outside.y)) << outside.x << "," << outside.y;
    EXPECT_TRUE(IsReddish(surface.At(50, 75)));
    EXPECT_TRUE(IsBluish(surface.At(149, 124)));

    // Squeezed into a narrow rectangle it keeps its shape.
    Surface narrow(50, 50, kFill);
    BorrowedDC narrowDC(narrow.DC());
    ASSERT_TRUE(picture.DrawFit(&narrowDC, CRect(0, 0, 50, 50)));
    EXPECT_EQ(kFill, narrow.At(25, 11));
    EXPECT_TRUE(IsReddish(narrow.At(25, 13)));
    EXPECT_TRUE(IsBluish(narrow.At(25, 36)));
    EXPECT_EQ(kFill, narrow.At(25, 38));
}

struct FitCase
{
    const char* name;
    RECT rc;
    int w, h;
    RECT expected;
};

TEST(PictureFitTest, FittedRectangles)
{
    const FitCase cases[] = {
        { "small picture at natural size", { 0, 0, 200, 200 }, 100, 50, { 50, 75, 150, 125 } },
        { "wide picture bound by the width", { 0, 0, 200, 200 }, 400, 100, { 0, 75, 200, 125 } },
        { "tall picture bound by the height", { 10, 20, 210, 220 }, 100, 400, { 85, 20, 135, 220 } },
        { "square into the same square", { 0, 0, 64, 64 }, 64, 64, { 0, 0, 64, 64 } },
        { "square into a smaller square", { 0, 0, 32, 32 }, 64, 64, { 0, 0, 32, 32 } },
        { "as wide as the rectangle", { 0, 0, 100, 100 }, 100, 50, { 0, 25, 100, 75 } },
        { "no picture", { 5, 5, 100, 100 }, 0, 0, { 5, 5, 5, 5 } },
    };
    for (const FitCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CRect(c.expected), CRect(FitPictureRect(c.rc, c.w, c.h)));
    }
}

TEST_F(PictureTest, RenderedIntoABitmapOnABrush)
{
    CPicture picture;
    ASSERT_TRUE(picture.Load(TestDataPath("pictures/RedOverBlue.gif")));
    Surface screen(1, 1);
    BorrowedDC screenDC(screen.DC());
    CBitmap bitmap;
    bitmap.CreateBitmap(1, 1, 1, 1, nullptr);   // replaced by the render
    CBrush green(RGB(0, 255, 0));
    ASSERT_TRUE(picture.RenderToBitmap(&screenDC, bitmap, 100, 50, &green));
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(CSize(100, 50), CSize(bm.bmWidth, bm.bmHeight));
    HDC hDC = CreateCompatibleDC(screen.DC());
    HGDIOBJ hOld = SelectObject(hDC, bitmap.GetSafeHandle());
    EXPECT_TRUE(IsReddish(GetPixel(hDC, 10, 5)));
    EXPECT_TRUE(IsBluish(GetPixel(hDC, 10, 45)));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
}

// A 1x1 GIF: header, logical screen, the given global table, one image
// descriptor with the given packed field and local table, its data, trailer.
std::vector<BYTE> TinyGif(BYTE screenPacked, std::vector<BYTE> globalTable, BYTE imagePacked,
                          std::vector<BYTE> localTable, std::vector<BYTE> extension = {})
{
    std::vector<BYTE> gif = { 'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, screenPacked, 0, 0 };
    for (const std::vector<BYTE>* pPart : { &globalTable, &extension })
        gif.insert(gif.end(), pPart->begin(), pPart->end());
    const BYTE descriptor[] = { 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, imagePacked };
    gif.insert(gif.end(), descriptor, descriptor + sizeof(descriptor));
    gif.insert(gif.end(), localTable.begin(), localTable.end());
    const BYTE data[] = { 2, 2, 0x44, 0x01, 0, 0x3B };
    gif.insert(gif.end(), data, data + sizeof(data));
    return gif;
}

// A whole 16x16 icon file, which the platform's decoder would take.
std::vector<BYTE> IconFileBytes(TempFolder& folder)
{
    IconFile icon;
    IconImage image;
    image.nWidth = image.nHeight = 16;
    image.nBitsPerPixel = 8;
    EXPECT_TRUE(IconImageFromDib(image, PackedDibBytes(MakePattern(16, 16, 24)), TRUE));
    icon.images.push_back(image);
    WriteIconFile(icon, folder.File("seed.ico"));
    return testing_support::ReadFileBytes(folder.File("seed.ico"));
}

struct KindCase
{
    const char* name;
    const char* file;
    std::vector<BYTE> bytes;
    int nWidth;               // 0: refused
};

// Only GIF, JPEG and BMP data reach the platform's decoder, and a BMP only
// when our own reader would take it; the file's name plays no part. A GIF
// without a colour table or cut short is refused; nothing refused shows a box.
TEST_F(PictureTest, OnlyGifJpegAndSoundBmpDataReachTheDecoder)
{
    TempFolder folder;
    const std::vector<BYTE> bmp = BmpFileBytes(MakePattern(7, 5, 24));
    std::vector<BYTE> lyingBmp = bmp;
    lyingBmp[10] = 0xF0;      // pixels said to start past the end
    const std::vector<BYTE> placeableWmf = { 0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 16, 0, 16, 0, 0x60, 0 };
    const std::vector<BYTE> table = { 255, 0, 0, 0, 0, 255 };   // red, blue
    const std::vector<BYTE> comment = { 0x21, 0xFE, 3, 'a', 'b', 'c', 0 };
    const std::vector<BYTE> global = TinyGif(0x80, table, 0, {});
    const CString text = "This is not a picture at all.";
    const KindCase cases[] = {
        { "BMP", "pic.bmp", bmp, 7 },
        { "BMP named .gif", "pic.gif", bmp, 7 },
        { "BMP whose pixels lie past the end", "pic.bmp", lyingBmp, 0 },
        { "icon named .gif", "pic.gif", IconFileBytes(folder), 0 },
        { "metafile named .jpg", "pic.jpg", placeableWmf, 0 },
        { "text", "notes.jpg", std::vector<BYTE>((LPCSTR)text, (LPCSTR)text + text.GetLength()), 0 },
        { "empty", "empty.gif", {}, 0 },
        { "GIF with a global table", "tiny.gif", global, 1 },
        { "GIF with a local table only", "tiny.gif", TinyGif(0, {}, 0x80, table), 1 },
        { "GIF with a comment before the image", "tiny.gif", TinyGif(0x80, table, 0, {}, comment), 1 },
        { "GIF without colour table", "tiny.gif", TinyGif(0, {}, 0, {}), 0 },
        { "GIF's global table past the end", "tiny.gif", std::vector<BYTE>(global.begin(), global.begin() + 16), 0 },
        { "GIF's descriptor cut short", "tiny.gif", std::vector<BYTE>(global.begin(), global.begin() + 24), 0 },
        { "GIF's local table past the end", "tiny.gif", TinyGif(0, {}, 0x87, table), 0 },
        { "GIF's comment running past the end", "tiny.gif", TinyGif(0x80, table, 0, {}, { 0x21, 0xFE, 200, 'a' }), 0 },
        { "GIF's trailer before any image", "tiny.gif", { 'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B },
          0 },
    };
    for (const KindCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        MessageBoxRecorder boxes;
        CPicture picture;
        EXPECT_EQ(c.nWidth != 0, !!picture.Load(folder.Write(c.file, c.bytes.data(), c.bytes.size())));
        EXPECT_EQ(c.nWidth, picture.GetWidth());
        EXPECT_EQ(0u, boxes.Count());
        if (c.nWidth == 0)
        {
            EXPECT_FALSE(picture.IsValid());
            EXPECT_EQ(0, picture.GetHeight());
            Surface surface(4, 4, kFill);
            BorrowedDC dc(surface.DC());
            EXPECT_FALSE(picture.Draw(&dc, 0, 0));
        }
    }
}

TEST_F(PictureTest, MissingFileIsReportedInThePicturesBox)
{
    TempFolder folder;
    const CString path = folder.File("missing.gif");
    {
        MessageBoxRecorder boxes;
        CPicture picture;
        EXPECT_FALSE(picture.Load(path));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_STREQ("CPicture Error", boxes.Last().strCaption);
        EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), boxes.Last().nType);
        EXPECT_EQ(picture.m_strError, boxes.Last().strText);
        EXPECT_NE(-1, picture.m_strError.Find("missing.gif"));
    }
    {
        MessageBoxRecorder boxes;
        CPicture picture;
        picture.m_bShowErrors = FALSE;
        EXPECT_FALSE(picture.Load(path));
        EXPECT_EQ(0u, boxes.Count());
        EXPECT_FALSE(picture.m_strError.IsEmpty());
    }
}

TEST_F(PictureTest, ResourcePictureIsSizedAtNinetySixPixelsPerInch)
{
    MessageBoxRecorder boxes;
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromResource(190, "GIF"));
    EXPECT_EQ(1, picture.GetWidth());
    EXPECT_EQ(1, picture.GetHeight());
    EXPECT_FALSE(picture.IsValid());

    EXPECT_FALSE(picture.LoadFromResource(191, "GIF"));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("FindResource() Failed\t", boxes.Last().strText);
    EXPECT_STREQ("FindResource() Failed\t", picture.m_strError);
    EXPECT_EQ(0, picture.GetWidth());
}

TEST_F(PictureTest, BytesLoadAgainAfterAFailure)
{
    const std::vector<unsigned char> gif = testing_support::ReadFileBytes(TestDataPath("pictures/RedOverBlue.gif"));
    ASSERT_FALSE(gif.empty());
    CPicture picture;
    EXPECT_FALSE(picture.CreateFromBytes(reinterpret_cast<const BYTE*>("GIF89a"), 6));
    EXPECT_TRUE(picture.CreateFromBytes(gif.data(), DWORD(gif.size())));
    Surface surface(100, 50, kFill);
    BorrowedDC dc(surface.DC());
    EXPECT_TRUE(picture.Render(&dc, CRect(0, 0, 100, 50)));
    EXPECT_TRUE(IsReddish(surface.At(5, 5)));
}

} // namespace
