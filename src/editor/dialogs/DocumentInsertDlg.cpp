#include "editor/dialogs/DocumentInsertDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "framework/DataExchange.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjList.h"
#include "shared/support/ProjectFormat.h"

#include "editor/DialogIds.h"
#include "editor/WizardIds.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDocumentInsertDlg, CDialog)

// void OnBrowse()
// void OnDocumentKillFocus()
BEGIN_MESSAGE_MAP(CDocumentInsertDlg, CDialog)
    ON_BN_CLICKED(IDC_INS_BROWSE, OnBrowse)
    ON_EN_KILLFOCUS(IDC_INS_DOCUMENT, OnDocumentKillFocus)
END_MESSAGE_MAP()

CDocumentInsertDlg::CDocumentInsertDlg(const DOCUMENT_INSERT_KIND& kind, CWnd* pParentWnd)
    : CDialog(kind.nInsertTemplate, pParentWnd), m_pObjects(nullptr), m_bStarterFound(FALSE), m_kind(kind)
{
}

CString CDocumentInsertDlg::FileTitleOf(const CString& strPath)
{
    CString title = strPath.Mid(strPath.ReverseFind('\\') + 1);
    int nDot = title.ReverseFind('.');
    return nDot >= 0 ? title.Left(nDot) : title;
}

void CDocumentInsertDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_INS_DOCUMENT, m_strDocument);
    DDX_Text(pDX, IDC_INS_FOLDER, m_strFolder);
    DDX_Text(pDX, IDC_INS_BUTTON_TEXT, m_strButtonText);
}

BOOL CDocumentInsertDlg::IsUsableFolderName(const CString& strName)
{
    const int nLength = strName.GetLength();
    if (nLength == 0 || nLength > 200 || strName == "." || strName == "..")
        return FALSE;
    for (int i = 0; i < nLength; ++i)
    {
        const unsigned char ch = (unsigned char)strName[i];
        if (ch < 32 || strchr("\\/:*?\"<>|", ch) != nullptr)
            return FALSE;
    }
    if (strName[nLength - 1] == '.' || strName[nLength - 1] == ' ')
        return FALSE;
    CString device = strName;
    const int nDot = device.Find('.');
    if (nDot >= 0)
        device = device.Left(nDot);
    device.TrimRight();
    device.MakeUpper();
    for (LPCSTR lpszDevice : { "CON", "PRN", "AUX", "NUL" })
        if (device == lpszDevice)
            return FALSE;
    if (device.GetLength() == 4 && (device.Left(3) == "COM" || device.Left(3) == "LPT") && device[3] >= '1' &&
        device[3] <= '9')
        return FALSE;
    return TRUE;
}

BOOL CDocumentInsertDlg::ProjectHasFolder(const CString& strName) const
{
    DWORD dwAttributes = ::GetFileAttributesA(m_strProjectFolder + "\\" + strName);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString CDocumentInsertDlg::FindStarterFolder() const
{
    if (m_pObjects == nullptr)
        return CString();
    CString prefix = CString(ProjectFormat::kCurrentDir) + "\\";
    for (int i = 0; i < m_pObjects->GetSize(); ++i)
    {
        CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(m_pObjects->GetAt(i));
        if (pButton == nullptr)
            continue;
        CString program = pButton->m_strApplication;
        if (program.Left(prefix.GetLength()) == prefix)
            program = program.Mid(prefix.GetLength());
        CString lowered(program);
        MakeLowerGerman(lowered);
        int nSlash = program.Find('\\');
        if (lowered.Find(m_kind.pszStarterProgram) >= 0 && nSlash > 0 && ProjectHasFolder(program.Left(nSlash)))
            return program.Left(nSlash);
    }
    return CString();
}

BOOL CDocumentInsertDlg::OnInitDialog()
{
    m_editDocument.SubclassItem(IDC_INS_DOCUMENT, this, m_strProjectFolder, m_kind.pszTypes);
    m_editDocument.m_bCheckFolder = FALSE;
    m_bStarterFound = FALSE;
    m_strFolder = FindStarterFolder();
    if (!m_strFolder.IsEmpty())
        m_bStarterFound = TRUE;
    else
    {
        CString remembered = EditorServices().GetSettingString(m_kind.pszFolderSetting, "");
        if (!remembered.IsEmpty() && !ProjectHasFolder(remembered))
            m_strFolder = remembered;
    }
    if (m_strFolder.IsEmpty())
        m_strFolder = m_kind.pszDefaultFolder;
    CDialog::OnInitDialog();
    if (m_bStarterFound)
        EnableDlgItem(this, IDC_INS_FOLDER, FALSE);
    return TRUE;
}

void CDocumentInsertDlg::OnBrowse()
{
    CString path;
    if (!BrowseForFile(this, m_kind.pszFilter, nullptr, nullptr, m_strProjectFolder, path))
        return;
    if (!IsReadableFile(path) || !CFileEdit::CheckFileType(path, m_kind.pszTypes))
        return;
    SetDlgItemText(IDC_INS_DOCUMENT, path);
    SetDlgItemText(IDC_INS_BUTTON_TEXT, FileTitleOf(path));
}

void CDocumentInsertDlg::OnDocumentKillFocus()
{
    CString path;
    GetDlgItemText(IDC_INS_DOCUMENT, path);
    if (!path.IsEmpty())
        SetDlgItemText(IDC_INS_BUTTON_TEXT, FileTitleOf(path));
}

void CDocumentInsertDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // Only the type is checked, here, when browsing and when a file is dropped:
    // the document is copied into the project, so it may come from anywhere.
    if (!m_strDocument.IsEmpty() && !CFileEdit::CheckFileType(m_strDocument, m_kind.pszTypes))
        return;
    if (m_strDocument.IsEmpty() || !IsReadableFile(m_strDocument))
    {
        ErrorBoxById(IDS_NO_FILE_GIVEN);
        return;
    }
    if (m_strFolder.IsEmpty())
    {
        ErrorBoxById(IDS_NO_FOLDER_GIVEN);
        return;
    }
    if (!IsUsableFolderName(m_strFolder))
    {
        WarnUnusableFolderName(m_strFolder);
        return;
    }
    EditorServices().WriteSettingString(m_kind.pszFolderSetting, m_strFolder);
    EndDialog(IDOK);
}
