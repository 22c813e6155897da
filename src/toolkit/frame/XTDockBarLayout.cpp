#include "toolkit/frame/XTDockBarLayout.h"

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
