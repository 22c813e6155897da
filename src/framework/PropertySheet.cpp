#include "framework/PropertySheet.h"

#include "framework/PropertyPage.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

// The sheet's buttons are the system's: none of the dialog's own rows apply.
BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() : m_psh(), m_nButtonPressed(0)
{
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) : m_psh(), m_nButtonPressed(0)
{
    m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_nButtonPressed(0)
{
    m_strCaption = pszCaption;
    CommonConstruct(pParentWnd, iSelectPage);
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
    if (m_hWnd != nullptr)
    {
        PROPSHEETPAGEA psp = pPage->MakePageRecord(this);
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&psp);
        if (hPage != nullptr)
            ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage));
    }
}

void CPropertySheet::RemovePage(int nPage)
{
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, (WPARAM)nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (GetPage(i) == pPage)
            return i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return (int)m_psh.nStartPage;
    HWND hPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (hPage == nullptr)
        return -1;
    return (int)::SendMessageA(m_hWnd, PSM_HWNDTOINDEX, (WPARAM)hPage, 0);
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    int nPage = GetActiveIndex();
    return nPage >= 0 && nPage < GetPageCount() ? GetPage(nPage) : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr)
    {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, (WPARAM)nPage, 0);
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, (LPARAM)dwFlags);
}

void CPropertySheet::SetFinishText(LPCSTR lpszText)
{
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>(lpszText));
}

INT_PTR CPropertySheet::DoModal()
{
    if (GetPageCount() == 0)
        return -1;
    m_pageRecords.clear();
    for (int i = 0; i < GetPageCount(); ++i)
        m_pageRecords.push_back(GetPage(i)->MakePageRecord(this));
    if (m_psh.nStartPage >= (UINT)GetPageCount())
        m_psh.nStartPage = 0;

    HWND hWndParent = PreModal();
    if (hWndParent != nullptr)
        hWndParent = ::GetAncestor(hWndParent, GA_ROOT);
    PROPSHEETHEADERA psh = m_psh;
    psh.dwSize = sizeof(psh);
    psh.dwFlags = (m_psh.dwFlags | PSH_PROPSHEETPAGE | PSH_MODELESS) & ~PSH_USEHICON;
    psh.hwndParent = hWndParent;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = m_strCaption;
    psh.nPages = (UINT)m_pageRecords.size();
    psh.ppsp = m_pageRecords.data();

    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_nModalResult = -1;
    m_nButtonPressed = 0;
    m_bInModal = TRUE;
    m_bContinueModal = TRUE;
    HookWindowCreate(this, nullptr, hWndParent, TRUE);
    HWND hWnd = reinterpret_cast<HWND>(::PropertySheetA(&psh));
    UnhookWindowCreate();
    if (hWnd != nullptr && m_hWnd == hWnd)
    {
        RunModalHook(this);
        if (ContinueModal())
            RunModalLoop(0);
    }
    m_bInModal = FALSE;
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != nullptr)
        DestroyWindow();
    else if (hWnd != nullptr && ::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    return m_nModalResult;
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_bContinueModal)
    {
        m_bContinueModal = FALSE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

BOOL CPropertySheet::ContinueModal()
{
    if (!m_bContinueModal)
        return FALSE;
    // OK, Cancel, Finish and the close box leave the modeless sheet without a page.
    if (m_hWnd != nullptr && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
    {
        m_bContinueModal = FALSE;
        m_nModalResult = m_nButtonPressed != 0 ? m_nButtonPressed : IDCANCEL;
        return FALSE;
    }
    return TRUE;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    int nEnding = 0;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == ID_WIZFINISH))
        nEnding = LOWORD(wParam);
    else if (message == PSM_PRESSBUTTON && (wParam == PSBTN_OK || wParam == PSBTN_FINISH))
        nEnding = wParam == PSBTN_OK ? IDOK : ID_WIZFINISH;
    LRESULT lResult = CDialog::WindowProc(message, wParam, lParam);
    // OK and Finish that the pages accepted leave the sheet without a page.
    if (nEnding != 0 && m_hWnd != nullptr && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
        m_nButtonPressed = nEnding;
    return lResult;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    // F1 presses the sheet's Help button while it is shown and enabled (it
    // asks the current page for its help).
    HWND hHelp = m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, IDHELP) : nullptr;
    if (IsHelpKey(pMsg) && hHelp != nullptr && ::IsWindowVisible(hHelp) && ::IsWindowEnabled(hHelp))
    {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), reinterpret_cast<LPARAM>(hHelp));
        return TRUE;
    }
    // Tab, arrows, Enter and Escape across the sheet and its current page.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd != nullptr)
        return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg));
    return FALSE;
}
