#include "editor/dialogs/LumivanePage6.h"

#include "editor/dialogs/LumivaneSheet.h"
#include "framework/DataExchange.h"

#include "editor/ShowIds.h"

IMPLEMENT_DYNAMIC(CLumivanePage6, CLumivanePage)

CLumivanePage6::CLumivanePage6(CLumivaneSheet* pWizard)
    : CLumivanePage(IDD_LUMIVANE_PAGE6, pWizard, PSWIZB_BACK | PSWIZB_FINISH)
{
}

void CLumivanePage6::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SHOW_CAPTION, m_strCaption);
}

BOOL CLumivanePage6::OnInitDialog()
{
    m_strOffered = CLumivaneSheet::DefaultCaption(m_pWizard->m_strShowFolder);
    m_strCaption = m_strOffered;
    return CLumivanePage::OnInitDialog();
}

// Back and a new show folder: a caption the author has not edited follows it.
BOOL CLumivanePage6::OnSetActive()
{
    // The field, not the member: leaving by Back does not read the field.
    GetDlgItemText(IDC_SHOW_CAPTION, m_strCaption);
    if (m_strCaption == m_strOffered)
    {
        m_strOffered = CLumivaneSheet::DefaultCaption(m_pWizard->m_strShowFolder);
        m_strCaption = m_strOffered;
    }
    // Shows the member again on every later activation.
    return CLumivanePage::OnSetActive();
}

// Back the way Next came: past the configuring pages after the basic settings.
LRESULT CLumivanePage6::OnWizardBack()
{
    return m_pWizard->m_nSettingsChoice == CLumivaneSheet::choiceBasic ? IDD_LUMIVANE_PAGE3 : 0;
}

BOOL CLumivanePage6::CheckAndStore()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_pWizard->m_strCaption = m_strCaption;
    return TRUE;
}
