#include "editor/dialogs/NewFolderDlg.h"

#include "framework/DataExchange.h"

#include "editor/ShowIds.h"

CNewFolderDlg::CNewFolderDlg(CWnd* pParent) : CDialog(IDD_NEW_FOLDER, pParent) {}

void CNewFolderDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NEW_FOLDER_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameChars);
}
