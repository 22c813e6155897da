#include "editor/dialogs/ButtonStyleDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/DialogTexts.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButtonStyleDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CButtonStyleDlg, CDialog)
    ON_BN_CLICKED(IDC_STYLE_FONT, OnFont)
    ON_BN_CLICKED(IDC_STYLE_COLOR, OnColor)
    ON_BN_CLICKED(IDC_STYLE_AUTO_BRIGHT, OnAutoBrightness)
    ON_BN_CLICKED(IDC_STYLE_MANUAL_BRIGHT, OnManualBrightness)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

CButtonStyleDlg::CButtonStyleDlg(CWnd* pParentWnd)
    : CDialog(IDD_BUTTON_STYLE, pParentWnd), m_nEffect(-1), m_nHover(0), m_nBrightness(0), m_bManualBrightness(0)
{
}

void CButtonStyleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_STYLE_HOVER, m_nHover);
    DDX_Radio(pDX, IDC_STYLE_AUTO_BRIGHT, m_bManualBrightness);
    // An automatic brightness is not shown and not read.
    if (m_bManualBrightness == 1)
    {
        DDX_Text(pDX, IDC_STYLE_BRIGHTNESS, m_nBrightness);
        DDV_MinMaxInt(pDX, m_nBrightness, -kMaxManual, kMaxManual);
    }
}

BOOL CButtonStyleDlg::OnInitDialog()
{
    FillEffectCombo(this, IDC_STYLE_EFFECT, m_font.m_nEffect);
    m_bManualBrightness = m_nBrightness <= kMaxManual;
    if (!m_bManualBrightness)
        m_nBrightness = 0;
    CDialog::OnInitDialog();
    EnableDlgItem(this, IDC_STYLE_BRIGHTNESS, m_bManualBrightness);
    return TRUE;
}

void CButtonStyleDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_nEffect = GetEffectComboSelection(this, IDC_STYLE_EFFECT);
    m_font.m_nEffect = m_nEffect;
    if (m_bManualBrightness != 1)
        m_nBrightness = kAutoBrightness;
    EndDialog(IDOK);
}

void CButtonStyleDlg::OnFont()
{
    ChooseFontFor(m_font, TRUE);
}

void CButtonStyleDlg::OnColor()
{
    ChooseColorFor(this, m_font.m_crColor);
}

void CButtonStyleDlg::OnAutoBrightness()
{
    EnableDlgItem(this, IDC_STYLE_BRIGHTNESS, FALSE);
}

void CButtonStyleDlg::OnManualBrightness()
{
    EnableDlgItem(this, IDC_STYLE_BRIGHTNESS, TRUE);
}

void CButtonStyleDlg::OnHelp()
{
    EditorServices().ShowHelpPage("index.htm");
}
