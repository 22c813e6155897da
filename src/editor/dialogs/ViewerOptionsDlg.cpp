#include "editor/dialogs/ViewerOptionsDlg.h"

#include "editor/dialogs/ButDlg_Page2.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "framework/DataExchange.h"
#include "shared/menuobj/FileWarning.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CViewerOptionsDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CViewerOptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_VIEWER_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_VIEWER_BACKCOLOR, OnBackgroundColor)
    ON_BN_CLICKED(IDC_VIEWER_TEXTCOLOR, OnTextColor)
    ON_HELP_BUTTON(IDC_VIEWER_HELP, OnHelp)
END_MESSAGE_MAP()

CViewerOptionsDlg::CViewerOptionsDlg(CWnd* pParentWnd)
    : CDialog(IDD_VIEWER_OPTIONS, pParentWnd), m_bShowMenu(0), m_nIcon(0), m_nFont(0), m_nWidth(400), m_nHeight(470),
      m_nX(-1), m_nY(0), m_crBackground(0xE2FFFF), m_crText(0)
{
}

void CViewerOptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_VIEWER_MENU, m_bShowMenu);
    DDX_Text(pDX, IDC_VIEWER_TITLE, m_strTitle);
    DDX_Text(pDX, IDC_VIEWER_DOCUMENT, m_strDocument);
    DDX_Radio(pDX, IDC_VIEWER_ICON1, m_nIcon);
    DDX_Radio(pDX, IDC_VIEWER_COURIER, m_nFont);
    DDX_Text(pDX, IDC_VIEWER_WIDTH, m_nWidth);
    DDV_MinMaxLong(pDX, m_nWidth, -1, 2048);
    DDX_Text(pDX, IDC_VIEWER_HEIGHT, m_nHeight);
    DDV_MinMaxLong(pDX, m_nHeight, -1, 2048);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDV_MinMaxLong(pDX, m_nX, -1, 2048);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    DDV_MinMaxLong(pDX, m_nY, -1, 2048);
}

BOOL CViewerOptionsDlg::OnInitDialog()
{
    m_fileEdit.SubclassItem(IDC_VIEWER_DOCUMENT, this, EditorServices().GetProjectFolder(), "*");
    return CDialog::OnInitDialog();
}

void CViewerOptionsDlg::BuildCommandLine()
{
    CString part;
    m_strCommandLine = "\"" + m_strDocument + "\"";
    if (!m_strTitle.IsEmpty())
        m_strCommandLine += " /TITLE=\"" + m_strTitle + "\"";
    if (!m_bShowMenu)
        m_strCommandLine += " /NOMENU";
    m_strCommandLine += m_nFont != 0 ? " /FONT=ARIAL" : " /FONT=COURIER";
    part.Format(" /COLOR=%d,%d,%d", GetRValue(m_crBackground), GetGValue(m_crBackground), GetBValue(m_crBackground));
    m_strCommandLine += part;
    part.Format(" /TEXT=%d,%d,%d", GetRValue(m_crText), GetGValue(m_crText), GetBValue(m_crText));
    m_strCommandLine += part;
    part.Format(" /WINDOW=%ld,%ld,%ld,%ld", m_nX, m_nY, m_nWidth, m_nHeight);
    m_strCommandLine += part;
    part.Format(" /ICON=%d", m_nIcon + 1);
    m_strCommandLine += part;
}

namespace {

// The full path of a name, "." and ".." resolved; empty when it has none.
CString FullPathOf(const CString& strPath)
{
    char szFull[MAX_PATH] = "";
    const DWORD nFull = ::GetFullPathNameA(strPath, sizeof(szFull), szFull, nullptr);
    return nFull == 0 || nFull >= sizeof(szFull) ? CString() : CString(szFull);
}

BOOL IsFileNotFolder(const CString& strPath)
{
    const DWORD dwAttributes = ::GetFileAttributesA(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           IsReadableFile(strPath);
}

} // namespace

BOOL CViewerOptionsDlg::ResolveDocument(const CString& strDocument, const CString& strFolder, CString& strFromFolder)
{
    CString folder = FullPathOf(strFolder);
    folder.TrimRight('\\');
    const BOOL bFull = strDocument.Find(':') >= 0 || strDocument[0] == '\\' || strDocument[0] == '/';
    const CString typed = bFull ? strDocument : strFolder + "\\" + strDocument;
    const CString full = FullPathOf(typed);
    if (full.IsEmpty() || folder.IsEmpty())
    {
        WarnCannotOpenFile(typed);
        return FALSE;
    }
    if (!CFileEdit::CheckFileInProject(full, folder))
        return FALSE;
    // The folder itself, typed with or without its backslash, or a folder in
    // it is no document.
    if (full.GetLength() <= folder.GetLength() + 1 || !IsFileNotFolder(full))
    {
        WarnCannotOpenFile(full);
        return FALSE;
    }
    strFromFolder = full.Mid(folder.GetLength() + 1);
    return TRUE;
}

// The viewer starts in the project folder: the document is named from there.
// A document elsewhere would not be on the medium, and a command line longer
// than the button's parameter may be could not be edited on the button sheet,
// so the dialog stays.
void CViewerOptionsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strDocument.IsEmpty())
    {
        MessageBoxById(IDS_VIEWER_NEEDS_DOCUMENT);
        return;
    }
    CString document;
    if (!ResolveDocument(m_strDocument, EditorServices().GetProjectFolder(), document))
        return;
    m_strDocument = document;
    const CString previous = m_strCommandLine;
    BuildCommandLine();
    if (m_strCommandLine.GetLength() > CButDlg_Page2::kMaxParameter)
    {
        WarnTooLong(IDS_VIEWER_LINE_TOO_LONG, m_strCommandLine.GetLength(), CButDlg_Page2::kMaxParameter);
        m_strCommandLine = previous;
        GotoDlgCtrl(GetDlgItem(IDC_VIEWER_TITLE));
        return;
    }
    CDialog::OnOK();
    m_strDocument = document;
}

void CViewerOptionsDlg::OnBrowse()
{
    CString path;
    if (!BrowseForFile(this, "Text Files (txt,htm,html,...)|*.*|(*.*)||", nullptr, nullptr,
                       EditorServices().GetProjectFolder(), path))
        return;
    UpdateData(TRUE);
    m_strDocument = path;
    UpdateData(FALSE);
}

void CViewerOptionsDlg::OnBackgroundColor()
{
    ChooseColorFor(this, m_crBackground);
}

void CViewerOptionsDlg::OnTextColor()
{
    ChooseColorFor(this, m_crText);
}

void CViewerOptionsDlg::OnHelp()
{
    EditorServices().ShowHelpPage("scrollet.htm");
}
