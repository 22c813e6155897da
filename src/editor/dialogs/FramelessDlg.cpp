#include "editor/dialogs/FramelessDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CFramelessDlg, CDialog)

// void OnHelp()
BEGIN_MESSAGE_MAP(CFramelessDlg, CDialog)
    ON_HELP_BUTTON(IDC_FRAMELESS_HELP, OnHelp)
END_MESSAGE_MAP()

CFramelessDlg::CFramelessDlg(CWnd* pParentWnd)
    : CDialog(IDD_FRAMELESS, pParentWnd), m_nCornerWidth(0), m_nCornerHeight(0)
{
}

void CFramelessDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_FRAMELESS_WIDTH, m_nCornerWidth);
    DDV_MinMaxInt(pDX, m_nCornerWidth, 0, 512);
    DDX_Text(pDX, IDC_FRAMELESS_HEIGHT, m_nCornerHeight);
    DDV_MinMaxInt(pDX, m_nCornerHeight, 0, 512);
}

void CFramelessDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_frameless.htm");
}
