#include "toolkit/controls/XTListCtrl.h"

#include "toolkit/controls/XTButton.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/PaintDC.h"

IMPLEMENT_DYNAMIC(CXTListCtrl, CListCtrl)

CXTListCtrl::CXTListCtrl() : m_bInitControl(TRUE)
{
    SetOwnerList(this);
}

CXTListCtrl::~CXTListCtrl() = default;

BEGIN_MESSAGE_MAP(CXTListCtrl, CListCtrl)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct), void OnDestroy()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    // void OnPaint(), BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    // void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) and the vertical one
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    // void OnSettingChange(UINT uFlags, LPCSTR lpszSection)
    ON_WM_SETTINGCHANGE()
    // void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
END_MESSAGE_MAP()

int CXTListCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    SendMessage(WM_CTRL_INITIALUPDATE);
    return 0;
}

void CXTListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    PostMessage(WM_CTRL_INITIALUPDATE);
}

LRESULT CXTListCtrl::OnInitialUpdate(WPARAM, LPARAM)
{
    if (m_bInitControl)
    {
        m_bInitControl = FALSE;
        if (m_bUseToolkitFont)
            SendMessage(WM_SETFONT, (WPARAM)xtAfxData.m_fontNormal.GetSafeHandle());
    }
    return 0;
}

BOOL CXTListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CXTListHelper::OnNotify(wParam, lParam, pResult))
        return TRUE;
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

void CXTListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pCD = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (pCD->nmcd.dwDrawStage == CDDS_PREPAINT)
        *pResult = CDRF_NOTIFYITEMDRAW;
    else if (pCD->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && IsWindowEnabled() &&
             !(GetItemState((int)pCD->nmcd.dwItemSpec, LVIS_SELECTED) & LVIS_SELECTED))
    {
        pCD->clrText = m_clrText;
        pCD->clrTextBk = m_clrBack;
    }
}

BOOL CXTListCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTListCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
    CRect rcHeader;
    if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT && hHeader != nullptr && ::IsWindowVisible(hHeader))
    {
        rcHeader = HeaderRect(hHeader);
        dc.ExcludeClipRect(&rcHeader);
    }
    {
        CXTMemDC memDC(&dc, rcClient, m_clrBack);
        DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    }
    if (hHeader == nullptr)
        return;
    // The control has its header draw itself while it paints; the copied
    // picture covers the header only where the header moved meanwhile (a
    // scroll bar came), and only then is the header drawn again.
    if (::IsWindowVisible(hHeader) && HeaderRect(hHeader) != rcHeader)
        ::InvalidateRect(hHeader, nullptr, FALSE);
    ::UpdateWindow(hHeader);
}

CRect CXTListCtrl::HeaderRect(HWND hHeader) const
{
    CRect rcHeader;
    ::GetWindowRect(hHeader, &rcHeader);
    ScreenToClient(&rcHeader);
    return rcHeader;
}

void CXTListCtrl::ScrollWithoutFlicker()
{
    SetRedraw(FALSE);
    Default();
    SetRedraw(TRUE);
    // The header moved with the columns while nothing was drawn.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    UpdateWindow();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void CXTListCtrl::OnHScroll(UINT, UINT, CScrollBar*)
{
    ScrollWithoutFlicker();
}

void CXTListCtrl::OnVScroll(UINT, UINT, CScrollBar*)
{
    ScrollWithoutFlicker();
}

void CXTListCtrl::OnSettingChange(UINT, LPCSTR)
{
    Default();
    m_nMaxColWidth = ::GetSystemMetrics(SM_CXFULLSCREEN);
}

void CXTListCtrl::OnDestroy()
{
    if (m_bAutoSave)
        SaveColumnWidths();
    Default();
}
