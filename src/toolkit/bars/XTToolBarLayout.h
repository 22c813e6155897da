// The arithmetic of a tool bar's rows, on copies of its button entries with
// their measured sizes: which entries wrap for a width, how large the
// wrapped buttons are, and which width gives a wanted height.
#pragma once

#include "framework/Point.h"
#include "framework/Size.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

// One button entry of the control and the size of its item rectangle.
struct XT_TOOLBAR_ITEM
{
    TBBUTTON button;
    CSize size;

    BOOL IsVisible() const { return !(button.fsState & TBSTATE_HIDDEN); }
    BOOL IsSeparator() const { return (button.fsStyle & TBSTYLE_SEP) != 0; }
    BOOL IsWrapped() const { return (button.fsState & TBSTATE_WRAP) != 0; }
    // A wrapping separator lies across the bar: no width, as tall as it was wide.
    CSize GetLayoutSize() const
    {
        return IsSeparator() && IsWrapped() ? CSize(0, size.cx) : size;
    }
};

// What sizes the bar besides its entries.
struct XT_TOOLBAR_METRICS
{
    CSize sizeButton;       // an empty bar measures this, at least 22 x 22
    int nReserve = 0;       // room for the chevron along the bar (0 without one)
    BOOL bHorz = TRUE;      // the bar runs horizontally: the reserve widens it
};

typedef std::vector<XT_TOOLBAR_ITEM> XT_TOOLBAR_ITEMS;

// Marks the entries that end a row for the width; returns the number of rows.
int WrapToolBarItems(XT_TOOLBAR_ITEMS& items, int nWidth);
// The size of the wrapped visible entries with the chevron reserve.
CSize CalcToolBarItemsSize(const XT_TOOLBAR_ITEMS& items, const XT_TOOLBAR_METRICS& metrics);
// Wraps the entries for a length along the bar (a height when bHeight).
void SizeToolBarItems(XT_TOOLBAR_ITEMS& items, int nLength, BOOL bHeight, const XT_TOOLBAR_METRICS& metrics);
