#include "editor/dialogs/LumivanePage5.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "framework/DataExchange.h"

#include "editor/ShowIds.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CLumivanePage5, CLumivanePage)

BEGIN_MESSAGE_MAP(CLumivanePage5, CLumivanePage)
    // void OnBrowse()
    ON_BN_CLICKED(IDC_SHOW_SETTINGS_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CLumivanePage5::CLumivanePage5(CLumivaneSheet* pWizard)
    : CLumivanePage(IDD_LUMIVANE_PAGE5, pWizard, PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH)
{
}

void CLumivanePage5::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SHOW_SETTINGS_FILE, m_strSettingsFile);
}

BOOL CLumivanePage5::OnInitDialog()
{
    const CString& settings = m_pWizard->m_strSettingsFile;
    m_strSettingsFile = !settings.IsEmpty() && _access(settings, 0) == 0 ? settings : m_pWizard->m_strShowFolder;
    return CLumivanePage::OnInitDialog();
}

void CLumivanePage5::OnBrowse()
{
    UpdateData(TRUE);
    CString path;
    const CString name = m_pWizard->m_strShowFolder + "\\*.ini";
    if (!BrowseForFile(this, "Show Ini Files (ini)|*.ini||", nullptr, name, nullptr, path) || _access(path, 0) != 0)
        return;
    m_strSettingsFile = path;
    UpdateData(FALSE);
}

BOOL CLumivanePage5::CheckAndStore()
{
    if (!UpdateData(TRUE) || !IsReadableFile(m_strSettingsFile))
        return FALSE;
    m_pWizard->m_strSettingsFile = m_strSettingsFile;
    return TRUE;
}
