#include "editor/dialogs/TextFieldDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ProjectFileChoice.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CTextFieldDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CTextFieldDlg, CDialog)
    ON_BN_CLICKED(IDC_TFIELD_BROWSE, OnBrowse)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

// Every type passes ('*'); the folder check stays.
const char kDocumentTypes[] = ".txt;.*";

} // namespace

CTextFieldDlg::CTextFieldDlg(CWnd* pParentWnd)
    : CDialog(IDD_TEXT_FIELD, pParentWnd), m_bHorzScroll(1), m_bVertScroll(1), m_nHeight(200), m_nWidth(200), m_nX(0),
      m_nY(0), m_sizePage(0, 0)
{
}

void CTextFieldDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_TFIELD_HSCROLL, m_bHorzScroll);
    DDX_Check(pDX, IDC_TFIELD_VSCROLL, m_bVertScroll);
    DDX_Text(pDX, IDC_TFIELD_HEIGHT, m_nHeight);
    DDV_MinMaxInt(pDX, m_nHeight, 40, 480);
    DDX_Text(pDX, IDC_TFIELD_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 60, 640);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, 999);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, 999);
    DDV_ObjectOnPage(pDX, IDC_OBJ_X, m_nX, m_nY, m_nWidth, m_nHeight, m_sizePage);
    DDX_Text(pDX, IDC_TFIELD_DOCUMENT, m_strDocument);
    DDV_MaxChars(pDX, m_strDocument, 240);
}

BOOL CTextFieldDlg::OnInitDialog()
{
    m_fileEdit.SubclassItem(IDC_TFIELD_DOCUMENT, this, EditorServices().GetProjectFolder(), kDocumentTypes);
    return CDialog::OnInitDialog();
}

void CTextFieldDlg::OnBrowse()
{
    CString path;
    ProjectFileChoice choice = ChooseProjectFile(this, "Text Dateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*||", "*.txt",
                                                 kDocumentTypes, EditorServices().GetProjectFolder(), path);
    if (choice == PROJECT_FILE_CANCELLED)
        return;
    UpdateData(TRUE);
    m_strDocument = choice == PROJECT_FILE_ACCEPTED ? path : CString();
    UpdateData(FALSE);
}

void CTextFieldDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_textfeld.htm");
}
