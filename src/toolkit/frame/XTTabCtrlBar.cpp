#include "toolkit/frame/XTTabCtrlBar.h"

#include "framework/FrameWnd.h"
#include "framework/ImageList.h"
#include "framework/View.h"

IMPLEMENT_DYNAMIC(CXTTabCtrlBar, CXTDockWindow)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTTabCtrlBar, CXTDockWindow)
    ON_WM_CREATE()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_TAB_SELCHANGE, OnSelChangedMessage)
    ON_MESSAGE(WM_TAB_SELCHANGING, OnSelChangingMessage)
END_MESSAGE_MAP()

CXTTabCtrlBar::CXTTabCtrlBar()
{
    m_tabCtrl.SetAutoCondense(TRUE);
    m_tabCtrl.SendInitialUpdate(TRUE);
}

CXTTabCtrlBar::~CXTTabCtrlBar()
{
    if (m_tabCtrl.m_hWnd != nullptr)
        m_tabCtrl.DestroyWindow();
    m_imageListTemp.Detach();
}

CImageList* CXTTabCtrlBar::SetTabImageList(CImageList* pImageList)
{
    HIMAGELIST hOld = m_tabCtrl.SetImageList(pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr);
    // The bar does not own the previous list: the wrapper only lends it.
    m_imageListTemp.Detach();
    if (hOld == nullptr)
        return nullptr;
    m_imageListTemp.Attach(hOld);
    return &m_imageListTemp;
}

int CXTTabCtrlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CXTDockWindow::OnCreate(lpcs) == -1)
        return -1;
    if (!m_tabCtrl.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TCS_BOTTOM, CRect(0, 0, 0, 0), this,
                          XT_IDC_TABCTRLBAR))
        return -1;
    SetChild(&m_tabCtrl);
    return 0;
}

LRESULT CXTTabCtrlBar::OnTabSelChanged(WPARAM, LPARAM lParam)
{
    CWnd* pOwner = GetOwner();
    return pOwner != nullptr ? pOwner->SendMessage(WM_TAB_SELCHANGE, (WPARAM)GetDlgCtrlID(), lParam) : 0;
}

LRESULT CXTTabCtrlBar::OnTabSelChanging(WPARAM, LPARAM lParam)
{
    CWnd* pOwner = GetOwner();
    return pOwner != nullptr ? pOwner->SendMessage(WM_TAB_SELCHANGING, (WPARAM)GetDlgCtrlID(), lParam) : 0;
}

LRESULT CXTTabCtrlBar::OnSelChangedMessage(WPARAM wParam, LPARAM lParam)
{
    OnTabSelChanged(wParam, lParam);
    return 0;
}

LRESULT CXTTabCtrlBar::OnSelChangingMessage(WPARAM wParam, LPARAM lParam)
{
    OnTabSelChanging(wParam, lParam);
    return 0;
}

void CXTTabCtrlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CXTDockWindow::OnWindowPosChanging(lpwndpos);
    // Hiding and the higher flags leave the tab control's clipping alone.
    if ((lpwndpos->flags & ~0x7Fu) != 0 || m_tabCtrl.m_hWnd == nullptr)
        return;
    if (IsFloating())
        m_tabCtrl.ModifyStyle(WS_CLIPCHILDREN, 0);
    else
        m_tabCtrl.ModifyStyle(0, WS_CLIPCHILDREN);
}

void CXTTabCtrlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CXTDockWindow::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    // The frame given to Create keeps a view of this bar active only while
    // the bar is docked and its caption active.
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pParentWnd);
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    CView* pActive = pFrame->GetActiveView();
    if (pActive == nullptr || pActive->m_hWnd == nullptr || !::IsChild(m_hWnd, pActive->m_hWnd))
        return;
    if (!IsFloating() && m_bActive)
        return;
    CView* pCurrent = dynamic_cast<CView*>(m_tabCtrl.GetActiveView());
    if (pCurrent != nullptr && ::IsWindow(pCurrent->m_hWnd))
        pFrame->SetActiveView(pCurrent, TRUE);
    else
        pFrame->SetActiveView(nullptr, FALSE);
}
