#include "framework/PropertyPage.h"

#include "framework/Exceptions.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_psp(), m_bFirstSetActive(TRUE), m_pSheet(nullptr)
{
    m_psp.dwSize = sizeof(m_psp);
    if (nIDCaption != 0)
    {
        m_strCaption.LoadString(nIDCaption);
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

PROPSHEETPAGEA CPropertyPage::MakePageRecord(CPropertySheet* pSheet)
{
    m_pSheet = pSheet;
    m_bFirstSetActive = TRUE;
    PROPSHEETPAGEA psp = m_psp;
    psp.dwSize = sizeof(psp);
    psp.dwFlags |= PSP_USECALLBACK;
    // The template by id, so that a wizard page can name the page to go to.
    psp.hInstance = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    psp.pszTemplate = m_lpszTemplateName;
    psp.pfnDlgProc = PropPageDlgProc;
    psp.pfnCallback = PropPageCallback;
    psp.lParam = reinterpret_cast<LPARAM>(this);
    if (psp.dwFlags & PSP_USETITLE)
        psp.pszTitle = m_strCaption;
    return psp;
}

UINT CALLBACK CPropertyPage::PropPageCallback(HWND, UINT message, LPPROPSHEETPAGEA pPropPage)
{
    // The page's window is made next, as a child of its sheet: attach the
    // object before its first message.
    if (message == PSPCB_CREATE && pPropPage != nullptr)
    {
        CPropertyPage* pPage = reinterpret_cast<CPropertyPage*>(pPropPage->lParam);
        if (pPage != nullptr && pPage->m_pSheet != nullptr && pPage->m_pSheet->m_hWnd != nullptr)
            HookWindowCreate(pPage, nullptr, pPage->m_pSheet->m_hWnd, TRUE);
    }
    return 1;
}

INT_PTR CALLBACK CPropertyPage::PropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // A page the creation hook missed is attached here, at the latest.
    if (CWnd::FromHandlePermanent(hWnd) == nullptr && lParam != 0)
    {
        CPropertyPage* pPage = reinterpret_cast<CPropertyPage*>(reinterpret_cast<LPPROPSHEETPAGEA>(lParam)->lParam);
        if (pPage != nullptr)
            pPage->SubclassWindow(hWnd);
    }
    return CDialog::AfxDlgProc(hWnd, message, wParam, lParam);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND hSheet = ::GetParent(m_hWnd);
    if (hSheet != nullptr)
        ::SendMessageA(hSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

BOOL CPropertyPage::OnSetActive()
{
    // Later activations show the members again (another page may have changed them).
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    // Keys are the sheet's to handle, for all its pages at once.
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);
    LRESULT lResult = 0;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE: lResult = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: lResult = !OnKillActive(); break;
    case PSN_APPLY: lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; break;
    case PSN_RESET: OnReset(); break;
    case PSN_QUERYCANCEL: lResult = !OnQueryCancel(); break;
    case PSN_WIZBACK: lResult = OnWizardBack(); break;
    case PSN_WIZNEXT: lResult = OnWizardNext(); break;
    case PSN_WIZFINISH: lResult = !OnWizardFinish(); break;
    case PSN_HELP: SendMessage(WM_COMMAND, ID_HELP); break;
    default: return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // The sheet reads the answer from the message result and from the dialog's slot.
    *pResult = lResult;
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}
