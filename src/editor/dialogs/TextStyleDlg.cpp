#include "editor/dialogs/TextStyleDlg.h"

#include "editor/dialogs/DialogHelpers.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CTextStyleDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CTextStyleDlg, CDialog)
    ON_BN_CLICKED(IDC_TEXT_COLOR, OnTextColor)
    ON_BN_CLICKED(IDC_TEXT_FONT, OnTextFont)
END_MESSAGE_MAP()

CTextStyleDlg::CTextStyleDlg(UINT nIDTemplate, BOOL bFontWithColor, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_bFontWithColor(bFontWithColor)
{
}

BOOL CTextStyleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillEffectCombo(this, IDC_TEXT_EFFECT, m_font.m_nEffect);
    return TRUE;
}

void CTextStyleDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_font.m_nEffect = GetEffectComboSelection(this, IDC_TEXT_EFFECT);
    EndDialog(IDOK);
}

void CTextStyleDlg::OnTextColor()
{
    ChooseColorFor(this, m_font.m_crColor);
}

void CTextStyleDlg::OnTextFont()
{
    ChooseFontFor(m_font, m_bFontWithColor);
}
