#include "editor/dialogs/ListboxWizard.h"

#include "editor/dialogs/EditorMessages.h"

#include "editor/WizardIds.h"

IMPLEMENT_DYNAMIC(CListboxWizard, CPropertySheet)

namespace {

const char kScriptSection[] = "SCRIPT";
// The reader's buffer per value: a longer value is cut.
const int kValueBufferSize = 499;

CString ReadScriptValue(const CString& strListFile, LPCSTR lpszKey, LPCSTR lpszDefault)
{
    char szValue[kValueBufferSize] = "";
    ::GetPrivateProfileStringA(kScriptSection, lpszKey, lpszDefault, szValue, sizeof(szValue), strListFile);
    return szValue;
}

} // namespace

CListboxWizard::CListboxWizard(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_bEditMode(FALSE), m_bListChanged(FALSE), m_nHeight(0),
      m_bStyle(FALSE), m_nWidth(0), m_nX(0), m_nY(0), m_bPictureList(FALSE), m_pageWelcome(this), m_pagePos(this),
      m_pageFolder(this), m_pageButton(this), m_pageScript(this)
{
}

void CListboxWizard::ReadListFile()
{
    m_strDocument = ReadScriptValue(m_strListFile, "DOCUMENT", "\"%1\"");
    m_strApplication = ReadScriptValue(m_strListFile, "APPLICATION", "");
    m_strParameter = ReadScriptValue(m_strListFile, "PARAMETER", "");
    CString folder = ReadScriptValue(m_strListFile, "FOLDER", "");
    m_strFolder = folder == ".\\" ? m_strProjectFolder : m_strProjectFolder + "\\" + folder;
    m_strExt = ReadScriptValue(m_strListFile, "EXT", "");
    m_strButtonText = ReadScriptValue(m_strListFile, "BUTTONTEXT", "");
}

INT_PTR CListboxWizard::DoModal()
{
    // 1. The pages; the welcome page only for a new list box.
    while (GetPageCount() > 0)
        RemovePage(0);
    if (!m_bEditMode)
        AddPage(&m_pageWelcome);
    AddPage(&m_pagePos);
    AddPage(&m_pageFolder);
    AddPage(&m_pageButton);
    AddPage(&m_pageScript);
    // 2. Position and size.
    m_pagePos.m_nWidth = m_nWidth;
    m_pagePos.m_nHeight = m_nHeight;
    m_pagePos.m_nX = m_nX;
    m_pagePos.m_nY = m_nY;
    m_pagePos.m_bCheck = !m_bStyle;
    // 3. The working folder, restored at the end.
    char szFolder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, szFolder);
    m_strSavedFolder = szFolder;
    // 4. The script of an existing list file.
    if (!m_strListFile.IsEmpty())
        ReadListFile();
    else
        LoadResString(IDS_LB_RUN, m_strButtonText);
    // 5. The values of the pages.
    m_pageButton.m_strApplication = m_strApplication;
    m_pageButton.m_strButtonText = m_strButtonText;
    m_pageButton.m_strDocument = m_strDocument;
    m_pageButton.m_strParameter = m_strParameter;
    m_pageButton.m_bEditMode = m_bEditMode;
    m_pageButton.m_strProjectFolder = m_strProjectFolder;
    m_pageFolder.m_strPattern = m_strExt;
    m_pageFolder.m_strFolder = m_strFolder;
    m_pageFolder.m_strProjectFolder = m_strProjectFolder;
    m_pageScript.m_strListFile = m_strListFile;
    // 6. Run.
    m_bListChanged = FALSE;
    m_bPictureList = FALSE;
    m_psh.dwFlags |= PSH_WIZARD | PSH_WIZARDHASFINISH;
    INT_PTR nResult = CPropertySheet::DoModal();
    // 7. What the position page holds.
    if (nResult == ID_WIZFINISH)
    {
        m_nWidth = m_pagePos.m_nWidth;
        m_nHeight = m_pagePos.m_nHeight;
        m_nX = m_pagePos.m_nX;
        m_nY = m_pagePos.m_nY;
        m_bStyle = !m_pagePos.m_bCheck;
    }
    // 8.
    ::SetCurrentDirectoryA(m_strSavedFolder);
    return nResult;
}
