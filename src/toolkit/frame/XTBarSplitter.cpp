#include "toolkit/frame/XTBarSplitter.h"

#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockBarLayout.h"
#include "toolkit/frame/XTDockWindow.h"

CXTBarSplitter::CXTBarSplitter(CXTDockBar* pDockBar, const CRect& rect, int nOrientation, int nBarIndex)
    : CXTRowSplitter(pDockBar, rect, nOrientation, nBarIndex)
{
    // Along a row the splitter follows the mouse on every side.
    m_bReversed = FALSE;
}

void CXTBarSplitter::CalcLimits()
{
    std::vector<CXTDockWindow*> windows;
    std::vector<XT_ROWWINDOW> lengths;
    int nSplit = 0;
    GetRowWindows(windows, lengths, &nSplit);
    int nBack = 0, nOn = 0;
    XTSplitterLimits(lengths, nSplit, &nBack, &nOn);
    m_nStartPos = m_nPos = m_nOrientation == orientHorz ? m_rect.top : m_rect.left;
    m_nMinPos = m_nStartPos - nBack;
    m_nMaxPos = m_nStartPos + nOn;
}

void CXTBarSplitter::ApplySize()
{
    const BOOL bHorz = m_pDockBar->IsHorzDockBar();
    std::vector<CXTDockWindow*> windows;
    std::vector<XT_ROWWINDOW> lengths;
    int nSplit = 0;
    GetRowWindows(windows, lengths, &nSplit);
    CXTDockWindow* pExpanded = m_pDockBar->GetRowExpandedWindow(m_pDockBar->GetRowStartOf(m_nBarIndex));
    std::vector<int> newLengths = XTMoveRowSplitter(lengths, nSplit, m_nPos - m_nStartPos);
    for (size_t k = 0; k < windows.size(); ++k)
    {
        if (newLengths[k] == lengths[k].nLength)
            continue;
        CXTDockWindow* pWindow = windows[k];
        if (bHorz)
            pWindow->SetBarSize(CSize(newLengths[k], pWindow->m_sizeHorzDocked.cy));
        else
            pWindow->SetBarSize(CSize(pWindow->m_sizeVertDocked.cx, newLengths[k]));
    }
    // Moving a splitter ends an expansion: every window takes its stored length.
    if (pExpanded != nullptr)
        for (CXTDockWindow* pWindow : windows)
            pWindow->RestoreSize();
}
