// The arithmetic of bar layout, on rectangles and sizes only: a bar taking its
// room from a frame's layout rectangle, and buttons wrapping into rows.
#pragma once

#include "framework/Rect.h"

#include <vector>

// The rectangle a bar of this size takes on the side its alignment names
// (CBRS_ALIGN_...), cut to the layout rectangle, which shrinks by it (a bar
// asking 32767 along its side spans the side). No alignment takes nothing.
CRect AfxTakeBarRoom(CRect& rectLayout, CSize size, DWORD dwAlign);

// One button of a wrapping row layout.
struct AFX_WRAPITEM
{
    int cx;             // its extent along the row
    BOOL bSeparator;    // a separator: may end a row, never starts one
};

// Splits the items into rows no longer than nLength (an item longer than the
// row gets a row of its own); returns the index of each row's first item.
// A separator at the end of a row stays on that row and is not drawn.
std::vector<int> AfxWrapRows(const std::vector<AFX_WRAPITEM>& items, int nLength);
