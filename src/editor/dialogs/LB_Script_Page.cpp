#include "editor/dialogs/LB_Script_Page.h"

#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/ListboxWizard.h"
#include "framework/DataExchange.h"
#include "framework/ProgramStart.h"
#include "shared/menuobj/MObjScriptListBox.h"
#include "shared/support/CurrentDirPaths.h"
#include "shared/support/FileHandle.h"

#include "editor/WizardIds.h"

#include <vector>

IMPLEMENT_DYNAMIC(CLB_Script_Page, CListboxWizardPage)

// void OnOpenList()
BEGIN_MESSAGE_MAP(CLB_Script_Page, CListboxWizardPage)
    ON_BN_CLICKED(IDC_LB_OPEN_LIST, OnOpenList)
END_MESSAGE_MAP()

namespace {

// The whole text of a file up to the list files' size limit; FALSE when it
// cannot be read.
BOOL ReadListText(const CString& strPath, CString& strText)
{
    CFileHandle file(::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return FALSE;
    DWORD nLength = ::GetFileSize(file.Get(), nullptr);
    if (nLength == INVALID_FILE_SIZE)
        return FALSE;
    if (nLength > CMObjScriptListBox::kMaxListFileSize)
        nLength = CMObjScriptListBox::kMaxListFileSize;
    std::vector<char> bytes(nLength + 1, '\0');
    DWORD nRead = 0;
    if (!::ReadFile(file.Get(), bytes.data(), nLength, &nRead, nullptr))
        return FALSE;
    strText = CString(bytes.data(), (int)nRead);
    return TRUE;
}

} // namespace

CLB_Script_Page::CLB_Script_Page(CListboxWizard* pWizard) : CListboxWizardPage(IDD_LB_SCRIPT, pWizard) {}

void CLB_Script_Page::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LB_LIST_FILE, m_strListFile);
    DDX_Text(pDX, IDC_LB_LIST_TEXT, m_strListText);
}

BOOL CLB_Script_Page::WriteListFile()
{
    const CListboxWizard& w = *m_pWizard;
    CMObjScriptListBox script;
    BOOL bWritten;
    if (w.m_bListChanged)
        bWritten = script.CreateScriptFile(w.m_strProjectFolder, w.m_strFolder, w.m_strExt, w.m_strDocument,
                                           w.m_strApplication, w.m_strParameter, w.m_strButtonText);
    else
    {
        SCRIPTFILE_RECORD record;
        record.strListFile = m_strListFile;
        record.strProjectFolder = w.m_strProjectFolder;
        record.strListFolder = w.m_strFolder;
        record.strExt = w.m_strExt;
        record.strDocument = w.m_strDocument;
        record.strApplication = w.m_strApplication;
        record.strParameter = w.m_strParameter;
        record.strButtonText = w.m_strButtonText;
        bWritten = script.UpdateScriptFile(record);
    }
    if (bWritten)
        m_strListFile = script.GetScriptFileName();
    return bWritten;
}

BOOL CLB_Script_Page::OnSetActive()
{
    BeginWaitCursor();
    PostWizardButtons(m_pWizard->m_bEditMode ? PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH
                                             : PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_DISABLEDFINISH);
    // Only a list written on this visit may be finished: a refused folder or a
    // list file that cannot be written leaves no text, so Finish stays refused.
    m_strListText.Empty();
    if (!m_pWizard->m_strExt.IsEmpty() && !m_pWizard->m_strFolder.IsEmpty())
    {
        if (!IsPathInFolder(m_pWizard->m_strFolder, m_pWizard->m_strProjectFolder))
        {
            PostWizardButtons(PSWIZB_BACK | PSWIZB_DISABLEDFINISH);
            MessageBoxById(IDS_LB_FOLDER_OUTSIDE);
        }
        else if (WriteListFile() && ReadListText(m_strListFile, m_strListText))
            PostWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    }
    CListboxWizardPage::OnSetActive();
    // Shown also on the first activation, which comes after the page's set-up.
    UpdateData(FALSE);
    EndWaitCursor();
    return TRUE;
}

void CLB_Script_Page::OnOpenList()
{
    if (!m_strListFile.IsEmpty())
        AfxShellExecute(m_hWnd, "open", m_strListFile, nullptr, nullptr, SW_SHOWNORMAL);
}

BOOL CLB_Script_Page::CheckAndStore()
{
    if (m_strListText.IsEmpty())
        return FALSE;
    m_pWizard->m_strListFile = m_strListFile;
    return TRUE;
}
