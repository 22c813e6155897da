#include "editor/app/ChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CXTMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CXTMDIChildWnd)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

void CChildFrame::SetTrackSize(int cx, int cy)
{
    m_trackSize.cx = cx;
    m_trackSize.cy = cy;
}

BOOL CChildFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CXTMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}

void CChildFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_trackSize.cx > 0 && m_trackSize.cy > 0)
    {
        lpMMI->ptMaxSize.x = lpMMI->ptMinTrackSize.x = lpMMI->ptMaxTrackSize.x = m_trackSize.cx;
        lpMMI->ptMaxSize.y = lpMMI->ptMinTrackSize.y = lpMMI->ptMaxTrackSize.y = m_trackSize.cy;
    }
    CXTMDIChildWnd::OnGetMinMaxInfo(lpMMI);
}
