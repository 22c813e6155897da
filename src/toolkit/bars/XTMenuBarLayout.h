// The menu bar's item layout as plain arithmetic on sizes: rows that wrap at
// a length, the items placed along them, and the MDI buttons moved to the
// end of their row. A vertical bar runs its rows top to bottom and turns
// each item, so that an item's width lies along the bar either way.
#pragma once

#include "framework/Rect.h"

#include <vector>

struct XT_MENUBAR_LAYOUT_ITEM
{
    // Input
    CSize size;                 // as drawn on a horizontal bar
    int nGap = 0;               // pixels left free after the item
    BOOL bCanWrap = TRUE;       // a row may break after it
    BOOL bHidden = FALSE;       // takes no room
    BOOL bRightAlign = FALSE;   // moves to the end of its row

    // Output
    BOOL bWrap = FALSE;         // a new row starts after it
    CRect rect;                 // client coordinates
};

typedef std::vector<XT_MENUBAR_LAYOUT_ITEM> XT_MENUBAR_LAYOUT;

// Breaks the items into rows no longer than nLength: an item that does not
// fit moves to a new row after the last item before it that may wrap (it
// stays and overflows when there is none). Returns the number of rows.
int WrapMenuBarItems(XT_MENUBAR_LAYOUT& items, int nLength);

// Places the rows (cyRow across each, items centred in their row) and
// returns the extent along and across the bar as cx and cy. With an end
// above 0, the right-aligned items at the end of each row move so that the
// row ends there, when that moves them forward.
CSize PlaceMenuBarItems(XT_MENUBAR_LAYOUT& items, BOOL bHorz, int cyRow, int nEnd);

// The length along the bar a floating bar wraps at, the items wrapped so:
// the narrowest and the one-row layouts first, then halving between the two
// toward the longest length whose width still fits the requested one.
int FindFloatingWrapLength(XT_MENUBAR_LAYOUT& items, int nRequested, int cyRow);
