#include "editor/dialogs/ListboxWizardPage.h"

#include "editor/dialogs/EditorServices.h"
#include "framework/Ids.h"

IMPLEMENT_DYNAMIC(CListboxWizardPage, CPropertyPage)

// void OnHelp()
BEGIN_MESSAGE_MAP(CListboxWizardPage, CPropertyPage)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CListboxWizardPage::CListboxWizardPage(UINT nIDTemplate, CListboxWizard* pWizard)
    : CPropertyPage(nIDTemplate), m_pWizard(pWizard)
{
    m_psp.dwFlags |= PSP_HASHELP;
}

LRESULT CListboxWizardPage::OnWizardNext()
{
    return CheckAndStore() ? 0 : -1;
}

BOOL CListboxWizardPage::OnWizardFinish()
{
    return CheckAndStore();
}

void CListboxWizardPage::PostWizardButtons(DWORD dwFlags)
{
    ::PostMessageA(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, (LPARAM)dwFlags);
}

void CListboxWizardPage::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_listbox.htm");
}
