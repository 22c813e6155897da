#include "toolkit/controls/XTHoneycombCtrl.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

const std::vector<XT_HONEYCOMB_CELL>& Cells()
{
    static const std::vector<XT_HONEYCOMB_CELL> cells = CXTHoneycombCtrl::BuildCells();
    return cells;
}

} // namespace

TEST(HoneycombLayout, CellsHaveTheirSizesAndShareNoPixel)
{
    ASSERT_EQ((size_t)CXTHoneycombCtrl::CELL_COUNT, Cells().size());
    std::set<std::pair<int, int>> seen;
    for (size_t i = 0; i < Cells().size(); ++i)
    {
        SCOPED_TRACE(i);
        const XT_HONEYCOMB_CELL& cell = Cells()[i];
        EXPECT_EQ(i >= CXTHoneycombCtrl::CELL_BIG_WHITE, (bool)cell.bBig);
        EXPECT_EQ(cell.bBig ? 691u : 168u, cell.pixels.size());
        for (const POINT& pt : cell.pixels)
            EXPECT_TRUE(seen.insert({ pt.x, pt.y }).second) << pt.x << "," << pt.y;
    }
}

TEST(HoneycombLayout, ColoursByIndex)
{
    const struct
    {
        int nIndex;
        COLORREF clr;
    } rows[] = {
        { 0, RGB(0x66, 0x33, 0x00) },   { 6, RGB(0x66, 0x00, 0x00) },   { 7, RGB(0x66, 0x66, 0x00) },
        { 63, RGB(0xFF, 0xFF, 0xFF) },  { 100, RGB(0x66, 0x00, 0xFF) }, { 126, RGB(0x21, 0x00, 0xA5) },
        { 127, RGB(0xF8, 0xF8, 0xF8) }, { 141, RGB(0x11, 0x11, 0x11) }, { 142, RGB(0xFF, 0xFF, 0xFF) },
        { 143, RGB(0, 0, 0) },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nIndex);
        EXPECT_EQ(row.clr, Cells()[row.nIndex].clr);
    }
}

TEST(HoneycombLayout, NeighboursRunThroughRowsAndTheGreyChain)
{
    const struct
    {
        int nIndex, nLeft, nUp, nRight, nDown;
    } rows[] = {
        { 0, -1, -1, 1, 8 },        { 6, 5, -1, 7, 14 },        { 7, 6, -1, 8, 16 },
        { 15, 14, 6, 16, 25 },      { 57, 56, 44, 58, 70 },     { 69, 68, 56, 70, 82 },
        { 70, 69, 57, 71, 82 },     { 111, 110, 101, 112, 120 }, { 119, 118, 110, 120, 142 },
        { 120, 119, 112, 121, 121 }, { 126, 125, 118, 142, 142 }, { 142, 126, 126, 127, 127 },
        { 127, 142, 142, 135, 135 }, { 135, 127, 127, 128, 128 }, { 134, 141, 141, 143, 143 },
        { 143, 134, 134, -1, -1 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nIndex);
        const XT_HONEYCOMB_CELL& cell = Cells()[row.nIndex];
        EXPECT_EQ(row.nLeft, cell.nLeft);
        EXPECT_EQ(row.nUp, cell.nUp);
        EXPECT_EQ(row.nRight, cell.nRight);
        EXPECT_EQ(row.nDown, cell.nDown);
    }
}

TEST(HoneycombLayout, HitTestFollowsTheHexagonEdges)
{
    const struct
    {
        int x, y, nIndex;
    } rows[] = {
        { 58, 7, 0 },    { 58, 15, 0 },  { 58, 16, 7 },  { 64, 4, 0 },    { 64, 3, -1 },  { 71, 7, 0 },
        { 72, 7, 1 },    { 57, 7, -1 },  { 0, 0, -1 },    { 16, 176, 142 }, { 30, 169, 142 }, { 30, 168, -1 },
        { 44, 192, 142 }, { 197, 192, 143 }, { 198, 192, -1 }, { 51, 176, 127 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(row.nIndex, CXTHoneycombCtrl::CellIndexAt(Cells(), row.x, row.y));
    }
}

TEST(HoneycombLayout, WhiteIsFoundByTheMarkerRow)
{
    EXPECT_EQ(CXTHoneycombCtrl::CELL_CENTRE_WHITE, CXTHoneycombCtrl::FindCell(Cells(), RGB(255, 255, 255), 175));
    EXPECT_EQ(CXTHoneycombCtrl::CELL_BIG_WHITE, CXTHoneycombCtrl::FindCell(Cells(), RGB(255, 255, 255), 176));
    EXPECT_EQ(143, CXTHoneycombCtrl::FindCell(Cells(), RGB(0, 0, 0), 0));
    EXPECT_EQ(-1, CXTHoneycombCtrl::FindCell(Cells(), RGB(1, 2, 3), 0));
}
