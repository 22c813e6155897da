#include "toolkit/controls/XTTabCtrlBase.h"

#include "toolkit/controls/XTTabLayout.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/ClientDC.h"
#include "framework/CreateContext.h"
#include "framework/FrameWnd.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/TabCtrl.h"
#include "framework/ToolTipCtrl.h"
#include "framework/View.h"

#include <iterator>

CXTTabCtrlBase::CXTTabCtrlBase()
    : m_pLastActiveView(nullptr), m_pViewOwner(nullptr), m_pParentFrame(nullptr), m_nSubMenu(0), m_nMenuID(0),
      m_bSendInitialUpdate(FALSE), m_bAutoCondense(FALSE), m_nInitQueue(1), m_bInitializing(FALSE),
      m_nPreviousSel(-1)
{
}

CXTTabCtrlBase::~CXTTabCtrlBase() = default;

// ---------------------------------------------------------------------------
// Look-ups

std::list<XT_TCB_ITEM>::iterator CXTTabCtrlBase::At(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_tabs.size())
        return m_tabs.end();
    return std::next(m_tabs.begin(), nIndex);
}

int CXTTabCtrlBase::IndexOf(CWnd* pWnd) const
{
    int i = 0;
    for (const XT_TCB_ITEM& tab : m_tabs)
    {
        if (tab.pWnd == pWnd)
            return i;
        ++i;
    }
    return -1;
}

int CXTTabCtrlBase::IndexOf(const CRuntimeClass* pClass) const
{
    int i = 0;
    for (const XT_TCB_ITEM& tab : m_tabs)
    {
        if (tab.pWnd != nullptr && tab.pWnd->IsKindOf(pClass))
            return i;
        ++i;
    }
    return -1;
}

BOOL CXTTabCtrlBase::IsTabWindow(CWnd* pWnd)
{
    return pWnd != nullptr && IndexOf(pWnd) >= 0;
}

CWnd* CXTTabCtrlBase::GetView(int nView)
{
    auto it = At(nView);
    return it == m_tabs.end() || !::IsWindow(it->pWnd->GetSafeHwnd()) ? nullptr : it->pWnd;
}

CWnd* CXTTabCtrlBase::GetView(const CRuntimeClass* pViewClass)
{
    return GetView(IndexOf(pViewClass));
}

CWnd* CXTTabCtrlBase::GetActiveView()
{
    return GetView(m_pTabCtrl->GetCurSel());
}

LPCSTR CXTTabCtrlBase::GetViewName(const CRuntimeClass* pViewClass)
{
    return GetViewName(IndexOf(pViewClass));
}

LPCSTR CXTTabCtrlBase::GetViewName(int nView)
{
    auto it = At(nView);
    return it == m_tabs.end() ? nullptr : (LPCSTR)it->strLabel;
}

int CXTTabCtrlBase::HitTest(CPoint point)
{
    TCHITTESTINFO hti = {};
    hti.pt = point;
    if (point == CPoint(0, 0))
    {
        ::GetCursorPos(&hti.pt);
        m_pTabCtrl->ScreenToClient(&hti.pt);
    }
    return m_pTabCtrl->HitTest(&hti);
}

// ---------------------------------------------------------------------------
// Fonts and tool tips

void CXTTabCtrlBase::UpdateFont()
{
    DWORD dwStyle = m_pTabCtrl->GetStyle();
    CFont* pFont = &xtAfxData.m_fontNormal2;
    if (dwStyle & TCS_VERTICAL)
        pFont = (dwStyle & TCS_RIGHT) ? &xtAfxData.m_fontVertDown : &xtAfxData.m_fontVert;
    if (xtAfxData.m_bWin95)
        m_pTabCtrl->PostMessage(WM_SETFONT, (WPARAM)pFont->GetSafeHandle());
    else
        m_pTabCtrl->SendMessage(WM_SETFONT, (WPARAM)pFont->GetSafeHandle());
}

CToolTipCtrl* CXTTabCtrlBase::GetToolTips()
{
    return m_pTabCtrl->GetToolTips();
}

void CXTTabCtrlBase::SetToolTips(CToolTipCtrl* pWndTip)
{
    m_pTabCtrl->SetToolTips(pWndTip);
}

void CXTTabCtrlBase::AddToolTip(UINT nIDTab, LPCSTR lpszText)
{
    if (CToolTipCtrl* pTips = GetToolTips())
    {
        CRect rcEmpty(0, 0, 0, 0);
        pTips->AddTool(m_pTabCtrl, lpszText, &rcEmpty, nIDTab);
    }
}

void CXTTabCtrlBase::UpdateTabTip(const CRuntimeClass* pViewClass, LPCSTR lpszText)
{
    UpdateTabTip(IndexOf(pViewClass), lpszText);
}

void CXTTabCtrlBase::UpdateTabTip(int nTab, LPCSTR lpszText)
{
    auto it = At(nTab);
    if (it == m_tabs.end())
        return;
    it->strToolTip = lpszText;
    if (CToolTipCtrl* pTips = GetToolTips())
        pTips->UpdateTipText(lpszText, m_pTabCtrl, it->uiToolTipId);
}

void CXTTabCtrlBase::ResetToolTips()
{
    UINT nId = 0;
    CToolTipCtrl* pTips = GetToolTips();
    for (XT_TCB_ITEM& tab : m_tabs)
    {
        tab.uiToolTipId = nId++;
        if (pTips != nullptr)
            pTips->UpdateTipText(tab.strToolTip, m_pTabCtrl, tab.uiToolTipId);
    }
}

BOOL CXTTabCtrlBase::EnableToolTips(BOOL bEnable)
{
    CToolTipCtrl* pTips = GetToolTips();
    if (pTips == nullptr)
        return FALSE;
    pTips->Activate(bEnable);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Tabs and their windows

BOOL CXTTabCtrlBase::AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex, int nIconIndex)
{
    pWnd->SetParent(m_pTabCtrl);
    if (nIndex < 0 || nIndex > (int)m_tabs.size())
        nIndex = (int)m_tabs.size();
    XT_TCB_ITEM tab = { pWnd, lpszLabel, lpszLabel, (UINT)m_tabs.size(), CString() };
    m_tabs.insert(std::next(m_tabs.begin(), nIndex), tab);
    m_pTabCtrl->InsertItem(nIndex, lpszLabel, nIconIndex == -1 ? nIndex : nIconIndex);
    AddToolTip(tab.uiToolTipId, lpszLabel);
    ResetToolTips();
    SetActiveView(nIndex);
    return TRUE;
}

CWnd* CXTTabCtrlBase::CreateTabView(const CRuntimeClass* pViewClass, CDocument* pDoc, CCreateContext* pContext)
{
    CCreateContext context;
    if (pContext == nullptr)
    {
        context.m_pNewViewClass = pViewClass;
        context.m_pCurrentDoc = pDoc;
        pContext = &context;
    }
    CObject* pObject = pViewClass != nullptr ? pViewClass->CreateObject() : nullptr;
    CWnd* pWnd = pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CWnd)) ? static_cast<CWnd*>(pObject) : nullptr;
    if (pWnd == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | (m_bDefaultLook ? WS_BORDER : 0);
    if (!pWnd->Create(nullptr, nullptr, dwStyle, CRect(0, 0, 0, 0), m_pTabCtrl,
                      AFX_IDW_PANE_FIRST + (UINT)m_tabs.size(), pContext))
        return nullptr;   // a failed view deletes itself
    if (m_bSendInitialUpdate && !m_bInitializing)
        pWnd->SendMessage(WM_INITIALUPDATE);
    pWnd->SetOwner(m_pViewOwner);
    return pWnd;
}

BOOL CXTTabCtrlBase::AddView(LPCSTR lpszLabel, const CRuntimeClass* pViewClass, CDocument* pDoc,
                             CCreateContext* pContext, int nIndex, int nIconIndex)
{
    CWnd* pWnd = CreateTabView(pViewClass, pDoc, pContext);
    return pWnd != nullptr && AddControl(lpszLabel, pWnd, nIndex, nIconIndex);
}

void CXTTabCtrlBase::ActivateView(CWnd* pTabView)
{
    for (XT_TCB_ITEM& tab : m_tabs)
        if (tab.pWnd != pTabView && ::IsWindow(tab.pWnd->GetSafeHwnd()))
        {
            tab.pWnd->ShowWindow(SW_HIDE);
            tab.pWnd->EnableWindow(FALSE);
        }
    pTabView->ShowWindow(SW_SHOW);
    pTabView->EnableWindow(TRUE);
    pTabView->SetFocus();
    ResizeView(pTabView);
}

void CXTTabCtrlBase::SetActiveView(int nActiveTab)
{
    CWnd* pWnd = GetView(nActiveTab);
    if (pWnd == nullptr)
        return;
    m_pTabCtrl->SetCurSel(nActiveTab);
    ActivateView(pWnd);
}

void CXTTabCtrlBase::SetActiveView(CWnd* pTabView)
{
    SetActiveView(IndexOf(pTabView));
}

void CXTTabCtrlBase::SetActiveView(const CRuntimeClass* pTabViewClass)
{
    SetActiveView(IndexOf(pTabViewClass));
}

void CXTTabCtrlBase::NextView()
{
    int nCount = GetTabCount();
    if (nCount > 0)
        SetActiveView((m_pTabCtrl->GetCurSel() + 1) % nCount);
}

void CXTTabCtrlBase::PrevView()
{
    int nCount = GetTabCount();
    if (nCount > 0)
        SetActiveView((m_pTabCtrl->GetCurSel() + nCount - 1) % nCount);
}

void CXTTabCtrlBase::RestoreFrameView(CWnd* pTabWnd)
{
    if (m_pParentFrame == nullptr || pTabWnd == nullptr || m_pParentFrame->GetActiveView() != pTabWnd)
        return;
    BOOL bPrevious = m_pLastActiveView != nullptr && ::IsWindow(m_pLastActiveView->GetSafeHwnd()) &&
                     m_pLastActiveView->IsKindOf(RUNTIME_CLASS(CView));
    m_pParentFrame->SetActiveView(bPrevious ? static_cast<CView*>(m_pLastActiveView) : nullptr);
}

void CXTTabCtrlBase::DeleteView(const CRuntimeClass* pViewClass, BOOL bDestroyWnd)
{
    DeleteView(IndexOf(pViewClass), bDestroyWnd);
}

void CXTTabCtrlBase::DeleteView(CWnd* pView, BOOL bDestroyWnd)
{
    DeleteView(IndexOf(pView), bDestroyWnd);
}

void CXTTabCtrlBase::DeleteView(int nView, BOOL bDestroyWnd)
{
    auto it = At(nView);
    if (it == m_tabs.end())
        return;
    RestoreFrameView(it->pWnd);
    int nSel = m_pTabCtrl->GetCurSel();
    RemoveTab(it, bDestroyWnd);
    m_pTabCtrl->DeleteItem(nView);
    int nCount = GetTabCount();
    if (nCount == 0)
        return;
    // Deleting another tab keeps the selected one; the new selection's window is shown.
    int nNewSel;
    if (nView != nSel)
        nNewSel = nSel > nView ? nSel - 1 : nSel;
    else if (nView == 0)
        nNewSel = 0;
    else
        nNewSel = nView - 1 < nCount ? nView - 1 : nCount - 1;
    SetActiveView(nNewSel);
    ResetToolTips();
}

void CXTTabCtrlBase::RemoveTab(std::list<XT_TCB_ITEM>::iterator it, BOOL bDestroyWnd)
{
    if (::IsWindow(it->pWnd->GetSafeHwnd()))
    {
        if (bDestroyWnd)
            it->pWnd->DestroyWindow();
        else
            it->pWnd->ShowWindow(SW_HIDE);
    }
    m_tabs.erase(it);
}

void CXTTabCtrlBase::DeleteAllViews()
{
    for (XT_TCB_ITEM& tab : m_tabs)
        RestoreFrameView(tab.pWnd);
    while (!m_tabs.empty())
        RemoveTab(m_tabs.begin(), TRUE);
    m_pTabCtrl->DeleteAllItems();
}

void CXTTabCtrlBase::ResizeView(CWnd* pView)
{
    if (pView == nullptr || !::IsWindow(pView->GetSafeHwnd()))
        return;
    CRect rcChild;
    GetChildRect(rcChild);
    pView->MoveWindow(&rcChild, TRUE);
}

void CXTTabCtrlBase::ResizeAllViews()
{
    for (XT_TCB_ITEM& tab : m_tabs)
        ResizeView(tab.pWnd);
}

BOOL CXTTabCtrlBase::ModifyTabStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    if (!m_pTabCtrl->ModifyStyle(dwRemove, dwAdd, nFlags))
        return FALSE;
    UpdateFont();
    return TRUE;
}

void CXTTabCtrlBase::SetTabMenu(int nMenuID, int nSubIndex)
{
    m_nMenuID = nMenuID;
    m_nSubMenu = nSubIndex;
}

// ---------------------------------------------------------------------------
// Selection changes

void CXTTabCtrlBase::NotifyOwner(UINT message)
{
    CWnd* pOwner = m_pTabCtrl->GetOwner() != nullptr ? m_pTabCtrl->GetOwner() : m_pTabCtrl->GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(message, m_pTabCtrl->GetDlgCtrlID(), (LPARAM)m_pTabCtrl);
}

void CXTTabCtrlBase::OnSelChanging()
{
    m_nPreviousSel = m_pTabCtrl->GetCurSel();
    NotifyOwner(WM_TAB_SELCHANGING);
}

void CXTTabCtrlBase::OnSelChange()
{
    if (CWnd* pOld = GetView(m_nPreviousSel))
    {
        pOld->ShowWindow(SW_HIDE);
        pOld->EnableWindow(FALSE);
        RestoreFrameView(pOld);
    }
    CWnd* pNew = GetActiveView();
    if (pNew != nullptr)
    {
        if (m_pParentFrame != nullptr && pNew->IsKindOf(RUNTIME_CLASS(CView)) &&
            pNew->GetParentFrame() == m_pParentFrame)
        {
            CView* pCurrent = m_pParentFrame->GetActiveView();
            if (pCurrent != nullptr && !::IsChild(m_pTabCtrl->m_hWnd, pCurrent->m_hWnd))
                m_pLastActiveView = pCurrent;
            m_pParentFrame->SetActiveView(static_cast<CView*>(pNew));
        }
        ActivateView(pNew);
    }
    NotifyOwner(WM_TAB_SELCHANGE);
}

// ---------------------------------------------------------------------------
// Set-up and condensed labels

void CXTTabCtrlBase::Initialize()
{
    ++m_nInitQueue;
    m_bInitializing = FALSE;
    UpdateFont();
    m_pViewOwner = m_pTabCtrl->GetParent();
    // In a floating frame the views belong to the frame it floats from.
    m_pParentFrame = m_pTabCtrl->GetParentFrame();
    if (m_pParentFrame != nullptr && m_pParentFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        m_pParentFrame = m_pParentFrame->GetParentFrame();
    ResizeAllViews();
    if (m_bAutoCondense)
        CondenseLabels();
    m_pTabCtrl->ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}

void CXTTabCtrlBase::SetAutoCondense(BOOL bEnable)
{
    m_bAutoCondense = bEnable;
    CondenseLabels();
}

void CXTTabCtrlBase::CondenseLabels()
{
    if (m_pTabCtrl == nullptr || !::IsWindow(m_pTabCtrl->m_hWnd))
        return;
    std::vector<XT_TAB_LABEL> labels;
    int i = 0;
    for (const XT_TCB_ITEM& tab : m_tabs)
    {
        TCITEMA item = {};
        item.mask = TCIF_IMAGE;
        m_pTabCtrl->GetItem(i++, &item);
        labels.push_back({ tab.strLabel, m_pTabCtrl->GetImageList() != nullptr && item.iImage >= 0 });
    }
    CRect rcClient;
    m_pTabCtrl->GetClientRect(&rcClient);
    DWORD dwStyle = m_pTabCtrl->GetStyle();
    BOOL bVertical = (dwStyle & TCS_VERTICAL) != 0;
    CClientDC dc(m_pTabCtrl);
    CFont* pOld = dc.SelectObject(m_pTabCtrl->GetFont());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    std::vector<CString> shown;
    if (m_bAutoCondense)
        shown = XTCondenseTabLabels(labels, bVertical ? rcClient.Height() : rcClient.Width(),
                                    bVertical || (dwStyle & TCS_MULTILINE), tm.tmAveCharWidth,
                                    [&dc](const CString& s) { return (int)dc.GetTextExtent(s).cx; });
    else
        for (const XT_TAB_LABEL& label : labels)
            shown.push_back(label.strLabel);
    dc.SelectObject(pOld);
    i = 0;
    for (XT_TCB_ITEM& tab : m_tabs)
    {
        if (tab.strShownLabel != shown[i])
        {
            tab.strShownLabel = shown[i];
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<LPSTR>((LPCSTR)tab.strShownLabel);
            m_pTabCtrl->SetItem(i, &item);
        }
        ++i;
    }
}
