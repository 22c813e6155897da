#include "toolkit/bars/XTMenuBarLayout.h"

#include <algorithm>

namespace {

const int kUnbounded = 32767;

// Length of one row's items from first to last, each with its gap but the last.
int RowLength(const XT_MENUBAR_LAYOUT& items, size_t nFirst, size_t nEnd)
{
    int nLength = 0;
    int nLastGap = 0;
    for (size_t i = nFirst; i < nEnd; ++i)
    {
        if (items[i].bHidden)
            continue;
        nLength += items[i].size.cx + items[i].nGap;
        nLastGap = items[i].nGap;
    }
    return nLength - nLastGap;
}

// The visible item at or before nLast (not before nFirst) that may end a row, or -1.
int LastWrappable(const XT_MENUBAR_LAYOUT& items, int nFirst, int nLast)
{
    for (int j = nLast; j >= nFirst; --j)
        if (!items[j].bHidden && items[j].bCanWrap)
            return j;
    return -1;
}

BOOL StartsNewRow(const XT_MENUBAR_LAYOUT_ITEM& item)
{
    return item.bWrap && item.bCanWrap && !item.bHidden;
}

} // namespace

int WrapMenuBarItems(XT_MENUBAR_LAYOUT& items, int nLength)
{
    for (XT_MENUBAR_LAYOUT_ITEM& item : items)
        item.bWrap = FALSE;
    int nRows = 1;
    int nRowStart = 0;
    int x = 0;
    for (int i = 0; i < (int)items.size(); ++i)
    {
        XT_MENUBAR_LAYOUT_ITEM& item = items[i];
        if (item.bHidden)
            continue;
        if (x > 0 && x + item.size.cx > nLength)
        {
            int j = LastWrappable(items, nRowStart, i - 1);
            if (j >= 0)
            {
                items[j].bWrap = TRUE;
                ++nRows;
                nRowStart = j + 1;
                // The items after the break start the new row.
                x = 0;
                i = j;
                continue;
            }
        }
        x += item.size.cx + item.nGap;
    }
    return nRows;
}

CSize PlaceMenuBarItems(XT_MENUBAR_LAYOUT& items, BOOL bHorz, int cyRow, int nEnd)
{
    int nRow = 0;
    int x = 0;
    int nLongest = 0;
    size_t nRowFirst = 0;
    auto endRow = [&](size_t nRowEnd) {
        int nRowLength = RowLength(items, nRowFirst, nRowEnd);
        nLongest = std::max(nLongest, nRowLength);
        if (nEnd <= 0)
            return;
        // The right-aligned run at the end of the row moves forward together.
        size_t nRun = nRowEnd;
        while (nRun > nRowFirst && (items[nRun - 1].bHidden || items[nRun - 1].bRightAlign))
            --nRun;
        int nShift = nEnd - nRowLength;
        if (nShift <= 0)
            return;
        for (size_t k = nRun; k < nRowEnd; ++k)
            items[k].rect.OffsetRect(bHorz ? nShift : 0, bHorz ? 0 : nShift);
    };
    for (size_t i = 0; i < items.size(); ++i)
    {
        XT_MENUBAR_LAYOUT_ITEM& item = items[i];
        if (item.bHidden)
        {
            item.rect.SetRectEmpty();
            continue;
        }
        const int nAcross = nRow * cyRow + (cyRow - item.size.cy) / 2;
        if (bHorz)
            item.rect.SetRect(x, nAcross, x + item.size.cx, nAcross + item.size.cy);
        else
            item.rect.SetRect(nAcross, x, nAcross + item.size.cy, x + item.size.cx);
        x += item.size.cx + item.nGap;
        if (StartsNewRow(item))
        {
            endRow(i + 1);
            nRowFirst = i + 1;
            ++nRow;
            x = 0;
        }
    }
    if (nRowFirst < items.size() || nRow == 0)
    {
        endRow(items.size());
        ++nRow;
    }
    return CSize(nLongest, nRow * cyRow);
}

int FindFloatingWrapLength(XT_MENUBAR_LAYOUT& items, int nRequested, int cyRow)
{
    auto widthAt = [&](int nLength) {
        WrapMenuBarItems(items, nLength);
        return PlaceMenuBarItems(items, TRUE, cyRow, 0).cx;
    };
    const int nNarrowest = widthAt(0);
    const int nOneRow = widthAt(kUnbounded);
    if (nRequested >= nOneRow)
        return kUnbounded;   // one row fits: already wrapped so
    if (nRequested <= nNarrowest)
    {
        WrapMenuBarItems(items, 0);
        return 0;
    }
    // The width grows with the length: halve between a length that fits the
    // request and one that does not until they meet.
    int nFits = nNarrowest;
    int nTooWide = nOneRow;
    while (nFits + 1 < nTooWide)
    {
        const int nLength = (nFits + nTooWide) / 2;
        if (widthAt(nLength) <= nRequested)
            nFits = nLength;
        else
            nTooWide = nLength;
    }
    WrapMenuBarItems(items, nFits);
    return nFits;
}
