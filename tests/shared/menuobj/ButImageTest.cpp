#include "shared/menuobj/ButImage.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::PixelCase;

namespace {

void ExpectLook(BOOL bEditMode, ButtonState state, std::initializer_list<PixelCase> pixels)
{
    CMButCreateStruct crStruct;
    ExpectButtonLook<CButImage>(crStruct, bEditMode, state, kCanvas, pixels);
}

} // namespace

TEST(ButImageTest, DesignModeShowsWhereTheButtonIs)
{
    ExpectLook(TRUE, STATE_IDLE, { { 10, 25, kBlack }, { 11, 25, kWhite }, { 12, 25, kCanvas }, { 109, 25, kBlack },
                                   { 108, 25, kWhite }, { 50, 10, kBlack }, { 50, 39, kBlack }, { 50, 25, kCanvas } });
}

TEST(ButImageTest, RunModeShowsAnEdgeOnlyUnderTheMouseAndWhilePressed)
{
    ExpectLook(FALSE, STATE_IDLE, { { 10, 25, kCanvas }, { 50, 10, kCanvas }, { 108, 25, kCanvas } });
    ExpectLook(FALSE, STATE_HOVER, { { 10, 25, kWhite }, { 50, 10, kWhite }, { 109, 25, kGrey }, { 50, 39, kGrey },
                                     { 11, 25, kCanvas }, { 50, 25, kCanvas } });
    ExpectLook(FALSE, STATE_FOCUS, { { 10, 25, kWhite }, { 109, 25, kGrey } });
    ExpectLook(FALSE, STATE_PRESSED, { { 10, 25, kGrey }, { 50, 10, kGrey }, { 109, 25, kWhite }, { 50, 39, kWhite } });
}
