#include "editor/dialogs/WindowPosDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/FramelessDlg.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CWindowPosDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CWindowPosDlg, CDialog)
    ON_BN_CLICKED(IDC_WINPOS_CENTER, OnCenter)
    ON_BN_CLICKED(IDC_WINPOS_POSITION, OnPosition)
    ON_BN_CLICKED(IDC_WINPOS_AS_PICTURE, OnAsPicture)
    ON_BN_CLICKED(IDC_WINPOS_SIZE_GIVEN, OnSizeGiven)
    ON_BN_CLICKED(IDC_WINPOS_BORDER, OnBorder)
    ON_BN_CLICKED(IDC_WINPOS_FRAMELESS, OnFrameless)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

CWindowPosDlg::CWindowPosDlg(CWnd* pParentWnd)
    : CDialog(IDD_WINDOWPOS, pParentWnd), m_nHeight(0), m_nWidth(0), m_nX(0), m_nY(0), m_nPositionMode(0),
      m_nSizeMode(0), m_nBorder(1), m_nCornerWidth(0), m_nCornerHeight(0)
{
}

// A size taken from the background picture and the position of a centred
// window are not the author's: they are not checked (the picture may be larger
// than a size the author may give).
void CWindowPosDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_WINPOS_CENTER, m_nPositionMode);
    DDX_Radio(pDX, IDC_WINPOS_AS_PICTURE, m_nSizeMode);
    DDX_Check(pDX, IDC_WINPOS_BORDER, m_nBorder);
    DDX_IntIfApplies(pDX, IDC_WINPOS_HEIGHT, m_nHeight, 50, 1200, m_nSizeMode != 0);
    DDX_IntIfApplies(pDX, IDC_WINPOS_WIDTH, m_nWidth, 120, 1200, m_nSizeMode != 0);
    DDX_IntIfApplies(pDX, IDC_WINPOS_X, m_nX, 0, 1000, m_nPositionMode != 0);
    DDX_IntIfApplies(pDX, IDC_WINPOS_Y, m_nY, 0, 1000, m_nPositionMode != 0);
}

BOOL CWindowPosDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnablePosition(m_nPositionMode != 0);
    EnableSize(m_nSizeMode != 0);
    EnableDlgItem(this, IDC_WINPOS_FRAMELESS, m_nBorder == 0);
    return TRUE;
}

void CWindowPosDlg::EnablePosition(BOOL bEnable)
{
    EnableDlgItem(this, IDC_WINPOS_X, bEnable);
    EnableDlgItem(this, IDC_WINPOS_Y, bEnable);
}

void CWindowPosDlg::EnableSize(BOOL bEnable)
{
    EnableDlgItem(this, IDC_WINPOS_WIDTH, bEnable);
    EnableDlgItem(this, IDC_WINPOS_HEIGHT, bEnable);
}

void CWindowPosDlg::OnBorder()
{
    if (UpdateData(TRUE))
        EnableDlgItem(this, IDC_WINPOS_FRAMELESS, m_nBorder == 0);
}

void CWindowPosDlg::OnFrameless()
{
    CFramelessDlg dlg(this);
    dlg.m_nCornerWidth = m_nCornerWidth;
    dlg.m_nCornerHeight = m_nCornerHeight;
    if (dlg.DoModal() == IDOK)
    {
        m_nCornerWidth = dlg.m_nCornerWidth;
        m_nCornerHeight = dlg.m_nCornerHeight;
    }
}

void CWindowPosDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_fenster.htm");
}
