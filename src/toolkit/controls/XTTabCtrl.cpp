#include "toolkit/controls/XTTabCtrl.h"

#include "toolkit/controls/XTButton.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/View.h"

IMPLEMENT_DYNAMIC(CXTTabCtrl, CTabCtrl)

CXTTabCtrl::CXTTabCtrl()
{
    AttachTabCtrl(this);
}

CXTTabCtrl::~CXTTabCtrl() = default;

BEGIN_MESSAGE_MAP(CXTTabCtrl, CTabCtrl)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct), void OnDestroy()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    // void OnPaint(), BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    // void OnWindowPosChanged(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGED()
    // void OnRButtonDown(UINT nFlags, CPoint point)
    ON_WM_RBUTTONDOWN()
    // void OnSettingChange(UINT uFlags, LPCSTR lpszSection), void OnSysColorChange()
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    // void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult) and the change after it
    ON_NOTIFY_REFLECT(TCN_SELCHANGING, OnSelChanging)
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam): wParam 0, lParam the awaited counter
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
    ON_MESSAGE(WM_INITIALUPDATE, OnFrameInitialUpdate)
END_MESSAGE_MAP()

void CXTTabCtrl::PostInitialUpdate()
{
    m_bInitializing = TRUE;
    PostMessage(WM_CTRL_INITIALUPDATE, 0, ++m_nInitQueue);
}

int CXTTabCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    PostInitialUpdate();
    return 0;
}

void CXTTabCtrl::PreSubclassWindow()
{
    CTabCtrl::PreSubclassWindow();
    PostInitialUpdate();
}

LRESULT CXTTabCtrl::OnInitialUpdate(WPARAM, LPARAM lParam)
{
    // Only the latest request counts.
    if (lParam != m_nInitQueue)
        return 0;
    if (m_bSendInitialUpdate)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    Initialize();
    return 0;
}

LRESULT CXTTabCtrl::OnFrameInitialUpdate(WPARAM, LPARAM)
{
    Initialize();
    return 0;
}

void CXTTabCtrl::OnSelChanging(NMHDR*, LRESULT* pResult)
{
    SetRedraw(FALSE);
    CXTTabCtrlBase::OnSelChanging();
    *pResult = 0;
}

void CXTTabCtrl::OnSelChange(NMHDR*, LRESULT* pResult)
{
    CXTTabCtrlBase::OnSelChange();
    SetRedraw(TRUE);
    Invalidate();
    UpdateWindow();
    *pResult = 0;
}

void CXTTabCtrl::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    if (lpwndpos->flags & SWP_HIDEWINDOW)
    {
        if (m_pParentFrame != nullptr)
            RestoreFrameView(m_pParentFrame->GetActiveView());
    }
    else
        ResizeAllViews();
    Default();
    if (m_bAutoCondense)
        CondenseLabels();
}

BOOL CXTTabCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && GetTabCount() > 0 &&
        ((pMsg->wParam == VK_TAB && ::GetKeyState(VK_CONTROL) < 0) || pMsg->wParam == VK_F6))
    {
        if (::GetKeyState(VK_SHIFT) < 0)
            PrevView();
        else
            NextView();
        SetFocus();
        return TRUE;
    }
    return CTabCtrl::PreTranslateMessage(pMsg);
}

BOOL CXTTabCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CWnd* pActive = GetActiveView();
    if (pActive != nullptr && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CTabCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CXTTabCtrl::OnRButtonDown(UINT, CPoint point)
{
    if (m_nMenuID == 0)
        return;
    CMenu menu;
    if (!menu.LoadMenu(m_nMenuID))
        return;
    CMenu* pPopup = menu.GetSubMenu(m_nSubMenu);
    if (pPopup == nullptr)
        return;
    // The menu opens at the click, in screen coordinates.
    ClientToScreen(&point);
    CWnd* pTarget = m_pParentFrame != nullptr ? static_cast<CWnd*>(m_pParentFrame) : GetParent();
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pTarget);
}

BOOL CXTTabCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTTabCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, xtAfxData.m_clr3DFace);
    if (m_bDefaultLook || !xtAfxData.m_bFlatLook)
        DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    else
        PaintTabs(&memDC);
}

void CXTTabCtrl::OnSettingChange(UINT, LPCSTR)
{
    Default();
    m_cxEdge = ::GetSystemMetrics(SM_CYEDGE);
}

void CXTTabCtrl::OnSysColorChange()
{
    Default();
    CreatePens();
}

void CXTTabCtrl::OnDestroy()
{
    // A window that outlives its tab is closed once the control is gone.
    for (XT_TCB_ITEM& tab : m_tabs)
        if (::IsWindow(tab.pWnd->GetSafeHwnd()))
            tab.pWnd->PostMessage(WM_CLOSE);
    m_tabs.clear();
    Default();
}
