#include "editor/dialogs/DocumentInsert.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/DocumentInsertDlg.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ViewerSetupDlg.h"
#include "shared/support/FileUtils.h"

namespace {

CString FileNameOf(const CString& strPath)
{
    return strPath.Mid(strPath.ReverseFind('\\') + 1);
}

BOOL IsFolder(const CString& strPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL MakeFolder(const CString& strPath)
{
    if (!IsFolder(strPath))
        ::CreateDirectoryA(strPath, nullptr);
    return IsFolder(strPath);
}

// Copies the file into the folder unless a file of its name is there already.
BOOL CopyUnlessPresent(const CString& strSource, const CString& strFolder)
{
    CString target = strFolder + "\\" + FileNameOf(strSource);
    if (::GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES)
        return TRUE;
    return CopyFileAsk(target, strSource, FALSE, 'E');
}

} // namespace

CDocumentInsert::CDocumentInsert(const DOCUMENT_INSERT_KIND& kind) : m_bViewerChosen(FALSE), m_kind(kind) {}

BOOL CDocumentInsert::AskViewer(CWnd* pParentWnd)
{
    if (!m_strViewerSetup.IsEmpty() && IsReadableFile(m_strViewerSetup))
        return TRUE;
    CViewerSetupDlg dlg(m_kind, pParentWnd);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    m_strViewerSetup = dlg.m_strSetupPath;
    m_bViewerChosen = TRUE;
    return TRUE;
}

BOOL CDocumentInsert::Run(const CString& strProjectFolder, const CMObjList* pObjects, CWnd* pParentWnd)
{
    m_strProjectFolder = strProjectFolder;
    ::SetCurrentDirectoryA(m_strProjectFolder);
    if (!AskViewer(pParentWnd))
        return FALSE;
    CDocumentInsertDlg dlg(m_kind, pParentWnd);
    dlg.m_strProjectFolder = m_strProjectFolder;
    dlg.m_pObjects = pObjects;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    m_strDocument = dlg.m_strDocument;
    m_strFolder = dlg.m_strFolder;
    m_strButtonText = dlg.m_strButtonText;
    return Setup();
}

// Every step that fails is named: the author must know which file is missing
// on the medium. Without the reader's setup the button still works where a
// reader is installed, so that failure does not stop the insertion.
BOOL CDocumentInsert::Setup()
{
    m_strFolderPath = m_strProjectFolder + "\\" + m_strFolder;
    BOOL bDone = MakeFolder(m_strFolderPath);
    if (!bDone)
        WarnFolderNotMade(m_strFolderPath);
    if (bDone)
    {
        CString setupFolder = m_strFolderPath + "\\" + m_kind.pszSetupFolder;
        if (!MakeFolder(setupFolder))
            WarnFolderNotMade(setupFolder);
        else if (!CopyUnlessPresent(m_strViewerSetup, setupFolder))
            WarnFileNotCopied(m_strViewerSetup, setupFolder);
        bDone = CopyUnlessPresent(m_strDocument, m_strFolderPath);
        if (!bDone)
            WarnFileNotCopied(m_strDocument, m_strFolderPath);
    }
    if (bDone)
    {
        CString starterFolder = EditorServices().GetEditorFolder() + m_kind.pszStarterFolder;
        BOOL bProgram = CopyFileToFolder(m_kind.pszStarterProgram, starterFolder, m_strFolderPath);
        if (!bProgram)
            WarnFileNotCopied(starterFolder + "\\" + m_kind.pszStarterProgram, m_strFolderPath);
        BOOL bSettings = CopyFileToFolder(m_kind.pszStarterSettings, starterFolder, m_strFolderPath);
        if (!bSettings)
            WarnFileNotCopied(starterFolder + "\\" + m_kind.pszStarterSettings, m_strFolderPath);
        CString setup = CString(m_kind.pszSetupFolder) + "\\" + FileNameOf(m_strViewerSetup);
        if (bSettings)
            ::WritePrivateProfileStringA("SETTINGS", "SETUP", setup,
                                         m_strFolderPath + "\\" + m_kind.pszStarterSettings);
        m_strProgram = m_strFolder + "\\" + m_kind.pszStarterProgram;
        m_strParameter = "/O \"" + FileNameOf(m_strDocument) + "\"";
        m_strDocumentArgument.Empty();
        bDone = bProgram && bSettings;
    }
    ::SetCurrentDirectoryA(m_strProjectFolder);
    return bDone;
}
