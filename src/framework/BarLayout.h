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

// One bar of a dock bar's rows, in horizontal terms (a vertical dock bar
// swaps x and y): its size, where the user left it along the row, and
// whether it starts a row of the dock bar.
struct AFX_DOCKITEM
{
    CSize size;
    int nPos;
    BOOL bRowStart;
};

// Where a bar goes: its rectangle, and whether it wrapped into a new row
// because it started at or past the end of its row.
struct AFX_DOCKPLACE
{
    CRect rect;
    BOOL bWrapped;
};

// Lays the rows out along nLength: a bar goes back to where the user left it,
// a bar reaching past the end is pushed back (not before the row's current
// position), a bar starting at or past the end (not the first of its row)
// wraps. Rows are as deep as their deepest bar; *pSize gets the extent.
std::vector<AFX_DOCKPLACE> AfxLayoutDockRows(const std::vector<AFX_DOCKITEM>& items, int nLength, CSize* pSize);
