#include "editor/dialogs/TitleBarDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CTitleBarDlg, CDialog)

// void OnHelp()
BEGIN_MESSAGE_MAP(CTitleBarDlg, CDialog)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

CTitleBarDlg::CTitleBarDlg(CWnd* pParentWnd) : CDialog(IDD_TITLEBAR, pParentWnd) {}

void CTitleBarDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TITLE_TEXT, m_strTitle);
    DDV_MaxChars(pDX, m_strTitle, kMaxTitle);
}

void CTitleBarDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_titel.htm");
}
