#include "toolkit/bars/XTCustToolBarPage.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTToolbarNameDlg.h"
#include "toolkit/bars/XTToolkitString.h"

#include "framework/ControlBar.h"
#include "framework/DataExchange.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"

IMPLEMENT_DYNAMIC(CXTCustToolBarPage, CXTResizePropertyPage)

// void OnX()
BEGIN_MESSAGE_MAP(CXTCustToolBarPage, CXTResizePropertyPage)
    ON_LBN_SELCHANGE(XT_IDC_LIST_TOOLBARS, OnSelChange)
    ON_CONTROL(CLBN_CHKCHANGE, XT_IDC_LIST_TOOLBARS, OnCheckChange)
    ON_BN_CLICKED(XT_IDC_BTN_NEW, OnNew)
    ON_BN_CLICKED(XT_IDC_BTN_RENAME, OnRename)
    ON_BN_CLICKED(XT_IDC_BTN_DELETE, OnDelete)
    ON_BN_CLICKED(XT_IDC_BTN_RESET, OnResetBar)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTCustToolBarPage::CXTCustToolBarPage(CFrameWnd* pFrame)
    : CXTResizePropertyPage(XT_IDD_CUSTTOOLBARS), m_pFrame(pFrame)
{
}

CXTCustToolBarPage::~CXTCustToolBarPage()
{
    GetCustomizeManager().Unregister(this);
}

void CXTCustToolBarPage::DoDataExchange(CDataExchange* pDX)
{
    CXTResizePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XT_IDC_LIST_TOOLBARS, m_list);
}

BOOL CXTCustToolBarPage::OnInitDialog()
{
    CXTResizePropertyPage::OnInitDialog();
    CXTCustomizeManager& manager = GetCustomizeManager();
    m_bars.clear();
    manager.m_barEnumeration.Raise([this](const CXTBarInfo& info) { AddBar(info); });
    m_list.SetCurSel(0);
    manager.m_barAdded.Add(this, [this](const CXTBarInfo& info) {
        int nItem = AddBar(info);
        m_list.SetCheck(nItem, 1);
        m_list.SetCurSel(nItem);
        UpdateButtons();
    });
    manager.m_barShown.Add(this, [this](CWnd* pBar, BOOL bVisible) { SetShown(pBar, bVisible); });
    manager.m_barRenamed.Add(this, [this](CWnd* pBar, LPCSTR lpszName) {
        int nItem = FindItem(pBar);
        if (nItem < 0)
            return;
        DWORD_PTR dwData = m_list.GetItemData(nItem);
        int nCheck = m_list.GetCheck(nItem);
        BOOL bSelected = m_list.GetCurSel() == nItem;
        m_list.DeleteString(nItem);
        m_list.InsertString(nItem, lpszName);
        m_list.SetItemData(nItem, dwData);
        m_list.SetCheck(nItem, nCheck);
        if (bSelected)
            m_list.SetCurSel(nItem);
    });
    manager.m_barRemoved.Add(this, [this](CWnd* pBar) {
        int nItem = FindItem(pBar);
        if (nItem >= 0)
            m_list.DeleteString(nItem);
        UpdateButtons();
    });
    SetResize(XT_IDC_LIST_TOOLBARS, CXTResizeRect(0, 0, 1, 1));
    for (UINT nID : { XT_IDC_BTN_NEW, XT_IDC_BTN_RENAME, XT_IDC_BTN_DELETE, XT_IDC_BTN_RESET })
        SetResize(nID, CXTResizeRect(1, 0, 1, 0));
    AutoLoadPlacement("CXTCustToolBarPage");
    GetDlgItem(XT_IDC_BTN_NEW)->EnableWindow(TRUE);
    UpdateButtons();
    return TRUE;
}

void CXTCustToolBarPage::OnDestroy()
{
    CXTResizePropertyPage::OnDestroy();
    GetCustomizeManager().Unregister(this);
}

int CXTCustToolBarPage::AddBar(const CXTBarInfo& info)
{
    if (info.pBar == nullptr || info.pBar->m_hWnd == nullptr)
        return -1;
    m_bars.push_back(info);
    CString strText;
    info.pBar->GetWindowText(strText);
    if (strText.IsEmpty())
        strText = LoadToolkitString(XT_IDS_TOOLBAR, "Toolbar");
    int nItem = m_list.AddString(strText);
    if (nItem < 0)
        return -1;
    m_list.SetItemData(nItem, (DWORD_PTR)(m_bars.size() - 1));
    m_list.SetCheck(nItem, info.pBar->IsWindowVisible() ? 1 : 0);
    return nItem;
}

void CXTCustToolBarPage::SetShown(CWnd* pBar, BOOL bVisible)
{
    int nItem = FindItem(pBar);
    if (nItem < 0)
        return;
    if (m_list.GetCheck(nItem) != (bVisible ? 1 : 0))
        m_list.SetCheck(nItem, bVisible ? 1 : 0);
    // A floating frame shows or hides with its bars only when the message
    // loop runs idle, which the sheet's loop never does: a hidden bar's
    // frame goes now, and the frame looks again at what it holds.
    CControlBar* pControlBar = dynamic_cast<CControlBar*>(pBar);
    CFrameWnd* pFloatFrame = pControlBar != nullptr && pControlBar->IsFloating() ? pControlBar->GetParentFrame() : nullptr;
    if (pFloatFrame == nullptr || pFloatFrame == m_pFrame)
        return;
    if (!bVisible)
        pFloatFrame->ShowWindow(SW_HIDE);
    pFloatFrame->PostMessage(WM_IDLEUPDATECMDUI, TRUE);
}

int CXTCustToolBarPage::FindItem(CWnd* pBar) const
{
    for (int i = 0; i < m_list.GetCount(); ++i)
    {
        size_t nRecord = (size_t)m_list.GetItemData(i);
        if (nRecord < m_bars.size() && m_bars[nRecord].pBar == pBar)
            return i;
    }
    return -1;
}

const CXTBarInfo* CXTCustToolBarPage::Selected() const
{
    int nItem = m_list.GetCurSel();
    if (nItem < 0)
        return nullptr;
    size_t nRecord = (size_t)m_list.GetItemData(nItem);
    return nRecord < m_bars.size() ? &m_bars[nRecord] : nullptr;
}

void CXTCustToolBarPage::UpdateButtons()
{
    const CXTBarInfo* pInfo = Selected();
    GetDlgItem(XT_IDC_BTN_RESET)->EnableWindow(pInfo != nullptr && (bool)pInfo->reset);
    GetDlgItem(XT_IDC_BTN_RENAME)->EnableWindow(pInfo != nullptr && (bool)pInfo->rename);
    GetDlgItem(XT_IDC_BTN_DELETE)->EnableWindow(pInfo != nullptr && (bool)pInfo->remove);
}

void CXTCustToolBarPage::OnSelChange()
{
    UpdateButtons();
}

void CXTCustToolBarPage::OnCheckChange()
{
    // The list reports a check before it selects the item clicked: the
    // changed item is the one whose check no longer matches its bar.
    for (int i = 0; i < m_list.GetCount(); ++i)
    {
        size_t nRecord = (size_t)m_list.GetItemData(i);
        CControlBar* pBar = nRecord < m_bars.size() ? dynamic_cast<CControlBar*>(m_bars[nRecord].pBar) : nullptr;
        if (pBar == nullptr || pBar->m_hWnd == nullptr)
            continue;
        const BOOL bChecked = m_list.GetCheck(i) != 0;
        if (bChecked == ((pBar->GetStyle() & WS_VISIBLE) != 0))
            continue;
        if (!m_bars[nRecord].bCanHide)
            m_list.SetCheck(i, 1);
        else if (m_pFrame != nullptr)
            m_pFrame->ShowControlBar(pBar, bChecked, FALSE);
        return;
    }
}

void CXTCustToolBarPage::OnNew()
{
    CXTToolbarNameDlg dlg(m_pFrame);
    if (dlg.DoModal() != IDOK)
        return;
    XT_CREATEBAR_REQUEST request;
    request.pFrame = m_pFrame;
    request.nID = dlg.m_nCandidateID;
    request.strName = dlg.m_strName;
    CXTCustomizeManager& manager = GetCustomizeManager();
    if (!manager.CreateCustomBar(request))
        return;
    manager.FloatNewBar(m_pFrame, request.pBar);
    CXTBarInfo info;
    request.pBar->DescribeForSheet(info);
    manager.m_barAdded.Raise(info);
}

void CXTCustToolBarPage::OnRename()
{
    const CXTBarInfo* pInfo = Selected();
    if (pInfo == nullptr || !pInfo->rename)
        return;
    CXTToolbarNameDlg dlg(m_pFrame);
    pInfo->pBar->GetWindowText(dlg.m_strName);
    auto rename = pInfo->rename;
    if (dlg.DoModal() == IDOK && dlg.m_strName != dlg.m_strInitialName)
        rename(dlg.m_strName);
    m_list.SetFocus();
    UpdateButtons();
}

void CXTCustToolBarPage::OnDelete()
{
    const CXTBarInfo* pInfo = Selected();
    if (pInfo == nullptr || !pInfo->remove)
        return;
    CString strName, strAsk;
    pInfo->pBar->GetWindowText(strName);
    strAsk.Format(LoadToolkitString(XT_IDS_DELETEBAR, "Are you sure you want to delete the '%s' toolbar?"),
                  (LPCSTR)strName);
    auto remove = pInfo->remove;
    if (AfxMessageBox(strAsk, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        remove();
}

void CXTCustToolBarPage::OnResetBar()
{
    const CXTBarInfo* pInfo = Selected();
    if (pInfo != nullptr && pInfo->reset)
        pInfo->reset();
}
