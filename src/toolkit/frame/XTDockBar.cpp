#include "toolkit/frame/XTDockBar.h"

#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTRowSplitter.h"

#include "framework/FrameWnd.h"

IMPLEMENT_DYNCREATE(CXTDockBar, CDockBar)

// Handler signatures: see CWnd.
BEGIN_MESSAGE_MAP(CXTDockBar, CDockBar)
END_MESSAGE_MAP()

CXTDockBar::CXTDockBar(BOOL bFloating)
    : CDockBar(bFloating), m_nHitTracker(-1), m_bTracking(FALSE), m_hWndFocus(nullptr), m_dwDockBarStyle(0)
{
}

CXTDockBar::~CXTDockBar()
{
    DeleteTrackers();
}

void CXTDockBar::DeleteTrackers()
{
    for (CXTRowSplitter* pSplitter : m_arrTrackers)
        delete pSplitter;
    m_arrTrackers.clear();
    m_nHitTracker = -1;
}

CFrameWnd* CXTDockBar::GetDockFrame() const
{
    return GetParentFrame();
}

void CXTDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar::DockControlBar(pBar, lpRect);
}

CSize CXTDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    DeleteTrackers();
    return CDockBar::CalcFixedLayout(bStretch, bHorz);
}

void CXTDockBar::DoPaint(CDC* pDC)
{
    CDockBar::DoPaint(pDC);
}

int CXTDockBar::HitTestSplitter(CPoint)
{
    return -1;
}

void CXTDockBar::ExpandBar(CXTDockWindow*)
{
}

void CXTDockBar::ContractBar(CXTDockWindow*)
{
}
