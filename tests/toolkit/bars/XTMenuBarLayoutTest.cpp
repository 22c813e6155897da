#include "toolkit/bars/XTMenuBarLayout.h"

#include <gtest/gtest.h>

namespace {

XT_MENUBAR_LAYOUT_ITEM Item(int cx, int nGap = 0, BOOL bCanWrap = TRUE, BOOL bRightAlign = FALSE, BOOL bHidden = FALSE)
{
    XT_MENUBAR_LAYOUT_ITEM item;
    item.size = CSize(cx, 16);
    item.nGap = nGap;
    item.bCanWrap = bCanWrap;
    item.bRightAlign = bRightAlign;
    item.bHidden = bHidden;
    return item;
}

// One edge of every item's place: &RECT::left or &RECT::top.
std::vector<int> Edges(const XT_MENUBAR_LAYOUT& items, LONG RECT::*pEdge)
{
    std::vector<int> edges;
    for (const XT_MENUBAR_LAYOUT_ITEM& item : items)
        edges.push_back(item.rect.*pEdge);
    return edges;
}

const int kRow = 20;

TEST(XTMenuBarLayout, RowsWrapAfterTheLastItemThatMayEndARow)
{
    struct Row
    {
        const char* pszWhat;
        XT_MENUBAR_LAYOUT items;
        int nLength;
        int nRows;
        std::vector<int> lefts;
        std::vector<int> tops;
        CSize extent;
    };
    const int y0 = (kRow - 16) / 2, y1 = kRow + y0;
    const Row rows[] = {
        { "all on one row", { Item(10), Item(20), Item(30) }, 60, 1, { 0, 10, 30 }, { y0, y0, y0 }, CSize(60, kRow) },
        { "the fourth starts a row", { Item(10), Item(20), Item(30), Item(40) }, 60, 2, { 0, 10, 30, 0 },
          { y0, y0, y0, y1 }, CSize(60, 2 * kRow) },
        { "gaps count, the row's last gap does not", { Item(10, 5), Item(20, 5), Item(30, 5) }, 40, 2, { 0, 15, 0 },
          { y0, y0, y1 }, CSize(35, 2 * kRow) },
        { "a hidden item takes no room", { Item(30), Item(50, 0, TRUE, FALSE, TRUE), Item(30) }, 60, 1, { 0, 0, 30 },
          { y0, 0, y0 }, CSize(60, kRow) },
        { "the break goes back to an item that may wrap", { Item(30), Item(30, 0, FALSE), Item(30) }, 70, 2,
          { 0, 0, 30 }, { y0, y1, y1 }, CSize(60, 2 * kRow) },
        { "none may wrap: the row overflows", { Item(50, 0, FALSE), Item(30) }, 70, 1, { 0, 50 }, { y0, y0 },
          CSize(80, kRow) },
        { "length 0: one item per row", { Item(10), Item(20) }, 0, 2, { 0, 0 }, { y0, y1 }, CSize(20, 2 * kRow) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        XT_MENUBAR_LAYOUT items = row.items;
        EXPECT_EQ(row.nRows, WrapMenuBarItems(items, row.nLength));
        EXPECT_EQ(row.extent, PlaceMenuBarItems(items, TRUE, kRow, 0));
        EXPECT_EQ(row.lefts, Edges(items, &RECT::left));
        EXPECT_EQ(row.tops, Edges(items, &RECT::top));
    }
}

TEST(XTMenuBarLayout, TheRightAlignedRunEndsAtTheEdgeOfItsRow)
{
    // A menu entry and the three MDI buttons (16 wide, 2 after the second).
    struct Row
    {
        const char* pszWhat;
        int nLength;
        int nEnd;
        std::vector<int> lefts;
        int nButtonRow;
    };
    const Row rows[] = {
        { "one row: the buttons end at the edge", 200, 200, { 0, 200 - 50, 200 - 34, 200 - 16 }, 0 },
        { "no room to move forward: they stay", 200, 70, { 0, 30, 46, 64 }, 0 },
        { "wrapped: the buttons' own row ends at the edge", 60, 60, { 0, 10, 26, 44 }, 1 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        XT_MENUBAR_LAYOUT items = { Item(30), Item(16, 0, FALSE, TRUE), Item(16, 2, TRUE, TRUE),
                                    Item(16, 0, FALSE, TRUE) };
        WrapMenuBarItems(items, row.nLength);
        PlaceMenuBarItems(items, TRUE, kRow, row.nEnd);
        EXPECT_EQ(row.lefts, Edges(items, &RECT::left));
        EXPECT_EQ(row.nButtonRow * kRow + 2, items[3].rect.top);
    }
}

TEST(XTMenuBarLayout, AVerticalBarTurnsItsItems)
{
    XT_MENUBAR_LAYOUT items = { Item(30, 2), Item(40) };
    WrapMenuBarItems(items, 100);
    EXPECT_EQ(CSize(72, kRow), PlaceMenuBarItems(items, FALSE, kRow, 0));
    EXPECT_EQ(CRect(2, 0, 18, 30), items[0].rect);
    EXPECT_EQ(CRect(2, 32, 18, 72), items[1].rect);
}

TEST(XTMenuBarLayout, AFloatingBarWrapsNearTheRequestedWidth)
{
    struct Row
    {
        int nRequested;
        int nRows;
    };
    const Row rows[] = { { 1000, 1 }, { 160, 1 }, { 125, 2 }, { 90, 2 }, { 79, 4 }, { 10, 4 } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nRequested);
        XT_MENUBAR_LAYOUT items = { Item(40), Item(40), Item(40), Item(40) };
        FindFloatingWrapLength(items, row.nRequested, kRow);
        CSize extent = PlaceMenuBarItems(items, TRUE, kRow, 0);
        EXPECT_EQ(row.nRows * kRow, extent.cy);
        if (row.nRequested >= 40)
        {
            EXPECT_LE(extent.cx, row.nRequested);
        }
    }
}

} // namespace
