#include "editor/dialogs/LB_WELCOME_PAGE.h"

#include "editor/WizardIds.h"

IMPLEMENT_DYNAMIC(CLB_WELCOME_PAGE, CListboxWizardPage)

CLB_WELCOME_PAGE::CLB_WELCOME_PAGE(CListboxWizard* pWizard) : CListboxWizardPage(IDD_LB_WELCOME, pWizard) {}

BOOL CLB_WELCOME_PAGE::OnInitDialog()
{
    m_title.SubclassDlgItem(IDC_LB_TITLE, this);
    m_title.SetFontStyle(-16, 700, FALSE, RGB(0, 0, 0x80));
    return CListboxWizardPage::OnInitDialog();
}

LRESULT CLB_WELCOME_PAGE::OnWizardBack()
{
    return -1;
}
