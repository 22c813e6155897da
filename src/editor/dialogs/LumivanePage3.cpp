#include "editor/dialogs/LumivanePage3.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "framework/DataExchange.h"

#include "editor/ShowIds.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CLumivanePage3, CLumivanePage)

CLumivanePage3::CLumivanePage3(CLumivaneSheet* pWizard)
    : CLumivanePage(IDD_LUMIVANE_PAGE3, pWizard, PSWIZB_BACK | PSWIZB_NEXT), m_nChoice(0)
{
}

void CLumivanePage3::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_SHOW_BASIC, m_nChoice);
}

LRESULT CLumivanePage3::OnWizardNext()
{
    if (!CheckAndStore())
        return -1;
    return m_nChoice == CLumivaneSheet::choiceBasic ? IDD_LUMIVANE_PAGE6 : 0;
}

// The basic settings: a settings file in the show folder, made by the
// authoring program when it is not there yet.
BOOL CLumivanePage3::CheckAndStore()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_pWizard->m_nSettingsChoice = m_nChoice;
    if (m_nChoice != CLumivaneSheet::choiceBasic)
        return TRUE;
    BeginWaitCursor();
    if (IsReadableFile(m_pWizard->m_strAuthoringPath))
    {
        const CString settings = m_pWizard->DefaultSettingsFile();
        if (_access(settings, 0) != 0)
            m_pWizard->StartAuthoring(this, "/C", settings);
        m_pWizard->m_strSettingsFile = settings;
    }
    EndWaitCursor();
    return TRUE;
}
