#include "editor/dialogs/LumivaneMissingDlg.h"

#include "editor/ShowIds.h"

IMPLEMENT_DYNAMIC(CLumivaneMissingDlg, CDialog)

CLumivaneMissingDlg::CLumivaneMissingDlg(CWnd* pParentWnd) : CDialog(IDD_LUMIVANE_MISSING, pParentWnd) {}

BOOL CLumivaneMissingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The label's text is the address the link opens.
    m_link.SubclassDlgItem(IDC_SHOW_LINK, this);
    m_link.SetTransparent();
    return TRUE;
}
