#include "editor/dialogs/LanguageDlg.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CLanguageDlg, CDialog)

CLanguageDlg::CLanguageDlg(CWnd* pParentWnd) : CDialog(IDD_LANGUAGE, pParentWnd), m_nChoice(0), m_chLetter('G') {}

void CLanguageDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_LANG_GERMAN, m_nChoice);
}

BOOL CLanguageDlg::OnInitDialog()
{
    m_nChoice = m_chLetter == 'G' ? 0 : 1;
    return CDialog::OnInitDialog();
}

void CLanguageDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_chLetter = m_nChoice == 1 ? 'E' : 'G';
    EndDialog(IDOK);
}
