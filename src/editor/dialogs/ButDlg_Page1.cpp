#include "editor/dialogs/ButDlg_Page1.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButDlg_Page1, CButDlgPage)

namespace {

const char kBreakTag[] = "<BR>";

} // namespace

CButDlg_Page1::CButDlg_Page1() : CButDlgPage(IDD_BUT_PAGE_TEXT, 0) {}

CString CButDlg_Page1::StoredCaption(const CString& strShown)
{
    CString stored(strShown);
    stored.Replace("\r\n", kBreakTag);
    if (stored.GetLength() <= kMaxCaption)
        return stored;
    stored = stored.Left(kMaxCaption);
    // A tag cut in its middle would show as text.
    for (int nKept = 3; nKept >= 1; --nKept)
    {
        if (stored.Right(nKept) == CString(kBreakTag, nKept))
            return stored.Left(kMaxCaption - nKept);
    }
    return stored;
}

CString CButDlg_Page1::ShownCaption(const CString& strStored)
{
    CString shown(strStored);
    shown.Replace(kBreakTag, "\r\n");
    return shown;
}

void CButDlg_Page1::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BUT_CAPTION, m_strCaption);
    DDV_MaxChars(pDX, m_strCaption, kMaxCaption);
    DDX_Text(pDX, IDC_BUT_TOOLTIP, m_strTooltip);
    DDV_MaxChars(pDX, m_strTooltip, kMaxTooltip);
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
