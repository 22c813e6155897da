#include "editor/dialogs/NewProjectDlg.h"

#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/FolderBrowserDlg.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include "editor/resource.h"

BEGIN_MESSAGE_MAP(CNewProjectDlg, CDialog)
    // void OnHelp()
    ON_HELP_BUTTON(IDC_HELP_BUTTON, OnHelp)
    // void OnBrowse()
    ON_BN_CLICKED(IDC_BROWSE_FOLDER, OnBrowse)
END_MESSAGE_MAP()

CNewProjectDlg::CNewProjectDlg(CWnd* pParent) : CDialog(IDD_NEW_PROJECT, pParent)
{
}

void CNewProjectDlg::CutTrailingBackslashes(CString& strPath)
{
    while (strPath.GetLength() > 1 && strPath[strPath.GetLength() - 1] == '\\')
        strPath = strPath.Left(strPath.GetLength() - 1);
}

void CNewProjectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PROJECT_FOLDER, m_strFolder);
    DDV_MaxChars(pDX, m_strFolder, kMaxFolderChars);
    if (pDX->m_bSaveAndValidate)
        CutTrailingBackslashes(m_strFolder);
}

void CNewProjectDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int nLength = m_strFolder.GetLength();
    if (nLength < 2)
    {
        ErrorBoxById(IDS_BAD_PROJECT_PATH);
        return;
    }
    if (nLength <= 3)
    {
        CString text;
        LoadResString(IDS_ROOT_FOLDER, text);
        AfxMessageBox(text, MB_OK);
        m_strFolder.Empty();
        UpdateData(FALSE);
        return;
    }
    CutTrailingBackslashes(m_strFolder);
    // A drive, a colon and a backslash: "D:Menu" would count from whatever
    // folder is current on drive D.
    if (m_strFolder.GetLength() >= 4 && m_strFolder[m_strFolder.GetLength() - 1] != '\\' && m_strFolder[1] == ':' &&
        m_strFolder[2] == '\\')
    {
        CDialog::OnOK();
        return;
    }
    ErrorBoxById(IDS_BAD_PROJECT_PATH);
}

void CNewProjectDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_projekt.htm");
}

// Starts on the path as typed; the edit is checked only by OK.
void CNewProjectDlg::OnBrowse()
{
    CFolderBrowserDlg dlg(this);
    CString text;
    LoadResString(IDS_FOLDER_TITLE, text);
    dlg.SetTitle(text);
    LoadResString(IDS_FOLDER_PROMPT, text);
    dlg.SetPrompt(text);
    GetDlgItemText(IDC_PROJECT_FOLDER, dlg.m_strFolderPath);
    // A tree item that is no folder gives no path: the field stays.
    if (dlg.DoModal() != IDOK || dlg.m_strFolderPath.IsEmpty())
        return;
    m_strFolder = dlg.m_strFolderPath;
    UpdateData(FALSE);
}
