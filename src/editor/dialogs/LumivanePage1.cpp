#include "editor/dialogs/LumivanePage1.h"

#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/FolderBrowserDlg.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include "editor/resource.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CLumivanePage1, CLumivanePage)

BEGIN_MESSAGE_MAP(CLumivanePage1, CLumivanePage)
    // void OnBrowse()
    ON_BN_CLICKED(IDC_SHOW_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CLumivanePage1::CLumivanePage1(CLumivaneSheet* pWizard)
    : CLumivanePage(IDD_LUMIVANE_PAGE1, pWizard, PSWIZB_NEXT | PSWIZB_DISABLEDFINISH)
{
}

void CLumivanePage1::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SHOW_FOLDER, m_strShowFolder);
}

void CLumivanePage1::OnBrowse()
{
    UpdateData(TRUE);
    CFolderBrowserDlg dlg(this);
    CString text;
    LoadResString(IDS_SHOW_FOLDER_TITLE, text);
    dlg.SetTitle(text);
    LoadResString(IDS_SHOW_FOLDER_PROMPT, text);
    dlg.SetPrompt(text);
    dlg.m_strFolderPath = m_strShowFolder;
    // A tree item that is no folder gives no path: the field stays.
    if (dlg.DoModal() != IDOK || dlg.m_strFolderPath.IsEmpty())
        return;
    m_strShowFolder = dlg.m_strFolderPath;
    UpdateData(FALSE);
}

// The checks of a new project's folder: a folder with a drive, not a drive's
// root, that exists.
BOOL CLumivanePage1::CheckAndStore()
{
    if (!UpdateData(TRUE))
        return FALSE;
    CString path = m_strShowFolder;
    if (path.GetLength() < 2)
    {
        ErrorBoxById(IDS_BAD_PROJECT_PATH);
        return FALSE;
    }
    if (path.GetLength() <= 3)
    {
        CString text;
        LoadResString(IDS_ROOT_FOLDER, text);
        AfxMessageBox(text, MB_OK);
        m_strShowFolder.Empty();
        UpdateData(FALSE);
        return FALSE;
    }
    while (path.GetLength() > 1 && path[path.GetLength() - 1] == '\\')
        path = path.Left(path.GetLength() - 1);
    if (path.GetLength() < 2 || path[1] != ':')
    {
        ErrorBoxById(IDS_BAD_PROJECT_PATH);
        return FALSE;
    }
    if (_access(path, 0) != 0)
    {
        ErrorBoxById(IDS_PATH_MISSING);
        m_strShowFolder = m_pWizard->m_strShowFolder;
        UpdateData(FALSE);
        return FALSE;
    }
    m_strShowFolder = path;
    m_pWizard->m_strShowFolder = path;
    return TRUE;
}
