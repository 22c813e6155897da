#include "editor/dialogs/BackgroundImageDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ProjectFileChoice.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CBackgroundImageDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CBackgroundImageDlg, CDialog)
    ON_BN_CLICKED(IDC_BKIMG_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_BKIMG_LEGACY, OnLegacy)
    ON_BN_CLICKED(IDC_BKIMG_FIT, OnPositionMode)
    ON_BN_CLICKED(IDC_BKIMG_CENTER, OnPositionMode)
    ON_BN_CLICKED(IDC_BKIMG_POSITION, OnPositionMode)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const char kPictureTypes[] = ".bmp";

} // namespace

CBackgroundImageDlg::CBackgroundImageDlg(CWnd* pParentWnd)
    : CDialog(IDD_BACKGROUND_IMAGE, pParentWnd), m_bEnabled(1), m_nX(0), m_nY(0), m_nPosMode(POS_FIT_WINDOW),
      m_bLegacy(0), m_bFileAccepted(0)
{
}

void CBackgroundImageDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BKIMG_FILE, m_strFile);
    DDV_MaxChars(pDX, m_strFile, 240);
    DDX_Check(pDX, IDC_BKIMG_ENABLE, m_bEnabled);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, 1024);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, 1024);
    DDX_Radio(pDX, IDC_BKIMG_FIT, m_nPosMode);
    DDX_Check(pDX, IDC_BKIMG_LEGACY, m_bLegacy);
}

BOOL CBackgroundImageDlg::OnInitDialog()
{
    m_fileEdit.SubclassItem(IDC_BKIMG_FILE, this, EditorServices().GetProjectFolder(), kPictureTypes);
    CDialog::OnInitDialog();
    UpdateEnabling();
    return TRUE;
}

void CBackgroundImageDlg::UpdateEnabling()
{
    BOOL bModes = !m_bLegacy;
    BOOL bPosition = bModes && m_nPosMode == POS_AT_XY;
    for (int nID : { IDC_BKIMG_FIT, IDC_BKIMG_CENTER, IDC_BKIMG_POSITION })
        EnableDlgItem(this, nID, bModes);
    EnableDlgItem(this, IDC_OBJ_X, bPosition);
    EnableDlgItem(this, IDC_OBJ_Y, bPosition);
}

void CBackgroundImageDlg::OnPositionMode()
{
    BOOL bPosition = IsDlgButtonChecked(IDC_BKIMG_POSITION) == BST_CHECKED;
    EnableDlgItem(this, IDC_OBJ_X, bPosition);
    EnableDlgItem(this, IDC_OBJ_Y, bPosition);
}

void CBackgroundImageDlg::OnLegacy()
{
    UpdateData(TRUE);
    m_nX = 0;
    m_nY = 0;
    m_nPosMode = POS_AT_XY;
    UpdateData(FALSE);
    // After the reset, so that "position" comes with its fields.
    UpdateEnabling();
}

void CBackgroundImageDlg::OnBrowse()
{
    CString path;
    ProjectFileChoice choice = ChooseProjectFile(this, "Image Files|*.bmp||", nullptr, kPictureTypes,
                                                 EditorServices().GetProjectFolder(), path);
    if (choice == PROJECT_FILE_CANCELLED)
        return;
    UpdateData(TRUE);
    m_bFileAccepted = choice == PROJECT_FILE_ACCEPTED;
    m_strFile = m_bFileAccepted ? path : CString();
    UpdateData(FALSE);
}

void CBackgroundImageDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_image.htm");
}

void CBackgroundImageDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bEnabled && !m_strFile.IsEmpty())
    {
        m_bFileAccepted = CFileEdit::CheckFile(m_strFile, kPictureTypes, EditorServices().GetProjectFolder(), TRUE);
        if (!m_bFileAccepted)
        {
            m_strFile.Empty();
            m_bEnabled = 0;
            UpdateData(FALSE);
        }
    }
    else if (m_bEnabled)
    {
        MessageBoxById(IDS_BACKGROUND_NO_FILE);
        m_bEnabled = 0;
    }
    EndDialog(IDOK);
}
