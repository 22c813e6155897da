#include "shared/menuobj/ColorButton.h"

#include "shared/menuobj/MObjButColor.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using menuobj_testing::ExpectPixels;
using menuobj_testing::PixelCase;
using testing_support::TempFolder;

namespace {

const COLORREF kColour = RGB(200, 100, 50);
const COLORREF kMark = RGB(20, 40, 60);   // the picture's pixel (1, 1)

// A 10 by 8 picture at (20, 10): the button covers (20, 10)-(30, 18).
class ColorButtonTest : public testing::Test
{
protected:
    ColorButtonTest()
    {
        bmp_test::TestBmp bmp = BandedBmp(10, { { 8, 0xC86432 } });
        bmp.pixels[11] = 0x14283C;
        m_struct.m_strBitmap = WriteBmp(m_folder, "colour.bmp", bmp);
        m_struct.m_rect = { 20, 10, 200, 100 };
    }
    ~ColorButtonTest() override { ::ReleaseCapture(); }

    void ExpectLook(int nFrameMode, ButtonState state, std::initializer_list<PixelCase> pixels)
    {
        m_struct.m_nRepeat = nFrameMode;
        CMObjButColor object;
        ASSERT_TRUE(object.Create(&m_struct, &m_page, 5006, RGB(128, 128, 128), FALSE));
        BringInto(*object.GetButtonWnd(), state);
        BitmapCanvas canvas(40, 30, kCanvas);
        object.Draw(canvas.DC());
        ::ReleaseCapture();
        ExpectPixels(canvas, (testing::Message() << "mode " << nFrameMode << " state " << state).GetString(), pixels);
    }

    TempFolder m_folder;
    CTestPage m_page;
    CRecordingProgram m_program;
    CMButCreateStruct m_struct;
};

} // namespace

TEST(ColorButtonGreyTest, TheGreyWeighsTheColoursWithIntegerDivisions)
{
    static const struct { COLORREF cr; int g; } kCases[] = {
        { RGB(0, 0, 0), 0 }, { RGB(255, 255, 255), 253 }, { RGB(100, 0, 0), 29 }, { RGB(0, 100, 0), 58 },
        { RGB(0, 0, 100), 11 }, { RGB(200, 100, 50), (179 + 175 + 16) / 3 },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << std::hex << c.cr);
        EXPECT_EQ(RGB(c.g, c.g, c.g), CColorButton::GreyOf(c.cr));
    }
}

TEST_F(ColorButtonTest, TheObjectLetsTheWindowCreateItselfFromTheStruct)
{
    CMObjButColor object;
    ASSERT_TRUE(object.Create(&m_struct, &m_page, 5006, RGB(128, 128, 128), FALSE));
    EXPECT_EQ(CSize(5006, 0x50010100), CSize(m_struct.m_nID, m_struct.m_dwStyle)) << "id, style";
    EXPECT_EQ(CRect(20, 10, 200, 100), CRect(m_struct.m_rect));   // as the page stored it
    EXPECT_EQ(CRect(20, 10, 30, 18), CRect(object.GetObjectRect()));
    EXPECT_EQ(CRect(20, 10, 30, 18), RectInParent(*object.GetButtonWnd()));
    EXPECT_EQ(5006, object.GetButtonWnd()->GetDlgCtrlID());
}

TEST_F(ColorButtonTest, IdleIsGreyAndTheMouseBringsTheColour)
{
    const COLORREF crGrey = CColorButton::GreyOf(kColour);
    ExpectLook(2, STATE_IDLE, { { 20, 10, crGrey }, { 29, 17, crGrey }, { 21, 11, CColorButton::GreyOf(kMark) },
                                { 30, 10, kCanvas } });
    ExpectLook(1, STATE_IDLE, { { 20, 12, kWhite }, { 25, 10, kWhite }, { 29, 12, kGrey }, { 25, 17, kGrey },
                                { 21, 12, crGrey } });
    ExpectLook(2, STATE_FOCUS, { { 20, 12, kBlack }, { 29, 12, kBlack }, { 21, 12, crGrey } });
    ExpectLook(2, STATE_HOVER, { { 21, 11, kMark }, { 22, 12, kColour }, { 20, 12, kWhite }, { 25, 10, kWhite },
                                 { 29, 12, kGrey }, { 25, 17, kGrey } });
    ExpectLook(2, STATE_PRESSED, { { 22, 12, kMark }, { 23, 13, kColour }, { 20, 12, kGrey }, { 25, 10, kGrey },
                                   { 29, 12, kWhite }, { 25, 17, kWhite } });
}

TEST_F(ColorButtonTest, AButtonWhosePictureDoesNotLoadIsNotCreated)
{
    testing_support::MessageBoxRecorder boxes;
    m_struct.m_strBitmap = m_folder.File("none.bmp");
    CMObjButColor object;
    EXPECT_FALSE(object.Create(&m_struct, &m_page, 5006, RGB(128, 128, 128), FALSE));
    EXPECT_EQ(nullptr, object.GetButtonWnd());
    EXPECT_EQ(0u, boxes.Count());
}
