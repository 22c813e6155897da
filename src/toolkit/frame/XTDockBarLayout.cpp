#include "toolkit/frame/XTDockBarLayout.h"

#include "framework/Ids.h"

#include <algorithm>

std::vector<int> XTShareRowLength(const std::vector<XT_ROWWINDOW>& windows, int nAvailable, int nSetAside)
{
    const int nCount = (int)windows.size();
    std::vector<int> lengths(windows.size());
    if (nCount == 0)
        return lengths;
    int nTotal = 0;
    for (const XT_ROWWINDOW& window : windows)
        nTotal += window.nLength;
    // The window that takes the rest: the one set aside, else the last.
    const int nRest = (nSetAside >= 0 && nSetAside < nCount) ? nSetAside : nCount - 1;
    const int nSharing = (nSetAside >= 0 && nSetAside < nCount) ? nCount - 1 : nCount;
    const int nShare = nSharing > 0 ? (nAvailable - nTotal) / nSharing : 0;
    int nCarry = 0;
    int nUsed = 0;
    for (int i = 0; i < nCount; ++i)
    {
        if (i == nRest)
            continue;
        int nLength = windows[(size_t)i].nLength + nShare + nCarry;
        nCarry = 0;
        if (nLength < windows[(size_t)i].nMinLength)
        {
            nCarry = nLength - windows[(size_t)i].nMinLength;
            nLength = windows[(size_t)i].nMinLength;
        }
        lengths[(size_t)i] = nLength;
        nUsed += nLength;
    }
    lengths[(size_t)nRest] = std::max(windows[(size_t)nRest].nMinLength, nAvailable - nUsed);
    return lengths;
}

void XTSplitterLimits(const std::vector<XT_ROWWINDOW>& windows, int nSplit, int* pnBack, int* pnOn)
{
    int nBack = 0, nOn = 0;
    for (int i = 0; i < (int)windows.size(); ++i)
    {
        int nRoom = std::max(0, windows[(size_t)i].nLength - windows[(size_t)i].nMinLength);
        (i < nSplit ? nBack : nOn) += nRoom;
    }
    *pnBack = nBack;
    *pnOn = nOn;
}

namespace {

// Adds nDelta to the windows from nFrom walking by nStep: a growing window
// takes all of it, shrinking ones go down to their minimum and pass the rest on.
void Spread(const std::vector<XT_ROWWINDOW>& windows, std::vector<int>& lengths, int nFrom, int nStep, int nDelta)
{
    for (int i = nFrom; nDelta != 0 && i >= 0 && i < (int)windows.size(); i += nStep)
    {
        if (nDelta > 0)
        {
            lengths[(size_t)i] += nDelta;
            return;
        }
        int nRoom = std::max(0, lengths[(size_t)i] - windows[(size_t)i].nMinLength);
        int nTake = std::min(nRoom, -nDelta);
        lengths[(size_t)i] -= nTake;
        nDelta += nTake;
    }
}

} // namespace

std::vector<int> XTMoveRowSplitter(const std::vector<XT_ROWWINDOW>& windows, int nSplit, int nDelta)
{
    std::vector<int> lengths;
    for (const XT_ROWWINDOW& window : windows)
        lengths.push_back(window.nLength);
    Spread(windows, lengths, nSplit - 1, -1, nDelta);
    Spread(windows, lengths, nSplit, 1, -nDelta);
    return lengths;
}

// ---------------------------------------------------------------------------
// Rows of bars

namespace {

const int kSplitterSize = 6;   // a splitter's depth; a vertical row splitter shifts its row by one more
const int kAllButtons = 0x7FFF;

CRect Turned(const CRect& rect, BOOL bHorz)
{
    return bHorz ? rect : CRect(rect.top, rect.left, rect.bottom, rect.right);
}

void AddRowSplitter(XT_DOCKROWS& rows, int nIndex)
{
    rows.splitters.push_back({ CRect(0, rows.y, rows.nAvailable, rows.y + kSplitterSize), nIndex, TRUE });
    rows.y += rows.bHorz ? kSplitterSize : kSplitterSize + 1;
}

// The last row gives up its border on a splitter's side: its dock windows
// always, other bars only as deep as the row and without plain splitters.
void TakeBorder(XT_DOCKROWS& rows, DWORD dwBorder, BOOL bOnlyDockWindows)
{
    for (size_t k = rows.nPrevFirst; k < rows.places.size(); ++k)
    {
        XT_DOCKPLACE& place = rows.places[k];
        if (!place.bDockWindow &&
            (bOnlyDockWindows || rows.bPlainSplitters || place.rect.Height() < rows.nPrevDepth))
            continue;
        place.dwBorders &= ~dwBorder;
    }
}

} // namespace

XT_DOCKROWS XTBeginDockRows(BOOL bHorz, DWORD dwStyle, BOOL bFloating, int nAvailable, BOOL bPlainSplitters)
{
    XT_DOCKROWS rows;
    rows.bHorz = bHorz;
    rows.bFloating = bFloating;
    rows.bSplitAfter = (dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) != 0;
    rows.bAlignLeft = (dwStyle & CBRS_ALIGN_LEFT) != 0;
    rows.bPlainSplitters = bPlainSplitters;
    rows.nAvailable = nAvailable;
    return rows;
}

size_t XTPlaceDockRow(XT_DOCKROWS& rows, int nRowStart, const std::vector<XT_DOCKENTRY>& entries,
                      const XT_FITBUTTONS& fit)
{
    if (entries.empty())
        return 0;
    const DWORD dwBorderNear = rows.bHorz ? CBRS_BORDER_TOP : CBRS_BORDER_LEFT;
    const DWORD dwBorderFar = rows.bHorz ? CBRS_BORDER_BOTTOM : CBRS_BORDER_RIGHT;
    const DWORD dwBorderBefore = rows.bHorz ? CBRS_BORDER_LEFT : CBRS_BORDER_TOP;
    const DWORD dwBorderAfter = rows.bHorz ? CBRS_BORDER_RIGHT : CBRS_BORDER_BOTTOM;
    const int nAvailable = rows.nAvailable;

    // The row's dock windows, those that will wrap included.
    int nDockCount = 0, nFirstDock = -1, nLastDock = -1;
    for (size_t k = 0; k < entries.size(); ++k)
        if (entries[k].bDockWindow)
        {
            ++nDockCount;
            if (nFirstDock < 0)
                nFirstDock = (int)k;
            nLastDock = (int)k;
        }

    // A row of dock windows has a splitter on its side of the frame's inside.
    const BOOL bSplitter =
        rows.bSplitAfter ? (rows.nRows > 0 && rows.nPrevDockCount > 0) : nDockCount > 0;
    if (bSplitter)
    {
        AddRowSplitter(rows, rows.bSplitAfter ? rows.nPrevStart : nRowStart);
        TakeBorder(rows, dwBorderFar, FALSE);
    }
    const int yRow = rows.y;
    const size_t nFirstPlace = rows.places.size();
    const size_t nFirstSplitter = rows.splitters.size();
    int x = rows.bWrapNext ? -entries[0].nOverlap : 0;
    int nDepth = 0;
    size_t nPlaced = 0;
    for (; nPlaced < entries.size(); ++nPlaced)
    {
        const XT_DOCKENTRY& entry = entries[nPlaced];
        XT_DOCKPLACE place = { CRect(), CBRS_BORDER_ANY, entry.bDockWindow };
        if (bSplitter)
            place.dwBorders &= ~dwBorderNear;

        // A splitter between neighbours, one a dock window, within the dock windows' stretch.
        if (nPlaced > 0 && (entry.bDockWindow || entries[nPlaced - 1].bDockWindow) && nFirstDock >= 0 &&
            (int)nPlaced - 1 >= nFirstDock && (int)nPlaced <= nLastDock)
        {
            rows.splitters.push_back({ CRect(x, yRow, x + kSplitterSize, yRow), entry.nIndex, FALSE });
            x += kSplitterSize;
            rows.places.back().dwBorders &= ~dwBorderAfter;
            place.dwBorders &= ~dwBorderBefore;
        }

        CSize size = entry.size;
        int nPos = x;
        const BOOL bWrapped = rows.bWrapNext;
        rows.bWrapNext = FALSE;
        if (!rows.bFloating && !bWrapped && nDockCount == 0 && entry.nOldPos > x)
        {
            // Back where the user left it.
            nPos = entry.nOldPos;
            place.dwBorders |= dwBorderBefore;
        }
        // Pushed back from the end, never over the bar before; one that
        // still starts at the end wraps.
        if (!rows.bFloating && nPos + size.cx > nAvailable)
            nPos = std::max<int>(x, nAvailable - size.cx + entry.nOverlap);
        if (!rows.bFloating && nPlaced > 0 && nPos >= nAvailable - entry.nOverlap)
        {
            rows.bWrapNext = TRUE;
            break;
        }

        // A tool bar at the row's end fits the room left; one before it shows all.
        if (entry.bFitButtons && fit)
        {
            const int nRoom = nPlaced + 1 < entries.size() ? kAllButtons : nAvailable - nPos;
            const int nNew = fit(entry, size.cx, nRoom);
            if (nNew > 0)
                size.cx = nNew;
        }
        place.rect = CRect(nPos, yRow, nPos + size.cx, yRow + size.cy);
        rows.places.push_back(place);
        nDepth = std::max<int>(nDepth, size.cy);
        x = nPos + size.cx - entry.nOverlap;
    }

    // The row's bar splitters span its depth.
    for (size_t k = nFirstSplitter; k < rows.splitters.size(); ++k)
        rows.splitters[k].rect.bottom = yRow + nDepth;
    rows.y = yRow + nDepth;
    rows.nRight = std::max(rows.nRight, x);
    ++rows.nRows;
    rows.nPrevFirst = nFirstPlace;
    rows.nPrevDepth = nDepth;
    rows.nPrevDockCount = nDockCount;
    rows.nPrevStart = nRowStart;
    return nPlaced;
}

CSize XTEndDockRows(XT_DOCKROWS& rows, BOOL bStretch)
{
    // After a last row of dock windows: its splitter, or its dock windows' outer border.
    int nExtent = rows.y;
    if (rows.nRows > 0 && rows.nPrevDockCount > 0 && !rows.bFloating)
    {
        const DWORD dwBorderFar = rows.bHorz ? CBRS_BORDER_BOTTOM : CBRS_BORDER_RIGHT;
        if (rows.bSplitAfter)
        {
            AddRowSplitter(rows, rows.nPrevStart);
            nExtent = rows.splitters.back().rect.top + kSplitterSize - 1;
            TakeBorder(rows, dwBorderFar, FALSE);
        }
        else
            TakeBorder(rows, dwBorderFar, TRUE);
    }
    if (rows.nRows > 0)
        nExtent += rows.bHorz ? 1 : (rows.bAlignLeft ? -1 : 0);

    // Row splitters run the whole length; the last is no deeper than the dock bar shows.
    for (XT_DOCKSPLITTER& splitter : rows.splitters)
    {
        if (splitter.bRow)
        {
            splitter.rect.left = 0;
            splitter.rect.right = rows.nAvailable;
            splitter.rect.bottom = std::min<int>(splitter.rect.bottom, std::max(nExtent, 0));
        }
        splitter.rect = Turned(splitter.rect, rows.bHorz);
    }
    for (XT_DOCKPLACE& place : rows.places)
        place.rect = Turned(place.rect, rows.bHorz);

    CSize size(rows.nRows > 0 ? std::max(rows.nRight, 0) : 0, std::max(nExtent, 0));
    if (!rows.bHorz)
        size = CSize(size.cy, size.cx);
    if (bStretch && rows.bHorz)
        size.cx = 32767;
    if (bStretch && !rows.bHorz)
        size.cy = 32767;
    if (rows.nRows == 0)
        size = rows.bHorz ? CSize(size.cx, 0) : CSize(0, size.cy);
    return size;
}
