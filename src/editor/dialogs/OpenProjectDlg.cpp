#include "editor/dialogs/OpenProjectDlg.h"

#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "framework/WinApp.h"

#include "editor/resource.h"

BEGIN_MESSAGE_MAP(COpenProjectDlg, CDialog)
    // void OnDoubleClickList()
    ON_LBN_DBLCLK(IDC_RECENT_PROJECTS, OnDoubleClickList)
    // void OnBrowse()
    ON_BN_CLICKED(IDC_BROWSE_PROJECT, OnBrowse)
END_MESSAGE_MAP()

COpenProjectDlg::COpenProjectDlg(CWnd* pParent) : CDialog(IDD_OPEN_PROJECT, pParent), m_bBrowsed(FALSE)
{
}

BOOL COpenProjectDlg::OnInitDialog()
{
    CWinApp* pApp = AfxGetApp();
    int nCount = 0;
    for (int i = 1; i <= kMaxRecentFiles && pApp != nullptr; ++i)
    {
        CString key;
        key.Format("File%d", i);
        CString file = pApp->GetProfileString("Recent File List", key, "");
        if (file.IsEmpty())
            break;
        SendDlgItemMessage(IDC_RECENT_PROJECTS, LB_ADDSTRING, 0, (LPARAM)(LPCSTR)file);
        if (nCount++ == 0)
            m_strPath = file;
    }
    CDialog::OnInitDialog();
    if (nCount == 0)
        ::EnableWindow(::GetDlgItem(GetSafeHwnd(), IDOK), FALSE);
    return TRUE;
}

void COpenProjectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_LBString(pDX, IDC_RECENT_PROJECTS, m_strPath);
}

void COpenProjectDlg::OnOK()
{
    CDialog::OnOK();
    if (m_bBrowsed)
        m_strPath = m_strBrowsedPath;
}

void COpenProjectDlg::OnDoubleClickList()
{
    UpdateData(TRUE);
    SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void COpenProjectDlg::OnBrowse()
{
    CWinApp* pApp = AfxGetApp();
    CString preset = pApp != nullptr ? pApp->GetProfileString("PROJECT", "FILE", "Velconf.ini") : CString();
    CFileDialog dlg(TRUE, "ini", preset.Left(299), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Tarnix Project Files (*.ini)|*.ini||", this);
    if (dlg.DoModal() != IDOK)
        return;
    CString path = dlg.GetPathName();
    // Only a project file closes the dialog; any other choice leaves it as it was.
    if (path.IsEmpty() || path.Right(4).CompareNoCase(".ini") != 0)
        return;
    m_strBrowsedPath = path;
    m_bBrowsed = TRUE;
    SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
