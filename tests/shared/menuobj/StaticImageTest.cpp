#include "shared/menuobj/StaticImage.h"

#include "shared/menuobj/MObjStaticImage.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using menuobj_testing::ExpectPixels;
using testing_support::TempFolder;

namespace {

class StaticImageTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { ::OleInitialize(nullptr); }

    StaticImageTest()
    {
        m_bmp = BandedBmp(12, { { 4, 0xFF0000 }, { 5, 0x0000FF } });
        m_struct.m_rect = { 20, 30, 21, 31 };
    }

    BOOL CreateObject(CMObjStaticImage& object, const CString& strFile, BOOL bEditMode = FALSE)
    {
        m_struct.m_strText = strFile;
        return object.Create(&m_struct, &m_page, 5013, RGB(128, 128, 128), bEditMode);
    }

    TempFolder m_folder;
    CTestPage m_page;
    bmp_test::TestBmp m_bmp;
    CMObjCreateStruct m_struct;
};

} // namespace

TEST_F(StaticImageTest, ThePictureSizesItsDisabledWindowAndIsDrawnAtTheObjectsCorner)
{
    CMObjStaticImage object;
    ASSERT_TRUE(CreateObject(object, WriteBmp(m_folder, "picture.bmp", m_bmp)));
    EXPECT_EQ(CRect(20, 30, 32, 39), CRect(m_struct.m_rect));
    EXPECT_EQ(CRect(20, 30, 32, 39), CRect(object.GetObjectRect()));
    CWnd* pChild = m_page.GetWindow(GW_CHILD);
    ASSERT_NE(nullptr, pChild);
    EXPECT_EQ(CRect(20, 30, 32, 39), RectInParent(*pChild));
    EXPECT_FALSE(pChild->IsWindowEnabled());

    BitmapCanvas canvas(60, 60, kCanvas);
    object.Draw(canvas.DC());
    ExpectPixels(canvas, "drawn", { { 20, 30, RGB(255, 0, 0) }, { 31, 38, RGB(0, 0, 255) }, { 32, 38, kCanvas },
                                    { 31, 39, kCanvas } });

    // A file without extension goes to the picture loader.
    std::vector<BYTE> bytes = bmp_test::BmpFileBytes(m_bmp);
    CMObjStaticImage unnamed;
    m_struct.m_rect = { 20, 30, 21, 31 };
    ASSERT_TRUE(CreateObject(unnamed, m_folder.Write("picture", bytes.data(), bytes.size())));
    EXPECT_EQ(CRect(20, 30, 32, 39), CRect(m_struct.m_rect));
}

TEST_F(StaticImageTest, APictureThatDoesNotLoadGivesNoWindowAndNoMessage)
{
    testing_support::MessageBoxRecorder boxes;
    for (const CString& strFile : { m_folder.File("missing.bmp"), m_folder.File("missing.gif"), CString() })
    {
        SCOPED_TRACE((LPCSTR)strFile);
        CMObjStaticImage object;
        EXPECT_FALSE(CreateObject(object, strFile));
        EXPECT_EQ(nullptr, m_page.GetWindow(GW_CHILD));
    }
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(StaticImageTest, AProgramMayLeavePicturesOtherThanBmpToDesignMode)
{
    CRecordingProgram program(nullptr, FALSE);
    std::vector<BYTE> bytes = bmp_test::BmpFileBytes(m_bmp);
    CString strFile = m_folder.Write("picture.pic", bytes.data(), bytes.size());
    CMObjStaticImage runMode;
    EXPECT_FALSE(CreateObject(runMode, strFile, FALSE));
    CMObjStaticImage designMode;
    EXPECT_TRUE(CreateObject(designMode, strFile, TRUE));
    CMObjStaticImage bmpInRunMode;
    EXPECT_TRUE(CreateObject(bmpInRunMode, WriteBmp(m_folder, "picture.bmp", m_bmp), FALSE));
}

TEST_F(StaticImageTest, EveryPaintRetriesAFailedLoad)
{
    CString strFile = m_folder.File("later.bmp");
    CStaticImage wnd;
    wnd.SetCreateStruct(&m_struct);
    EXPECT_FALSE(wnd.CreateImage(strFile, WS_CHILD | WS_VISIBLE, CRect(20, 30, 40, 50), &m_page, 5014));
    BitmapCanvas empty(60, 60, kCanvas);
    wnd.Draw(empty.DC());
    EXPECT_EQ(kCanvas, empty.Pixel(20, 30));

    WriteBmp(m_folder, "later.bmp", m_bmp);
    BitmapCanvas canvas(60, 60, kCanvas);
    wnd.Draw(canvas.DC());
    EXPECT_TRUE(wnd.IsLoaded());
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(20, 30));
    EXPECT_EQ(CRect(20, 30, 32, 39), CRect(wnd.GetImageRect()));
}
