#include "toolkit/bars/XTToolBarLayout.h"

#include <algorithm>

namespace {

// Wider than any screen: one row.
const int kOneRow = 32767;

// The last separator of the row up to nFrom with a visible entry before it.
// A separator with a command holds a control: it never lies across the bar.
int FindWrappableSeparator(const XT_TOOLBAR_ITEMS& items, int nFrom)
{
    for (int j = nFrom; j >= 0 && !items[(size_t)j].IsWrapped(); --j)
    {
        const XT_TOOLBAR_ITEM& item = items[(size_t)j];
        if (!item.IsSeparator() || !item.IsVisible() || item.button.idCommand != 0)
            continue;
        for (int k = j - 1; k >= 0 && !items[(size_t)k].IsWrapped(); --k)
            if (items[(size_t)k].IsVisible())
                return j;
    }
    return -1;
}

// Else the nearest earlier visible button of the row.
int FindWrappableButton(const XT_TOOLBAR_ITEMS& items, int nFrom)
{
    for (int j = nFrom - 1; j >= 0 && !items[(size_t)j].IsWrapped(); --j)
    {
        const XT_TOOLBAR_ITEM& item = items[(size_t)j];
        if (item.IsVisible() && !item.IsSeparator())
            return j;
    }
    return -1;
}

} // namespace

int WrapToolBarItems(XT_TOOLBAR_ITEMS& items, int nWidth)
{
    for (XT_TOOLBAR_ITEM& item : items)
        item.button.fsState &= ~TBSTATE_WRAP;
    int nRows = 1;
    int x = 0;
    for (int i = 0; i < (int)items.size(); ++i)
    {
        const XT_TOOLBAR_ITEM& item = items[(size_t)i];
        if (!item.IsVisible())
            continue;
        x += item.size.cx;
        if (x <= nWidth)
            continue;
        int j = FindWrappableSeparator(items, i);
        if (j < 0)
            j = FindWrappableButton(items, i);
        if (j < 0)
            continue;
        // The row ends at the marked entry; the sum starts again after it.
        items[(size_t)j].button.fsState |= TBSTATE_WRAP;
        ++nRows;
        i = j;
        x = 0;
    }
    return nRows;
}

CSize CalcToolBarItemsSize(const XT_TOOLBAR_ITEMS& items, const XT_TOOLBAR_METRICS& metrics)
{
    CSize size(0, 0);
    if (items.empty())
    {
        size.cx = std::max<int>(metrics.sizeButton.cx, 22);
        size.cy = std::max<int>(metrics.sizeButton.cy, 22);
    }
    else
    {
        CPoint cur(0, 0);
        int cyRow = 0;
        for (const XT_TOOLBAR_ITEM& item : items)
        {
            if (!item.IsVisible())
                continue;
            CSize sizeItem = item.GetLayoutSize();
            cur.x += sizeItem.cx;
            cyRow = std::max<int>(cyRow, sizeItem.cy);
            size.cx = std::max<int>(size.cx, cur.x);
            size.cy = std::max<int>(size.cy, cur.y + sizeItem.cy);
            if (!item.IsWrapped())
                continue;
            cur.y += cyRow + (item.IsSeparator() ? item.size.cx : 0);
            cur.x = 0;
            cyRow = 0;
        }
    }
    if (metrics.bHorz)
        size.cx += metrics.nReserve;
    else
        size.cy += metrics.nReserve;
    return size;
}

namespace {

// The narrowest wrap width whose height does not pass nHeight. Heights need
// not fall steadily with the width (separators that wrap add their width to
// the height), so the search bisects the integer width with an interval that
// shrinks on every step instead of following the measured sizes.
void FitHeight(XT_TOOLBAR_ITEMS& items, int nHeight, const XT_TOOLBAR_METRICS& metrics)
{
    WrapToolBarItems(items, kOneRow);
    int nHigh = CalcToolBarItemsSize(items, metrics).cx;
    if (CalcToolBarItemsSize(items, metrics).cy > nHeight)
        return;   // not even one row fits: one row is the answer
    WrapToolBarItems(items, 0);
    if (CalcToolBarItemsSize(items, metrics).cy <= nHeight)
        return;
    int nLow = 0;   // too tall here; fits at nHigh
    while (nHigh - nLow > 1)
    {
        int nMid = nLow + (nHigh - nLow) / 2;
        WrapToolBarItems(items, nMid);
        if (CalcToolBarItemsSize(items, metrics).cy > nHeight)
            nLow = nMid;
        else
            nHigh = nMid;
    }
    WrapToolBarItems(items, nHigh);
}

// The narrowest width with as many rows as the width asked for.
void FitWidth(XT_TOOLBAR_ITEMS& items, int nWidth, const XT_TOOLBAR_METRICS& metrics)
{
    if (nWidth >= kOneRow)
    {
        WrapToolBarItems(items, kOneRow);
        return;
    }
    int nMax = nWidth;
    const int nTarget = WrapToolBarItems(items, nMax);
    int nMin = 0;
    if (WrapToolBarItems(items, nMin) != nTarget)
    {
        while (nMin < nMax)
        {
            int nMid = (nMin + nMax) / 2;
            if (WrapToolBarItems(items, nMid) == nTarget)
                nMax = nMid;
            else if (nMin == nMid)
            {
                WrapToolBarItems(items, nMax);
                break;
            }
            else
                nMin = nMid;
        }
    }
    CSize size = CalcToolBarItemsSize(items, metrics);
    WrapToolBarItems(items, size.cx);
}

} // namespace

void SizeToolBarItems(XT_TOOLBAR_ITEMS& items, int nLength, BOOL bHeight, const XT_TOOLBAR_METRICS& metrics)
{
    if (bHeight)
        FitHeight(items, nLength, metrics);
    else
        FitWidth(items, nLength, metrics);
}
