#include "framework/MiniDockFrameWnd.h"

#include "framework/DockContext.h"

#include <vector>

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

// LRESULT OnFloatFrameCheck(WPARAM, LPARAM)
BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
    ON_MESSAGE(WM_FLOATFRAMECHECK, OnFloatFrameCheck)
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME;
    if (!CMiniFrameWnd::CreateEx(0, nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent, 0))
        return FALSE;
    // The floating dock bar belongs to the frame the bars dock in.
    m_wndDockBar.m_pDockSite = dynamic_cast<CFrameWnd*>(pParent);
    if (m_wndDockBar.m_pDockSite == nullptr && pParent != nullptr)
        m_wndDockBar.m_pDockSite = pParent->GetParentFrame();
    if (!m_wndDockBar.Create(this, dwBarStyle & (CBRS_ALIGN_ANY | CBRS_SIZE_DYNAMIC | CBRS_FLOAT_MULTI),
                             AFX_IDW_DOCKBAR_FLOAT))
    {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = CDockBar::BarAt(m_wndDockBar.m_arrBars[i]))
            return pBar;
    return nullptr;
}

BOOL CMiniDockFrameWnd::HasDynamicBar() const
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = CDockBar::BarAt(m_wndDockBar.m_arrBars[i]))
            if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC)
                return TRUE;
    return FALSE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (m_wndDockBar.m_hWnd != nullptr)
    {
        // The frame is as large as its bars, its top-left corner stays.
        BOOL bHorz = (m_wndDockBar.GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
        CSize size = m_wndDockBar.CalcFixedLayout(FALSE, bHorz);
        CRect rect(0, 0, size.cx, size.cy);
        CalcWindowRect(&rect);
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    // The bars go out of sight; the frame follows them at idle time.
    std::vector<CControlBar*> bars;
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = CDockBar::BarAt(m_wndDockBar.m_arrBars[i]))
            bars.push_back(pBar);
    for (CControlBar* pBar : bars)
    {
        CFrameWnd* pSite = pBar->m_pDockSite;
        if (pSite != nullptr && pSite->m_hWnd != nullptr)
            pSite->ShowControlBar(pBar, FALSE, FALSE);
        else
            pBar->ShowWindow(SW_HIDE);
    }
    if (m_wndDockBar.GetDockedVisibleCount() == 0)
        ShowWindow(SW_HIDE);
}

LRESULT CMiniDockFrameWnd::OnNcHitTest(CPoint)
{
    LRESULT nHit = Default();
    if (nHit >= HTSIZEFIRST && nHit <= HTSIZELAST)
    {
        // Only a bar that sizes itself is resized; otherwise the borders move the frame.
        if (!HasDynamicBar() || (GetStyle() & MFS_MOVEFRAME))
            return HTCAPTION;
    }
    return nHit;
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    BOOL bMulti = (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
    CControlBar* pBar = GetFirstBar();
    if (pBar != nullptr && pBar->m_pDockContext != nullptr && !bMulti)
    {
        if (nHitTest == HTCAPTION)
        {
            // The owner stays the active window; the bar moves through its dock context.
            if (CWnd* pTop = GetTopLevelParent())
                pTop->SetActiveWindow();
            pBar->m_pDockContext->StartDrag(point);
            return;
        }
        if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST && (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC))
        {
            pBar->m_pDockContext->StartResize((int)nHitTest, point);
            return;
        }
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    BOOL bMulti = (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr && !bMulti)
    {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

LRESULT CMiniDockFrameWnd::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM)
{
    // The bars first: they apply their delayed showing and update their items.
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE);
    if (m_wndDockBar.m_hWnd == nullptr)
        return 0;
    BOOL bShow = m_wndDockBar.GetDockedVisibleCount() != 0;
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
    {
        RecalcLayout();
        ShowWindow(SW_SHOWNOACTIVATE);
    }
    else if (!bShow && bVisible)
        ShowWindow(SW_HIDE);
    if (m_nIdleFlags & idleLayout)
        RecalcLayout();
    return 0;
}

LRESULT CMiniDockFrameWnd::OnFloatFrameCheck(WPARAM, LPARAM)
{
    if (m_wndDockBar.m_hWnd != nullptr && m_wndDockBar.GetDockedCount() == 0)
        DestroyWindow();
    return 0;
}
