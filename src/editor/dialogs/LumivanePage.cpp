#include "editor/dialogs/LumivanePage.h"

IMPLEMENT_DYNAMIC(CLumivanePage, CPropertyPage)

CLumivanePage::CLumivanePage(UINT nIDTemplate, CLumivaneSheet* pWizard, DWORD dwWizardButtons)
    : CPropertyPage(nIDTemplate), m_pWizard(pWizard), m_dwWizardButtons(dwWizardButtons)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

// Posted, so that they apply after the sheet's own update.
BOOL CLumivanePage::OnSetActive()
{
    ::PostMessageA(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, (LPARAM)m_dwWizardButtons);
    return CPropertyPage::OnSetActive();
}

LRESULT CLumivanePage::OnWizardNext()
{
    return CheckAndStore() ? 0 : -1;
}

BOOL CLumivanePage::OnWizardFinish()
{
    return CheckAndStore();
}
