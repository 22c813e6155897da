#include "toolkit/frame/XTRowSplitter.h"

#include "toolkit/frame/XTDockBar.h"

CXTRowSplitter::CXTRowSplitter(CXTDockBar* pDockBar, const CRect& rect, int nOrientation, int nBarIndex)
    : m_rect(rect), m_rectTracker(0, 0, 0, 0), m_ptLast(0, 0), m_nStartPos(0), m_nPos(0), m_nMaxPos(0), m_nMinPos(0),
      m_nOrientation(nOrientation), m_nBarIndex(nBarIndex), m_pDockBar(pDockBar)
{
}

CXTRowSplitter::~CXTRowSplitter() = default;

BOOL CXTRowSplitter::OnLButtonDown(CPoint)
{
    return FALSE;
}

void CXTRowSplitter::OnMouseMove(CPoint)
{
}

void CXTRowSplitter::OnLButtonUp(CPoint)
{
}

void CXTRowSplitter::ApplySize()
{
}

void CXTRowSplitter::CalcLimits()
{
}
