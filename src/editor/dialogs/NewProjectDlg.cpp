#include "editor/dialogs/NewProjectDlg.h"

#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include "editor/resource.h"

BEGIN_MESSAGE_MAP(CNewProjectDlg, CDialog)
    // void OnHelp()
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelp)
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
    if (m_strFolder.GetLength() >= 2 && m_strFolder[m_strFolder.GetLength() - 1] != '\\' && m_strFolder[1] == ':')
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
