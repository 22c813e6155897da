#include "shared/menuobj/EdgePainter.h"

#include "shared/support/BmpTestFiles.h"

#include <gtest/gtest.h>

namespace {

using bmp_test::BorrowedDC;
using bmp_test::Surface;

const COLORREF kFill = RGB(1, 2, 3);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);

struct EdgePoint
{
    int x, y;
    bool bTopLeft;   // on the left or top edge, else on the right or bottom edge
};

// Edges of (1, 1, 8, 8): the left edge from the bottom up, the top edge, the
// right edge down to the bottom corner and the bottom edge back to x = 2.
const EdgePoint kEdge[] = {
    { 1, 7, true }, { 1, 4, true }, { 1, 1, true }, { 4, 1, true }, { 7, 1, true },
    { 8, 1, false }, { 8, 5, false }, { 8, 8, false }, { 4, 8, false }, { 2, 8, false },
};

// Raised is light on the top left, sunken dark.
TEST(EdgePainterTest, RaisedAndSunkenEdges)
{
    for (bool bRaised : { true, false })
    {
        SCOPED_TRACE(bRaised ? "raised" : "sunken");
        Surface surface(10, 10, kFill);
        BorrowedDC dc(surface.DC());
        CPen red(PS_SOLID, 1, RGB(255, 0, 0));
        dc.SelectObject(&red);
        CEdgePainter painter;
        painter.SetRect(CRect(1, 1, 8, 8));
        if (bRaised)
            painter.DrawRaised(&dc);
        else
            painter.DrawSunken(&dc);
        for (const EdgePoint& p : kEdge)
        {
            const COLORREF expected = (p.bTopLeft == bRaised) ? kWhite : kGrey;
            EXPECT_EQ(expected, surface.At(p.x, p.y)) << p.x << "," << p.y;
        }
        EXPECT_EQ(kFill, surface.At(1, 8));
        EXPECT_EQ(kFill, surface.At(4, 4));
        EXPECT_EQ(red.GetSafeHandle(), GetCurrentObject(dc.GetSafeHdc(), OBJ_PEN));
        dc.SelectStockObject(BLACK_PEN);
    }
}

} // namespace
