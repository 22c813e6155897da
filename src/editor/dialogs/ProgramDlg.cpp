#include "editor/dialogs/ProgramDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/DialogHelpers.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CProgramDlg, CDialog)

// void OnBrowse()
BEGIN_MESSAGE_MAP(CProgramDlg, CDialog)
    ON_BN_CLICKED(IDC_PROGRAM_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CProgramDlg::CProgramDlg(CWnd* pParentWnd) : CDialog(IDD_PROGRAM, pParentWnd) {}

void CProgramDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PROGRAM_PATH, m_strPath);
}

void CProgramDlg::OnBrowse()
{
    if (BrowseForFile(this, "Exe Files (exe)|*.exe||", nullptr, nullptr, nullptr, m_strPath))
        UpdateData(FALSE);
}
