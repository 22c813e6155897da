#include "editor/dialogs/FileEdit.h"

#include "shared/menuobj/ProjectPaths.h"

#include "framework/MessageBox.h"

#include "editor/DialogIds.h"

#include <shellapi.h>

IMPLEMENT_DYNAMIC(CFileEdit, CEdit)

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
// void OnDropFiles(HDROP hDropInfo)
BEGIN_MESSAGE_MAP(CFileEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

namespace {

// The longest dropped name taken, terminating zero not counted.
const int kMaxDroppedName = 300;

} // namespace

CFileEdit::CFileEdit() : m_bDropEnabled(FALSE), m_bCheckFolder(TRUE) {}

BOOL CFileEdit::SubclassItem(UINT nID, CWnd* pParent, const CString& strProjectFolder, const CString& strTypes)
{
    m_strProjectFolder = strProjectFolder;
    m_strTypes = strTypes;
    return SubclassDlgItem(nID, pParent);
}

BOOL CFileEdit::CheckFile(const CString& strFile, const CString& strTypes, const CString& strProjectFolder,
                          BOOL bCheckFolder)
{
    if (!CheckFileType(strFile, strTypes))
        return FALSE;
    return !bCheckFolder || CheckFileInProject(strFile, strProjectFolder);
}

BOOL CFileEdit::CheckFileType(const CString& strFile, const CString& strTypes)
{
    if (strTypes.IsEmpty() || strTypes.Find('*') >= 0)
        return TRUE;
    CString name(strFile);
    name.MakeUpper();
    CString types(strTypes);
    types.MakeUpper();
    int nStart = 0;
    for (;;)
    {
        int nEnd = types.Find(';', nStart);
        CString item = nEnd < 0 ? types.Mid(nStart) : types.Mid(nStart, nEnd - nStart);
        if (!item.IsEmpty() && name.Find(item, 1) > 0)
            return TRUE;
        if (nEnd < 0)
            break;
        nStart = nEnd + 1;
    }
    CString format;
    format.LoadString(IDS_FILE_TYPE_REFUSED);
    CString text;
    text.Format(format, (LPCSTR)strTypes);
    AfxMessageBox(text, MB_OK);
    return FALSE;
}

BOOL CFileEdit::CheckFileInProject(const CString& strFile, const CString& strProjectFolder)
{
    if (strFile.IsEmpty() || strProjectFolder.IsEmpty())
        return FALSE;
    // C:\Proj holds C:\Proj\a.wav, not C:\Project2\a.wav.
    if (IsPathInFolder(strFile, strProjectFolder))
        return TRUE;
    CString format;
    format.LoadString(IDS_FILE_NOT_IN_PROJECT);
    CString text;
    text.Format(format, (LPCSTR)strProjectFolder, (LPCSTR)strFile);
    AfxMessageBox(text, MB_OK);
    return FALSE;
}

HBRUSH CFileEdit::CtlColor(CDC*, UINT)
{
    if (!m_bDropEnabled)
    {
        ::DragAcceptFiles(m_hWnd, TRUE);
        m_bDropEnabled = TRUE;
    }
    return nullptr;
}

void CFileEdit::OnDropFiles(HDROP hDropInfo)
{
    char szName[kMaxDroppedName + 1] = "";
    ::DragQueryFileA(hDropInfo, 0, szName, sizeof(szName));
    ::DragFinish(hDropInfo);
    CString name(szName);
    if (CheckFile(name, m_strTypes, m_strProjectFolder, m_bCheckFolder))
        SetWindowText(name);
}
