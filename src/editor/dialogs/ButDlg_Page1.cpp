#include "editor/dialogs/ButDlg_Page1.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButDlg_Page1, CButDlgPage)

namespace {

const char kBreakTag[] = "<BR>";

} // namespace

CButDlg_Page1::CButDlg_Page1() : CButDlgPage(IDD_BUT_PAGE_TEXT, 0) {}

// Every line break the edit can hold becomes one tag, as the project writer
// stores it.
CString CButDlg_Page1::StoredCaption(const CString& strShown)
{
    CString stored(strShown);
    stored.Replace("\r\n", kBreakTag);
    stored.Replace("\r", kBreakTag);
    stored.Replace("\n", kBreakTag);
    return stored;
}

CString CButDlg_Page1::ShownCaption(const CString& strStored)
{
    CString shown(strStored);
    shown.Replace(kBreakTag, "\r\n");
    return shown;
}

// The limits hold for the stored texts: a line break counts as its tag, and a
// text beyond the limit is refused, never cut.
void CButDlg_Page1::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BUT_CAPTION, m_strCaption);
    DDV_MaxChars(pDX, StoredCaption(m_strCaption), kMaxCaption);
    DDX_Text(pDX, IDC_BUT_TOOLTIP, m_strTooltip);
    DDV_MaxChars(pDX, StoredCaption(m_strTooltip), kMaxTooltip);
}

BOOL CButDlg_Page1::OnInitDialog()
{
    m_strCaption = ShownCaption(m_strCaption);
    return CButDlgPage::OnInitDialog();
}

void CButDlg_Page1::OnOK()
{
    UpdateData(TRUE);
    m_strCaption = StoredCaption(m_strCaption);
    CButDlgPage::OnOK();
}
