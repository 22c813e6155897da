#include "toolkit/frame/XTRowSplitter.h"

#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockBarLayout.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/DragFeedback.h"
#include "framework/FrameWnd.h"

#include <algorithm>

CXTRowSplitter::CXTRowSplitter(CXTDockBar* pDockBar, const CRect& rect, int nOrientation, int nBarIndex)
    : m_rect(rect), m_rectTracker(0, 0, 0, 0), m_ptLast(0, 0), m_nStartPos(0), m_nPos(0), m_nMaxPos(0), m_nMinPos(0),
      m_nOrientation(nOrientation), m_nBarIndex(nBarIndex), m_pDockBar(pDockBar), m_ptStart(0, 0)
{
    // A row at the bottom or right grows against the mouse: upwards or leftwards.
    m_bReversed = (pDockBar->GetBarStyle() & (CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM)) != 0;
}

CXTRowSplitter::~CXTRowSplitter() = default;

void CXTRowSplitter::CalcLimits()
{
    m_nStartPos = m_nPos = m_pDockBar->GetRowDepth(m_nBarIndex);
    m_nMinPos = m_pDockBar->GetRowFixedDepth(m_nBarIndex);
    m_nMaxPos = m_nStartPos + m_pDockBar->GetFrameFreeDepth();
}

int CXTRowSplitter::DeltaOf(CPoint point) const
{
    int nDelta = m_nOrientation == orientVert ? point.x - m_ptStart.x : point.y - m_ptStart.y;
    return m_bReversed ? -nDelta : nDelta;
}

void CXTRowSplitter::MoveTo(CPoint point)
{
    m_ptLast = point;
    m_nPos = std::max(m_nMinPos, std::min(m_nMaxPos, m_nStartPos + DeltaOf(point)));
}

BOOL CXTRowSplitter::OnLButtonDown(CPoint point)
{
    CalcLimits();
    CFrameWnd* pFrame = m_pDockBar->GetDockFrame();
    if (pFrame == nullptr)
        return FALSE;
    m_rectTracker = m_rect;
    m_pDockBar->ClientToScreen(&m_rectTracker);
    pFrame->ScreenToClient(&m_rectTracker);
    m_ptStart = m_ptLast = point;
    DrawTracker();
    return TRUE;
}

void CXTRowSplitter::OnMouseMove(CPoint point)
{
    DrawTracker();
    MoveTo(point);
    DrawTracker();
}

void CXTRowSplitter::OnLButtonUp(CPoint point)
{
    MoveTo(point);
    CancelTracking();
    if (m_nPos == m_nStartPos)
        return;
    ApplySize();
    if (CFrameWnd* pFrame = m_pDockBar->GetDockFrame())
        pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
}

void CXTRowSplitter::CancelTracking()
{
    if (m_bTrackerShown)
        DrawTracker();
}

void CXTRowSplitter::ApplySize()
{
    const BOOL bHorz = m_pDockBar->IsHorzDockBar();
    std::vector<CXTDockWindow*> windows = m_pDockBar->GetRowDockWindows(m_nBarIndex);
    CXTDockWindow* pExpanded = m_pDockBar->GetRowExpandedWindow(m_nBarIndex);
    // The new depth with each window's own length (not its expanded one).
    for (CXTDockWindow* pWindow : windows)
    {
        if (bHorz)
            pWindow->SetBarSize(CSize(pWindow->m_sizeHorzDocked.cx, m_nPos));
        else
            pWindow->SetBarSize(CSize(m_nPos, pWindow->m_sizeVertDocked.cy));
    }
    if (pExpanded != nullptr)
        m_pDockBar->ApplyExpansion(m_nBarIndex, pExpanded);
}

void CXTRowSplitter::GetRowWindows(std::vector<CXTDockWindow*>& windows, std::vector<XT_ROWWINDOW>& lengths,
                                   int* pnSplit) const
{
    const BOOL bHorz = m_pDockBar->IsHorzDockBar();
    int nRowStart = m_pDockBar->GetRowStartOf(m_nBarIndex);
    windows = m_pDockBar->GetRowDockWindows(nRowStart);
    *pnSplit = 0;
    lengths.clear();
    for (CXTDockWindow* pWindow : windows)
    {
        lengths.push_back({ bHorz ? pWindow->GetCurrentWidth() : pWindow->GetCurrentHeight(),
                            pWindow->GetCaptionSize() });
        if (m_pDockBar->GetBarIndex(pWindow) < m_nBarIndex)
            ++*pnSplit;
    }
}

void CXTRowSplitter::DrawTracker()
{
    CFrameWnd* pFrame = m_pDockBar->GetDockFrame();
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    CRect rect = m_rectTracker;
    const int nOffset = (m_nPos - m_nStartPos) * (m_bReversed ? -1 : 1);
    if (m_nOrientation == orientVert)
    {
        rect.OffsetRect(nOffset, 0);
        rect.DeflateRect(1, 0);
    }
    else
    {
        rect.OffsetRect(0, nOffset);
        rect.DeflateRect(0, 1);
    }
    if (rect.IsRectEmpty())
    {
        pFrame->Invalidate();
        return;
    }
    // The frame's client coordinates in its window DC, over its children.
    CRect rectWindow, rectClient;
    pFrame->GetWindowRect(&rectWindow);
    pFrame->GetClientRect(&rectClient);
    pFrame->ClientToScreen(&rectClient);
    rect.OffsetRect(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top);
    HDC hDC = ::GetDCEx(pFrame->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        return;
    const BOOL bWhite = (m_pDockBar->m_dwDockBarStyle & XT_DOCKBAR_PLAINSPLITTERS) || xtAfxData.m_bFlatLook;
    HBRUSH hBrush = bWhite ? (HBRUSH)::GetStockObject(WHITE_BRUSH) : AfxGetHalftoneBrush();
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(pFrame->m_hWnd, hDC);
    m_bTrackerShown = !m_bTrackerShown;
}

void CXTRowSplitter::Draw(CDC* pDC) const
{
    const CRect& rect = m_rect;
    if (rect.IsRectEmpty())
        return;
    pDC->FillSolidRect(&rect, xtAfxData.m_clr3DFace);
    if ((m_pDockBar->m_dwDockBarStyle & XT_DOCKBAR_PLAINSPLITTERS) || xtAfxData.m_bFlatLook)
        return;
    const BOOL bLine = !(m_pDockBar->m_dwDockBarStyle & XT_DOCKBAR_NOSPLITTERLINE);
    // A raised edge, and a dark line along the row at its far side.
    if (m_nOrientation == orientHorz)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, xtAfxData.m_clr3DHilight);
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, xtAfxData.m_clr3DShadow);
        if (bLine)
            pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, xtAfxData.m_clrWindowFrame);
    }
    else
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), xtAfxData.m_clr3DHilight);
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), xtAfxData.m_clr3DShadow);
        if (bLine)
            pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), xtAfxData.m_clrWindowFrame);
    }
}
