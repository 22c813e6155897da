#include "editor/dialogs/HypertextButtonDlg.h"

#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CHypertextButtonDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CHypertextButtonDlg, CDialog)
    ON_BN_CLICKED(IDC_HYPER_IDLE_FONT, OnIdleFont)
    ON_BN_CLICKED(IDC_HYPER_IDLE_COLOR, OnIdleColor)
    ON_BN_CLICKED(IDC_HYPER_OVER_FONT, OnOverFont)
    ON_BN_CLICKED(IDC_HYPER_OVER_COLOR, OnOverColor)
    ON_BN_CLICKED(IDC_HYPER_DOWN_FONT, OnDownFont)
    ON_BN_CLICKED(IDC_HYPER_DOWN_COLOR, OnDownColor)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

CHypertextButtonDlg::CHypertextButtonDlg(CWnd* pParentWnd) : CDialog(IDD_HYPERTEXT_BUTTON, pParentWnd) {}

void CHypertextButtonDlg::OnHelp()
{
    EditorServices().ShowHelpPage("index.htm");
}
