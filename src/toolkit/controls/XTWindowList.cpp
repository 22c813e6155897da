#include "toolkit/controls/XTWindowList.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/Document.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/View.h"

IMPLEMENT_DYNAMIC(CXTWindowList, CXTResizeDialog)

HICON CXTWindowList::m_hIcon = nullptr;

namespace {

const char kPlacementSection[] = "CXTWindowList";

const UINT kButtons[] = { XT_IDC_BTN_ACTIVATE, XT_IDC_BTN_SAVE, XT_IDC_BTN_CLOSEWINDOWS, XT_IDC_BTN_CASCADE,
                          XT_IDC_BTN_TILEHORZ, XT_IDC_BTN_TILEVERT, XT_IDC_BTN_MINIMIZE, IDOK };

} // namespace

BEGIN_MESSAGE_MAP(CXTWindowList, CXTResizeDialog)
    // void OnSelChangeWindows()
    ON_LBN_SELCHANGE(XT_IDC_LBOX_WINDOWS, OnSelChangeWindows)
    // void OnActivate() and the other buttons
    ON_BN_CLICKED(XT_IDC_BTN_ACTIVATE, OnActivate)
    ON_BN_CLICKED(XT_IDC_BTN_SAVE, OnSave)
    ON_BN_CLICKED(XT_IDC_BTN_CLOSEWINDOWS, OnCloseWindows)
    ON_BN_CLICKED(XT_IDC_BTN_CASCADE, OnCascade)
    ON_BN_CLICKED(XT_IDC_BTN_TILEHORZ, OnTileHorz)
    ON_BN_CLICKED(XT_IDC_BTN_TILEVERT, OnTileVert)
    ON_BN_CLICKED(XT_IDC_BTN_MINIMIZE, OnMinimize)
    // void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
    ON_WM_DRAWITEM()
    // void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CXTWindowList::CXTWindowList(CMDIFrameWnd* pMDIFrameWnd)
    : CXTResizeDialog(XT_IDD_WINDOWLIST, pMDIFrameWnd), m_pGlobalData(&xtAfxData), m_pMDIFrameWnd(pMDIFrameWnd),
      m_hWndMDIClient(pMDIFrameWnd != nullptr ? pMDIFrameWnd->m_hWndMDIClient : nullptr)
{
    if (m_hIcon == nullptr)
        m_hIcon = (HICON)::LoadImageA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDI_WINDOWLIST), IMAGE_ICON, 0, 0,
                                      LR_DEFAULTSIZE);
}

BOOL CXTWindowList::IsButtonEnabled(UINT nID, int nSelected)
{
    switch (nID)
    {
    case XT_IDC_BTN_ACTIVATE:
        return nSelected == 1;
    case XT_IDC_BTN_CASCADE:
    case XT_IDC_BTN_TILEHORZ:
    case XT_IDC_BTN_TILEVERT:
        return nSelected > 1;
    case XT_IDC_BTN_SAVE:
    case XT_IDC_BTN_CLOSEWINDOWS:
    case XT_IDC_BTN_MINIMIZE:
        return nSelected > 0;
    default:
        return TRUE;
    }
}

BOOL CXTWindowList::OnInitDialog()
{
    CXTResizeDialog::OnInitDialog();
    m_lboxWindows.SubclassDlgItem(XT_IDC_LBOX_WINDOWS, this);
    RefreshList();
    SetResize(XT_IDC_LBOX_WINDOWS, XT_RESIZE_STRETCH);
    for (UINT nID : kButtons)
        SetResize(nID, XT_RESIZE_RIGHT);
    AutoLoadPlacement(kPlacementSection);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_lboxWindows.SetFont(&m_pGlobalData->m_fontNormal);
    return TRUE;
}

void CXTWindowList::RefreshList()
{
    FillWindowList();
    SelectActiveChild();
    UpdateButtons();
}

CString CXTWindowList::GetChildTitle(HWND hWndChild)
{
    CWnd* pChild = CWnd::FromHandle(hWndChild);
    CString strTitle;
    pChild->GetWindowText(strTitle);
    if (!strTitle.IsEmpty())
        return strTitle;
    // A child without a title takes its view's document title, and keeps it.
    CView* pView = dynamic_cast<CView*>(CWnd::FromHandlePermanent(::GetWindow(hWndChild, GW_CHILD)));
    if (pView != nullptr && pView->GetDocument() != nullptr)
    {
        strTitle = pView->GetDocument()->GetTitle();
        pChild->SetWindowText(strTitle);
    }
    return strTitle;
}

void CXTWindowList::FillWindowList()
{
    m_lboxWindows.ResetContent();
    CMDIChildWnd* pActive = m_pMDIFrameWnd != nullptr ? m_pMDIFrameWnd->MDIGetActive() : nullptr;
    if (pActive == nullptr)
        return;
    // The oldest child first: backwards through the z order.
    for (HWND hWnd = ::GetWindow(pActive->m_hWnd, GW_HWNDLAST); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
    {
        if (::GetWindow(hWnd, GW_OWNER) != nullptr)
            continue;   // an icon title, not a child frame
        int nIndex = m_lboxWindows.AddString(GetChildTitle(hWnd));
        m_lboxWindows.SetItemData(nIndex, (DWORD_PTR)hWnd);
    }
}

void CXTWindowList::SelectActiveChild()
{
    CMDIChildWnd* pActive = m_pMDIFrameWnd != nullptr ? m_pMDIFrameWnd->MDIGetActive() : nullptr;
    m_lboxWindows.SetSel(-1, FALSE);
    for (int i = 0; i < m_lboxWindows.GetCount(); ++i)
    {
        if (pActive != nullptr && (HWND)m_lboxWindows.GetItemData(i) == pActive->m_hWnd)
            m_lboxWindows.SetSel(i, TRUE);
    }
}

void CXTWindowList::UpdateButtons()
{
    int nSelected = (int)m_lboxWindows.SendMessage(LB_GETSELCOUNT);
    for (UINT nID : kButtons)
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), IsButtonEnabled(nID, nSelected));
}

std::vector<HWND> CXTWindowList::GetSelectedWindows() const
{
    std::vector<HWND> windows;
    for (int i = 0; i < m_lboxWindows.GetCount(); ++i)
    {
        if (m_lboxWindows.GetSel(i) > 0)
            windows.push_back((HWND)m_lboxWindows.GetItemData(i));
    }
    return windows;
}

void CXTWindowList::OnSelChangeWindows()
{
    UpdateButtons();
}

void CXTWindowList::OnActivate()
{
    std::vector<HWND> windows = GetSelectedWindows();
    if (windows.size() != 1)
        return;
    if (::IsIconic(windows[0]))
        ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)windows[0], 0);
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)windows[0], 0);
    OnOK();
}

void CXTWindowList::OnSave()
{
    for (HWND hWnd : GetSelectedWindows())
    {
        CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
        CDocument* pDoc = pFrame != nullptr ? pFrame->GetActiveDocument() : nullptr;
        if (pDoc != nullptr)
            pDoc->DoFileSave();
    }
    RefreshList();
}

void CXTWindowList::OnCloseWindows()
{
    for (HWND hWnd : GetSelectedWindows())
        ::SendMessageA(hWnd, WM_CLOSE, 0, 0);
    RefreshList();
}

void CXTWindowList::ArrangeSelected(UINT nMessage, WPARAM wParam, BOOL bMinimizeSelected)
{
    BeginWaitCursor();
    ::LockWindowUpdate(m_hWndMDIClient);
    for (int i = 0; i < m_lboxWindows.GetCount(); ++i)
    {
        HWND hWnd = (HWND)m_lboxWindows.GetItemData(i);
        BOOL bSelected = m_lboxWindows.GetSel(i) > 0;
        if (bMinimizeSelected)
        {
            if (bSelected)
                ::ShowWindow(hWnd, SW_MINIMIZE);
        }
        else
            ::ShowWindow(hWnd, bSelected ? SW_RESTORE : SW_MINIMIZE);
    }
    ::SendMessageA(m_hWndMDIClient, nMessage, wParam, 0);
    ::LockWindowUpdate(nullptr);
    EndWaitCursor();
}

void CXTWindowList::OnCascade()
{
    ArrangeSelected(WM_MDICASCADE, 0, FALSE);
}

void CXTWindowList::OnTileHorz()
{
    ArrangeSelected(WM_MDITILE, MDITILE_HORIZONTAL, FALSE);
}

void CXTWindowList::OnTileVert()
{
    ArrangeSelected(WM_MDITILE, MDITILE_VERTICAL, FALSE);
}

void CXTWindowList::OnMinimize()
{
    ArrangeSelected(WM_MDICASCADE, 0, TRUE);
}

void CXTWindowList::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    if (nIDCtl != XT_IDC_LBOX_WINDOWS)
    {
        Default();
        return;
    }
    lpMIS->itemHeight = (UINT)::GetSystemMetrics(SM_CYSMICON) + 2;
}

void CXTWindowList::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (nIDCtl != XT_IDC_LBOX_WINDOWS || lpDIS->itemID == (UINT)-1)
    {
        Default();
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rcItem, bSelected ? m_pGlobalData->m_clrHighlight : m_pGlobalData->m_clrWindow);

    HWND hWnd = (HWND)lpDIS->itemData;
    HICON hIcon = (HICON)::GetClassLongPtrA(hWnd, GCLP_HICONSM);
    if (hIcon == nullptr)
        hIcon = (HICON)::GetClassLongPtrA(hWnd, GCLP_HICON);
    if (hIcon == nullptr)
        hIcon = ::LoadIconA(nullptr, IDI_WINLOGO);
    int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
    ::DrawIconEx(lpDIS->hDC, rcItem.left + 2, rcItem.top + (rcItem.Height() - cyIcon) / 2, hIcon, cxIcon, cyIcon, 0,
                 nullptr, DI_NORMAL);

    CString strTitle;
    m_lboxWindows.GetText((int)lpDIS->itemID, strTitle);
    CRect rcText(rcItem.left + 2 + cxIcon + 4, rcItem.top, rcItem.right, rcItem.bottom);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(bSelected ? m_pGlobalData->m_clrHighlightText : m_pGlobalData->m_clrWindowText);
    pDC->DrawText(strTitle, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcItem);
}
