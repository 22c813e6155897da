#include "toolkit/bars/XTShadowRamp.h"

#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

namespace {

using toolkit_test::CCanvas;

TEST(XTShadowRamp, DarkensTheStripsByDistance)
{
    // A 100 x 50 owner with its shadow: the rectangle 0,0 - 104,54.
    CCanvas white(110, 60, RGB(255, 255, 255));
    DrawShadowRamp(white.dc, 0, 0, 104, 54, 100);
    struct Row { int x, y; int nGrey; };
    const Row rows[] = {
        { 100, 20, 195 },   // next to the owner: weight 60
        { 101, 20, 210 }, { 102, 20, 225 }, { 103, 20, 240 },
        { 50, 50, 195 },  { 50, 53, 240 },
        { 103, 53, 240 },   // the outer corner
        { 100, 3, 255 },    // above the strip
        { 3, 50, 255 },     // left of the strip
        { 99, 20, 255 },    // the owner itself
        { 104, 20, 255 },   // beyond the rectangle
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(RGB(row.nGrey, row.nGrey, row.nGrey), white.At(row.x, row.y));
    }

    CCanvas black(110, 60, RGB(0, 0, 0));
    DrawShadowRamp(black.dc, 0, 0, 104, 54, 100);
    EXPECT_EQ(RGB(0, 0, 0), black.At(100, 20));
}

} // namespace
