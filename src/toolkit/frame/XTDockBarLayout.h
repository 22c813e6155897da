// The arithmetic of a dock bar's rows of dock windows, on lengths only:
// sharing a row's length among its dock windows and moving length across a
// splitter between them.
#pragma once

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
