#include "editor/dialogs/InsertObjectsDlg.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CInsertObjectsDlg, CDialog)

CInsertObjectsDlg::CInsertObjectsDlg(CWnd* pParentWnd) : CDialog(IDD_INSERT_OBJECTS, pParentWnd) {}

BOOL CInsertObjectsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The label's text is the address the link opens.
    m_link.SubclassDlgItem(IDC_INSOBJ_LINK, this);
    return TRUE;
}
