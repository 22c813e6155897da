// The tool bar's row arithmetic on entry lists: where rows wrap for a width,
// the size of wrapped rows with and without the chevron's reserve, and the
// width chosen for a wanted height.
#include "toolkit/bars/XTToolBarLayout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// 'B' a 23-wide button, 'W' a 40-wide one, 'S' an 8-wide separator, 'h' a
// hidden button; returns the entries in order.
XT_TOOLBAR_ITEMS Items(const char* pszLayout)
{
    XT_TOOLBAR_ITEMS items;
    for (const char* p = pszLayout; *p != '\0'; ++p)
    {
        XT_TOOLBAR_ITEM item = {};
        item.button.fsState = TBSTATE_ENABLED;
        switch (*p)
        {
        case 'S':
            item.button.fsStyle = TBSTYLE_SEP;
            item.button.iBitmap = 8;
            item.size = CSize(8, 22);
            break;
        case 'W':
            item.size = CSize(40, 22);
            break;
        case 'C':
            // A separator holding a control.
            item.button.fsStyle = TBSTYLE_SEP;
            item.button.idCommand = 500;
            item.button.iBitmap = 40;
            item.size = CSize(40, 22);
            break;
        case 'h':
            item.button.fsState |= TBSTATE_HIDDEN;
            item.size = CSize(23, 22);
            break;
        default:
            item.size = CSize(23, 22);
            break;
        }
        items.push_back(item);
    }
    return items;
}

// '|' after each entry that wraps.
std::string Wraps(const XT_TOOLBAR_ITEMS& items)
{
    std::string s;
    for (const XT_TOOLBAR_ITEM& item : items)
    {
        s += item.IsSeparator() ? (item.button.idCommand != 0 ? 'C' : 'S') : (item.IsVisible() ? 'B' : 'h');
        if (item.IsWrapped())
            s += '|';
    }
    return s;
}

TEST(XTToolBarLayout, WrapsAtTheLastSeparatorOfTheOverflowingRow)
{
    struct Case
    {
        const char* name;
        const char* layout;
        int nWidth;
        int nRows;
        const char* wraps;
    };
    const Case cases[] = {
        { "everything fits", "BBSBB", 32767, 1, "BBSBB" },
        { "exactly the width fits", "BBB", 69, 1, "BBB" },
        { "one pixel less wraps", "BBB", 68, 2, "BB|B" },
        { "the separator takes the wrap", "BBSBB", 80, 2, "BBS|BB" },
        { "no separator: the button before wraps", "BBBB", 50, 2, "BB|BB" },
        { "width 0: a row per group", "BSBSB", 0, 3, "BS|BS|B" },
        { "a leading separator never wraps alone", "SBBB", 40, 3, "SB|B|B" },
        { "hidden entries take no room", "BhhhB", 46, 1, "BhhhB" },
        { "a wide button keeps its own row", "BWB", 30, 3, "B|B|B" },
        { "a control's separator never wraps", "BSBCB", 100, 2, "BS|BCB" },
        { "nor in place of a button", "BCBB", 70, 3, "B|CB|B" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        XT_TOOLBAR_ITEMS items = Items(c.layout);
        EXPECT_EQ(c.nRows, WrapToolBarItems(items, c.nWidth));
        std::string expected = c.wraps;
        for (char& ch : expected)
            if (ch == 'W')
                ch = 'B';
        EXPECT_EQ(expected, Wraps(items));
    }
}

TEST(XTToolBarLayout, SizeAddsRowsAndTheChevronReserve)
{
    struct Case
    {
        const char* name;
        const char* layout;
        int nWrapWidth;
        int nReserve;
        BOOL bHorz;
        CSize expected;
    };
    const Case cases[] = {
        { "one row", "BBSB", 32767, 0, TRUE, CSize(77, 22) },
        { "one row with the chevron", "BBSB", 32767, 13, TRUE, CSize(90, 22) },
        { "a vertical bar grows downwards", "BBSB", 32767, 13, FALSE, CSize(77, 35) },
        // The wrapping separator lies across the bar: its width goes down.
        { "two rows split at a separator", "BBSB", 60, 0, TRUE, CSize(46, 22 + 8 + 22) },
        { "two rows split at a button", "BBB", 50, 0, TRUE, CSize(46, 44) },
        { "no buttons", "", 32767, 0, TRUE, CSize(23, 22) },
        { "no buttons with the chevron", "", 32767, 13, TRUE, CSize(36, 22) },
        { "only hidden buttons", "hh", 32767, 0, TRUE, CSize(0, 0) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        XT_TOOLBAR_ITEMS items = Items(c.layout);
        WrapToolBarItems(items, c.nWrapWidth);
        XT_TOOLBAR_METRICS metrics;
        metrics.sizeButton = CSize(23, 22);
        metrics.nReserve = c.nReserve;
        metrics.bHorz = c.bHorz;
        EXPECT_EQ(c.expected, CalcToolBarItemsSize(items, metrics));
    }
}

TEST(XTToolBarLayout, AnEmptyBarIsAtLeast22Square)
{
    XT_TOOLBAR_METRICS metrics;
    metrics.sizeButton = CSize(16, 15);
    EXPECT_EQ(CSize(22, 22), CalcToolBarItemsSize(XT_TOOLBAR_ITEMS(), metrics));
}

// Six buttons: one row is 138 wide, each further row 22 higher.
TEST(XTToolBarLayout, SizingForAHeightOrAWidthFindsTheNarrowestFittingLayout)
{
    XT_TOOLBAR_METRICS metrics;
    metrics.sizeButton = CSize(23, 22);
    struct Case
    {
        const char* name;
        int nLength;
        BOOL bVert;   // nLength is the height to fit
        CSize expected;
    };
    const Case cases[] = {
        { "room for one row", 22, TRUE, CSize(138, 22) },
        { "room for two rows", 44, TRUE, CSize(69, 44) },
        { "room for three rows", 70, TRUE, CSize(46, 66) },
        { "room for all rows", 500, TRUE, CSize(23, 132) },
        { "unlimited width", 32767, FALSE, CSize(138, 22) },
        // 100 gives two rows (4 + 2); three buttons per row are enough for two rows.
        { "two rows balanced", 100, FALSE, CSize(69, 44) },
        { "too narrow for any button", 10, FALSE, CSize(23, 132) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        XT_TOOLBAR_ITEMS items = Items("BBBBBB");
        SizeToolBarItems(items, c.nLength, c.bVert, metrics);
        EXPECT_EQ(c.expected, CalcToolBarItemsSize(items, metrics));
    }
}

// Mixed widths with adjacent separators: heights do not fall steadily with
// the width, which once kept the height search going for ever.
TEST(XTToolBarLayout, SizingForAHeightEndsForMixedWidthsAndAdjacentSeparators)
{
    XT_TOOLBAR_METRICS metrics;
    metrics.sizeButton = CSize(23, 22);
    std::mt19937 random(25);
    std::vector<std::vector<int>> layouts = { { 23, -6, 23, 23, 23, -6, -6, -6, 79 } };
    for (int n = 0; n < 200; ++n)
    {
        std::vector<int> widths(1 + random() % 12);
        for (int& w : widths)
            w = (random() % 3 == 0) ? -(int)(2 + random() % 8) : (int)(16 + random() % 70);
        layouts.push_back(widths);
    }
    for (size_t l = 0; l < layouts.size(); ++l)
    {
        XT_TOOLBAR_ITEMS base;
        for (int w : layouts[l])
        {
            XT_TOOLBAR_ITEM item = {};
            item.button.fsState = TBSTATE_ENABLED;
            item.button.fsStyle = w < 0 ? TBSTYLE_SEP : 0;
            item.size = CSize(w < 0 ? -w : w, 22);
            base.push_back(item);
        }
        XT_TOOLBAR_ITEMS oneRow = base;
        WrapToolBarItems(oneRow, 32767);
        const int cyOneRow = CalcToolBarItemsSize(oneRow, metrics).cy;
        for (int nHeight = 0; nHeight <= 260; nHeight += (l == 0 ? 1 : 13))
        {
            SCOPED_TRACE(testing::Message() << "layout " << l << " height " << nHeight);
            XT_TOOLBAR_ITEMS items = base;
            SizeToolBarItems(items, nHeight, TRUE, metrics);
            int cy = CalcToolBarItemsSize(items, metrics).cy;
            EXPECT_TRUE(cy <= nHeight || cy == cyOneRow);
        }
    }
}

} // namespace
