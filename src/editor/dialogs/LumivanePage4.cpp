#include "editor/dialogs/LumivanePage4.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "framework/MessageBox.h"

#include "editor/ShowIds.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CLumivanePage4, CLumivanePage)

BEGIN_MESSAGE_MAP(CLumivanePage4, CLumivanePage)
    // void OnStartAuthoring()
    ON_BN_CLICKED(IDC_SHOW_START_PELMORA, OnStartAuthoring)
END_MESSAGE_MAP()

CLumivanePage4::CLumivanePage4(CLumivaneSheet* pWizard)
    : CLumivanePage(IDD_LUMIVANE_PAGE4, pWizard, PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH), m_bStarted(FALSE)
{
}

BOOL CLumivanePage4::OnInitDialog()
{
    CLumivanePage::OnInitDialog();
    CLumivaneSheet::SetButtonIcon(this, IDC_SHOW_START_PELMORA, IDI_PELMORA_START);
    return TRUE;
}

void CLumivanePage4::OnStartAuthoring()
{
    if (!IsReadableFile(m_pWizard->m_strAuthoringPath))
        return;
    const CString settings = m_pWizard->DefaultSettingsFile();
    m_pWizard->StartAuthoring(this, "/N", settings);
    m_pWizard->m_strSettingsFile = settings;
    m_bStarted = TRUE;
}

// Next before the program ran starts it and stays; afterwards the show's
// settings file must be there.
BOOL CLumivanePage4::CheckAndStore()
{
    if (!m_bStarted)
    {
        if (!IsReadableFile(m_pWizard->m_strAuthoringPath))
            return TRUE;
        OnStartAuthoring();
        return FALSE;
    }
    if (_access(m_pWizard->m_strSettingsFile, 0) == 0)
        return TRUE;
    CString format, text;
    LoadResString(IDS_SHOW_SETTINGS_MISSING, format);
    text.Format(format, (LPCSTR)m_pWizard->m_strSettingsFile);
    AfxMessageBox(text, MB_OK);
    return FALSE;
}
