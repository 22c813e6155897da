#include "editor/dialogs/FlagsDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CFlagsDlg, CDialog)

// void OnHelp()
BEGIN_MESSAGE_MAP(CFlagsDlg, CDialog)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

CFlagsDlg::CFlagsDlg(CWnd* pParentWnd)
    : CDialog(IDD_FLAGS, pParentWnd), m_bShowErrors(0), m_bEscapeExits(0)
{
}

void CFlagsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_FLAGS_SHOW_ERRORS, m_bShowErrors);
    DDX_Check(pDX, IDC_FLAGS_ESCAPE, m_bEscapeExits);
}

void CFlagsDlg::OnHelp()
{
    EditorServices().ShowHelpPage("index.htm");
}
