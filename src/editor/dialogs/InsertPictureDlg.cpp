#include "editor/dialogs/InsertPictureDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ProjectFileChoice.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CInsertPictureDlg, CDialog)

// void OnBrowse()
BEGIN_MESSAGE_MAP(CInsertPictureDlg, CDialog)
    ON_BN_CLICKED(IDC_OBJ_BROWSE, OnBrowse)
END_MESSAGE_MAP()

namespace {

const char kPictureTypes[] = ".bmp;.gif;.jpg";

} // namespace

CInsertPictureDlg::CInsertPictureDlg(CWnd* pParentWnd) : CDialog(IDD_INSERT_PICTURE, pParentWnd), m_nX(0), m_nY(0), m_sizePage(0, 0)
{
}

void CInsertPictureDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_OBJ_FILE, m_strFile);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    // The picture takes its own size: its corner must lie on the page.
    DDV_ObjectOnPage(pDX, IDC_OBJ_X, m_nX, m_nY, 1, 1, m_sizePage);
}

BOOL CInsertPictureDlg::OnInitDialog()
{
    if (m_strProjectFolder.IsEmpty())
        m_strProjectFolder = EditorServices().GetProjectFolder();
    m_fileEdit.SubclassItem(IDC_OBJ_FILE, this, m_strProjectFolder, kPictureTypes);
    return CDialog::OnInitDialog();
}

void CInsertPictureDlg::OnBrowse()
{
    CString path;
    ProjectFileChoice choice =
        ChooseProjectFile(this, "Image Files (bmp, gif, jpg)|*.bmp;*.gif;*.jpg|(*.gif)|*.gif|(*.jpg)|*.jpg||", nullptr,
                          kPictureTypes, m_strProjectFolder, path);
    if (choice == PROJECT_FILE_CANCELLED)
        return;
    UpdateData(TRUE);
    m_strFile = choice == PROJECT_FILE_ACCEPTED ? path : CString();
    UpdateData(FALSE);
}
