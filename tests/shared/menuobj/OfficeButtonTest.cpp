#include "shared/menuobj/OfficeButton.h"

#include "shared/menuobj/MObjButOffice.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using menuobj_testing::ExpectPixels;
using menuobj_testing::PixelCase;
using testing_support::TempFolder;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kHighlight = RGB(182, 189, 210);
const COLORREF kBlue = RGB(10, 36, 106);

// A white 10 by 8 picture with a red block at (3, 2)-(7, 6), at (20, 10).
void ExpectLook(ButtonState state, std::initializer_list<PixelCase> pixels)
{
    TempFolder folder;
    CTestPage page;
    CRecordingProgram program;
    bmp_test::TestBmp bmp = BandedBmp(10, { { 8, 0xFFFFFF } });
    for (int y = 2; y < 6; ++y)
        for (int x = 3; x < 7; ++x)
            bmp.pixels[size_t(y) * 10 + x] = 0xFF0000;
    CMButCreateStruct crStruct;
    crStruct.m_strBitmap = WriteBmp(folder, "office.bmp", bmp);
    crStruct.m_rect = { 20, 10, 21, 11 };
    COfficeButton* pButton;
    CMObjButOffice object;
    ASSERT_TRUE(object.Create(&crStruct, &page, 5007, RGB(128, 128, 128), FALSE));
    pButton = static_cast<COfficeButton*>(object.GetButtonWnd());
    BringInto(*pButton, state);
    BitmapCanvas canvas(40, 30, kCanvas);
    object.Draw(canvas.DC());
    ::ReleaseCapture();
    ExpectPixels(canvas, (testing::Message() << "state " << state).GetString(), pixels);
}

} // namespace

// Idle shows the picture as loaded; under the mouse the highlighted picture
// moves up left in a blue frame; pressed shows it in place (the press takes
// the focus, whose black frame lies over the blue one).
TEST(OfficeButtonTest, EachStateShowsThePictureItsWay)
{
    ExpectLook(STATE_IDLE, { { 20, 10, kWhite }, { 29, 17, kWhite }, { 23, 12, kRed }, { 30, 12, kCanvas } });
    ExpectLook(STATE_FOCUS, { { 20, 12, kBlack }, { 29, 12, kBlack }, { 21, 11, kWhite }, { 23, 12, kRed } });
    ExpectLook(STATE_HOVER, { { 20, 12, kBlue }, { 25, 10, kBlue }, { 29, 12, kBlue }, { 25, 17, kBlue },
                              { 21, 11, kHighlight }, { 22, 11, kRed }, { 25, 14, kRed }, { 26, 14, kHighlight } });
    ExpectLook(STATE_PRESSED, { { 20, 12, kBlack }, { 29, 12, kBlack }, { 21, 11, kHighlight }, { 23, 12, kRed },
                                { 26, 15, kRed }, { 27, 15, kHighlight } });
}
