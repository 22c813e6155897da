#include "editor/dialogs/TooltipDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/TooltipPictureDlg.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CTooltipDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CTooltipDlg, CDialog)
    ON_BN_CLICKED(IDC_TIP_BACKCOLOR, OnBackgroundColor)
    ON_BN_CLICKED(IDC_TIP_FONTCOLOR, OnFontColor)
    ON_BN_CLICKED(IDC_TIP_FONT, OnFont)
    ON_BN_CLICKED(IDC_TIP_TRANSPARENT, OnTransparent)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
    ON_BN_CLICKED(IDC_TIP_PICTURE, OnInsertPicture)
END_MESSAGE_MAP()

namespace {

// Every "<BR>", in any case, becomes CR LF.
void BreaksToLines(CString& strText)
{
    CString upper(strText);
    upper.MakeUpper();
    CString result;
    int nStart = 0;
    for (int nFound; (nFound = upper.Find("<BR>", nStart)) >= 0; nStart = nFound + 4)
        result += strText.Mid(nStart, nFound - nStart) + "\r\n";
    strText = result + strText.Mid(nStart);
}

} // namespace

CTooltipDlg::CTooltipDlg(CWnd* pParentWnd)
    : CDialog(IDD_TOOLTIP, pParentWnd), m_bEnable(0), m_bTransparent(0), m_nHeight(0), m_nWidth(0), m_nX(0), m_nY(0),
      m_bCenter(0), m_crBackground(0), m_sizePage(0, 0)
{
}

void CTooltipDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_TIP_ENABLE, m_bEnable);
    DDX_Check(pDX, IDC_TIP_TRANSPARENT, m_bTransparent);
    DDX_Text(pDX, IDC_TIP_TEXT, m_strDefaultText);
    // The project keeps the text with its line breaks as "<BR>": that form
    // must fit, or the player would show a text cut in the middle of a tag.
    CString stored(m_strDefaultText);
    stored.Replace("\r\n", "<BR>");
    DDV_MaxChars(pDX, stored, MAX_DEFAULT_TEXT);
    DDX_Text(pDX, IDC_TIP_HEIGHT, m_nHeight);
    DDX_Text(pDX, IDC_TIP_WIDTH, m_nWidth);
    DDX_Text(pDX, IDC_TIP_X, m_nX);
    DDX_Text(pDX, IDC_TIP_Y, m_nY);
    DDV_ObjectOnPage(pDX, IDC_TIP_X, m_nX, m_nY, m_nWidth, m_nHeight, m_sizePage);
    DDX_Check(pDX, IDC_TIP_CENTER, m_bCenter);
}

BOOL CTooltipDlg::OnInitDialog()
{
    BreaksToLines(m_strDefaultText);
    CDialog::OnInitDialog();
    EnableDlgItem(this, IDC_TIP_BACKCOLOR, !m_bTransparent);
    return TRUE;
}

void CTooltipDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
    m_strDefaultText.Replace("\r\n", "<BR>");
}

void CTooltipDlg::OnTransparent()
{
    UpdateData(TRUE);
    EnableDlgItem(this, IDC_TIP_BACKCOLOR, !m_bTransparent);
}

void CTooltipDlg::OnBackgroundColor()
{
    ChooseColorFor(this, m_crBackground);
}

void CTooltipDlg::OnFontColor()
{
    ChooseColorFor(this, m_font.m_crColor);
}

void CTooltipDlg::OnFont()
{
    ChooseFontFor(m_font, TRUE);
}

void CTooltipDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_tooltip.htm");
}

void CTooltipDlg::OnInsertPicture()
{
    UpdateData(TRUE);
    CTooltipPictureDlg dlg(this);
    dlg.m_strText = m_strDefaultText;
    if (dlg.DoModal() == IDOK)
        m_strDefaultText = dlg.m_strText;
    UpdateData(FALSE);
}
