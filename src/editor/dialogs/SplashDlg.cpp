#include "editor/dialogs/SplashDlg.h"

#include "framework/Brush.h"
#include "framework/DataExchange.h"
#include "framework/PaintDC.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ImageFormatDlg.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CSplashDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CSplashDlg, CDialog)
    ON_BN_CLICKED(IDC_SPLASH_ICON_BROWSE, OnBrowseIcon)
    ON_BN_CLICKED(IDC_SPLASH_COLOR, OnColor)
    ON_BN_CLICKED(IDC_SPLASH_PICTURE_MODE, OnPictureMode)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
    ON_WM_PAINT()
END_MESSAGE_MAP()

constexpr RECT CSplashDlg::kSwatch;

CSplashDlg::CSplashDlg(CWnd* pParentWnd)
    : CDialog(IDD_SPLASH, pParentWnd), m_nTime(5), m_bEnable(0), m_bPictureMode(0), m_crBackground(0xFFFFFF)
{
}

void CSplashDlg::DoDataExchange(CDataExchange* pDX)
{
    const struct
    {
        int nID;
        CString* pLine;
    } lines[] = { { IDC_SPLASH_LINE1, &m_strLine1 }, { IDC_SPLASH_LINE2, &m_strLine2 },
                  { IDC_SPLASH_LINE3, &m_strLine3 }, { IDC_SPLASH_LINE4, &m_strLine4 } };
    for (const auto& line : lines)
    {
        DDX_Text(pDX, line.nID, *line.pLine);
        DDV_MaxChars(pDX, *line.pLine, kMaxLine);
    }
    DDX_Text(pDX, IDC_SPLASH_ICON, m_strIcon);
    DDV_MaxChars(pDX, m_strIcon, kMaxIcon);
    // The time of a screen that is not shown is not checked.
    DDX_Check(pDX, IDC_SPLASH_ENABLE, m_bEnable);
    DDX_IntIfApplies(pDX, IDC_SPLASH_TIME, m_nTime, 1, 20, m_bEnable != 0);
}

BOOL CSplashDlg::OnInitDialog()
{
    m_iconEdit.SubclassItem(IDC_SPLASH_ICON, this, EditorServices().GetProjectFolder(), ".ico");
    CDialog::OnInitDialog();
    ApplyEnabling();
    return TRUE;
}

void CSplashDlg::ApplyEnabling()
{
    const BOOL bText = !m_bPictureMode;
    for (int nID : { IDC_SPLASH_LINE1, IDC_SPLASH_LINE2, IDC_SPLASH_LINE3, IDC_SPLASH_LINE4 })
        EnableDlgItem(this, nID, bText);
    if (bText)
    {
        EnableDlgItem(this, IDC_SPLASH_ICON, TRUE);
        EnableDlgItem(this, IDC_SPLASH_ICON_BROWSE, TRUE);
    }
    EnableDlgItem(this, IDC_SPLASH_PICTURE, !bText);
    EnableDlgItem(this, IDC_SPLASH_PICTURE_BROWSE, !bText);
}

void CSplashDlg::OnBrowseIcon()
{
    if (!UpdateData(TRUE))
        return;
    const CString folder = EditorServices().GetProjectFolder();
    CString path;
    if (!BrowseForFile(this, "Icon Files (*.ico)|*.ico||", "ico", folder + "\\*.ico", nullptr, path))
        return;
    m_strIcon = path;
    if (!CFileEdit::CheckFile(m_strIcon, ".ico", folder, TRUE))
        m_strIcon.Empty();
    UpdateData(FALSE);
}

void CSplashDlg::OnColor()
{
    if (ChooseColorFor(this, m_crBackground))
        Invalidate();
}

void CSplashDlg::OnPictureMode()
{
    if (UpdateData(TRUE))
        ApplyEnabling();
}

void CSplashDlg::OnOK()
{
    if (IsGifOrJpgName(m_strPictureFile))
        CImageFormatDlg::ShowUnlessSwitchedOff(this);
    CDialog::OnOK();
}

void CSplashDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_willkommen.htm");
}

void CSplashDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect frame(kSwatch);
    dc.FillSolidRect(&frame, RGB(0, 0, 0));
    frame.DeflateRect(1, 1);
    dc.FillSolidRect(&frame, m_crBackground);
}
