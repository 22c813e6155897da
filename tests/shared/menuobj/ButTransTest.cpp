#include "shared/menuobj/ButTrans.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::PixelCase;

namespace {

const COLORREF kLightGrey = RGB(192, 192, 192);

void ExpectLook(ButtonState state, std::initializer_list<PixelCase> pixels)
{
    CMButCreateStruct crStruct;
    ExpectButtonLook<CButTrans>(crStruct, FALSE, state, kCanvas, pixels);
}

} // namespace

TEST(ButTransTest, ThePageShowsThroughTheLines)
{
    ExpectLook(STATE_IDLE, { { 50, 25, kCanvas }, { 10, 25, kWhite }, { 11, 25, kLightGrey }, { 50, 11, kLightGrey },
                             { 12, 25, kCanvas }, { 108, 25, kGrey }, { 109, 25, kBlack }, { 50, 39, kBlack } });
    ExpectLook(STATE_HOVER, { { 50, 25, kCanvas }, { 10, 25, kBlack }, { 11, 25, kWhite }, { 107, 25, kGrey } });
    ExpectLook(STATE_PRESSED, { { 50, 25, kCanvas }, { 10, 25, kBlack }, { 11, 25, kGrey }, { 12, 25, kCanvas } });
}
