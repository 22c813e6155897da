#include "editor/dialogs/ButDlgPage.h"

#include "editor/dialogs/EditorServices.h"

IMPLEMENT_DYNAMIC(CButDlgPage, CPropertyPage)

// void OnHelp()
BEGIN_MESSAGE_MAP(CButDlgPage, CPropertyPage)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CButDlgPage::CButDlgPage(UINT nIDTemplate, int nPageIndex)
    : CPropertyPage(nIDTemplate), m_pnShownPage(nullptr), m_nPageIndex(nPageIndex)
{
    m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CButDlgPage::OnSetActive()
{
    if (m_pnShownPage != nullptr)
        *m_pnShownPage = m_nPageIndex;
    return CPropertyPage::OnSetActive();
}

BOOL CButDlgPage::OnApply()
{
    if (m_canApply && !m_canApply())
        return FALSE;
    return CPropertyPage::OnApply();
}

void CButDlgPage::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_button.htm");
}
