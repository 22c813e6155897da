#include "editor/dialogs/DesktopDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CDesktopDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CDesktopDlg, CDialog)
    ON_BN_CLICKED(IDC_DESKTOP_COVER, OnCover)
    ON_BN_CLICKED(IDC_DESKTOP_COLOR, OnColor)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

CDesktopDlg::CDesktopDlg(CWnd* pParentWnd) : CDialog(IDD_DESKTOP, pParentWnd), m_bCover(0), m_crColor(0x808000) {}

void CDesktopDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_DESKTOP_COVER, m_bCover);
}

BOOL CDesktopDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableDlgItem(this, IDC_DESKTOP_COLOR, m_bCover);
    return TRUE;
}

void CDesktopDlg::OnCover()
{
    if (UpdateData(TRUE))
        EnableDlgItem(this, IDC_DESKTOP_COLOR, m_bCover);
}

void CDesktopDlg::OnColor()
{
    ChooseColorFor(this, m_crColor);
}

void CDesktopDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_desktop.htm");
}
