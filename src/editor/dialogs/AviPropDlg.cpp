#include "editor/dialogs/AviPropDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ProjectFileChoice.h"
#include "framework/DataExchange.h"
#include "shared/menuobj/AviCtrl.h"
#include "shared/menuobj/FileWarning.h"
#include "shared/menuobj/ProjectPaths.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CAviPropDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CAviPropDlg, CDialog)
    ON_BN_CLICKED(IDC_OBJ_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_OBJ_COLOR, OnColor)
END_MESSAGE_MAP()

namespace {

const char kAviTypes[] = ".avi";
const char kAviFilter[] = "Avi Files (avi)|*.avi||";

} // namespace

CAviPropDlg::CAviPropDlg(CWnd* pParentWnd)
    : CDialog(IDD_AVI_PROPS, pParentWnd), m_bBorder(0), m_nRepeat(-1), m_nX(0), m_nY(0), m_rcClip{ 0, 0, 0, 0 },
      m_crBackground(0xFFFFFF), m_sizePage(0, 0)
{
}

void CAviPropDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_AVI_BORDER, m_bBorder);
    DDX_Text(pDX, IDC_OBJ_FILE, m_strFile);
    DDX_Text(pDX, IDC_AVI_REPEAT, m_nRepeat);
    DDV_MinMaxLong(pDX, m_nRepeat, -1, 1000000000);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, 2048);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, 2048);
}

BOOL CAviPropDlg::OnInitDialog()
{
    if (m_strProjectFolder.IsEmpty())
        m_strProjectFolder = EditorServices().GetProjectFolder();
    m_fileEdit.SubclassItem(IDC_OBJ_FILE, this, m_strProjectFolder, kAviTypes);
    return CDialog::OnInitDialog();
}

BOOL CAviPropDlg::CheckAviFile()
{
    if (m_strFile.IsEmpty())
    {
        ErrorBoxById(IDS_NO_FILE_GIVEN);
        return FALSE;
    }
    // Resolved before the read test: a stored "_CURRENTDIR_" name is no path
    // the file system knows.
    if (!m_strProjectFolder.IsEmpty())
        ResolveProjectPath(CString(m_strFile), m_strFile, m_strProjectFolder);
    if (!IsReadableFile(m_strFile))
    {
        WarnCannotOpenFile(m_strFile);
        return FALSE;
    }
    CAviCtrl probe;
    if (!probe.IsPlayableFile(m_strFile))
    {
        if (probe.IsProbed())
            WarnAviNotAllowed(probe.GetCodec());
        else
            WarnCannotOpenFile(m_strFile);
        return FALSE;
    }
    if (probe.GetFrameWidth() > 0 && probe.GetFrameHeight() > 0)
        m_rcClip = { m_nX, m_nY, m_nX + probe.GetFrameWidth(), m_nY + probe.GetFrameHeight() };
    return TRUE;
}

void CAviPropDlg::OnBrowse()
{
    CString path;
    if (ChooseProjectFile(this, kAviFilter, nullptr, kAviTypes, m_strProjectFolder, path) != PROJECT_FILE_ACCEPTED)
        return;
    m_strFile = path;
    if (CheckAviFile())
    {
        path = m_strFile;
        UpdateData(TRUE);
        m_strFile = path;
    }
    else
        m_strFile.Empty();
    UpdateData(FALSE);
}

void CAviPropDlg::OnColor()
{
    ChooseColorFor(this, m_crBackground);
}

void CAviPropDlg::OnOK()
{
    if (!UpdateData(TRUE) || !CheckAviFile())
        return;
    const int cx = m_rcClip.right - m_rcClip.left, cy = m_rcClip.bottom - m_rcClip.top;
    if (!ObjectLiesOnPage(m_nX, m_nY, cx > 0 ? cx : 1, cy > 0 ? cy : 1, m_sizePage))
    {
        ShowObjectNotOnPage(m_sizePage);
        GotoDlgCtrl(GetDlgItem(IDC_OBJ_X));
        return;
    }
    EndDialog(IDOK);
}
