// The arithmetic of a dock bar's rows, without windows: placing bars in
// rows (wrapping, splitters, border styles, the dock bar's size), sharing a
// row's length among its dock windows and moving length across a splitter
// between them.
#pragma once

#include "framework/Rect.h"

#include <functional>
#include <vector>

// One dock window of a row: its length along the row and the least it may
// have (its caption).
struct XT_ROWWINDOW
{
    int nLength;
    int nMinLength;
};

// The new lengths when the windows must fill nAvailable together. The free
// length (nAvailable less their lengths) is shared equally among the windows
// other than nSetAside (-1: none); where it is negative no window goes below
// its minimum and the shortfall passes to the next. The window set aside,
// else a lone window, else the last one, takes what is left (at least its
// minimum), so that the row is filled exactly whenever the minimums allow.
std::vector<int> XTShareRowLength(const std::vector<XT_ROWWINDOW>& windows, int nAvailable, int nSetAside);

// The new lengths when the splitter after window nSplit - 1 moves by nDelta:
// the windows before it grow (the nearest takes all) or shrink (the nearest
// first, down to its minimum, the rest passed back), and those after it the
// other way. nDelta must lie within XTSplitterLimits.
std::vector<int> XTMoveRowSplitter(const std::vector<XT_ROWWINDOW>& windows, int nSplit, int nDelta);

// How far the splitter after window nSplit - 1 may move: back by the room
// the windows before it have above their minimums, on by that of the windows
// after it.
void XTSplitterLimits(const std::vector<XT_ROWWINDOW>& windows, int nSplit, int* pnBack, int* pnOn);

// One visible bar of a row, in the row's terms: cx and positions along the
// row, cy across it.
struct XT_DOCKENTRY
{
    int nIndex;         // its entry in the dock bar's bar array
    CSize size;
    int nOverlap;       // how far the next bar may reach back over it
    int nOldPos;        // where it begins now
    BOOL bDockWindow;   // a dock window of a dock bar that does not float
    BOOL bFitButtons;   // a tool bar that hides buttons to fit its row's end
};

// Where a placed bar goes and the border styles (CBRS_BORDER_...) it keeps.
struct XT_DOCKPLACE
{
    CRect rect;
    DWORD dwBorders;
    BOOL bDockWindow;
};

// A splitter between rows (bRow), or between two bars of a row.
struct XT_DOCKSPLITTER
{
    CRect rect;
    int nIndex;   // a row's: the row's first entry; a bar's: the entry after it
    BOOL bRow;
};

// A tool bar's length when it fits nRoom (0x7FFF: it is not the last of its
// row and shows all its buttons); 0 keeps nLength.
typedef std::function<int(const XT_DOCKENTRY& entry, int nLength, int nRoom)> XT_FITBUTTONS;

// One layout of a dock bar's rows, placed one row after the other.
struct XT_DOCKROWS
{
    // The dock bar
    BOOL bHorz = TRUE;
    BOOL bFloating = FALSE;
    BOOL bSplitAfter = TRUE;     // top and left: a row splitter follows its row
    BOOL bAlignLeft = FALSE;
    BOOL bPlainSplitters = FALSE;
    int nAvailable = 0;          // the length a row may fill

    // The result, in placing order. Rectangles run along and across the
    // rows until XTEndDockRows turns them into the dock bar's x and y.
    std::vector<XT_DOCKPLACE> places;
    std::vector<XT_DOCKSPLITTER> splitters;

    // Between rows
    int y = 0;                   // where the next row begins, across
    int nRows = 0;
    int nRight = 0;              // the longest row's end
    BOOL bWrapNext = FALSE;      // the next row holds bars wrapped from the last
    size_t nPrevFirst = 0;       // the last row: its places,
    int nPrevDepth = 0;          // its depth,
    int nPrevDockCount = 0;      // its dock windows (wrapped ones too)
    int nPrevStart = -1;         // and its first entry
};

// The start of a layout: dwStyle is the dock bar's (its CBRS_ALIGN_ side).
XT_DOCKROWS XTBeginDockRows(BOOL bHorz, DWORD dwStyle, BOOL bFloating, int nAvailable, BOOL bPlainSplitters);

// Places the visible bars of the row whose first entry is nRowStart: a row
// splitter by a row of dock windows, bar splitters around them, each bar
// where the user left it (in a row without dock windows) or behind the one
// before, pushed back from the end; a tool bar fits the room left. Returns
// how many bars were placed: a bar that starts at the end wraps, and the
// caller begins a new row with it.
size_t XTPlaceDockRow(XT_DOCKROWS& rows, int nRowStart, const std::vector<XT_DOCKENTRY>& entries,
                      const XT_FITBUTTONS& fit);

// Ends the layout: a splitter after a last row of dock windows, the
// splitters' lengths, every rectangle turned into x and y. Returns the size
// the dock bar needs (stretched: the whole length).
CSize XTEndDockRows(XT_DOCKROWS& rows, BOOL bStretch);
