#include "editor/dialogs/TextFontDlg.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CTextFontDlg, CTextStyleDlg)

CTextFontDlg::CTextFontDlg(CWnd* pParentWnd) : CTextStyleDlg(IDD_TEXT_FONT, TRUE, pParentWnd), m_nEffect(-1) {}

void CTextFontDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_TEXT_EFFECT, m_nEffect);
}
