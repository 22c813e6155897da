#include "shared/menuobj/SubmenuFiles.h"

#include "framework/MessageBox.h"
#include "shared/support/ProjectFormat.h"

IMPLEMENT_DYNAMIC(CSubmenuFiles, CObject)

namespace {

const UINT IDS_SUBMENU_TITLE = 192;
const UINT IDS_SUBMENU_BACK = 193;
const UINT IDS_SUBMENU_FILE = 194;
const UINT IDS_SUBMENU_RENAMED = 2066;

CString LoadText(UINT nID, LPCSTR lpszFallback)
{
    CString text;
    if (!text.LoadString(nID) || text.IsEmpty())
        text = lpszFallback;
    return text;
}

// "%Title%" and "$Title$" mark captions drawn in special ways; the page title is the bare text.
CString StripCaptionMarkers(CString strTitle)
{
    strTitle.Trim();
    int nLength = strTitle.GetLength();
    if (nLength >= 2 && (strTitle[0] == '%' || strTitle[0] == '$') && strTitle[nLength - 1] == strTitle[0])
        strTitle = strTitle.Mid(1, nLength - 2);
    strTitle.Trim();
    return strTitle;
}

} // namespace

CString CSubmenuFiles::DefaultPageFile(int nNumber)
{
    CString name;
    name.Format(LoadText(IDS_SUBMENU_FILE, "page%02d.ini"), nNumber);
    return name;
}

void CSubmenuFiles::Set(int nNumber, const CString& strTitle, const CString& strMainFile,
                        const CString& strBackText, const CString& strPageFile)
{
    m_bUsed = 1;
    m_nNumber = nNumber;
    m_strTitle = StripCaptionMarkers(strTitle);
    m_strMainFile = strMainFile;
    m_strBackText = strBackText;
    m_strPageFile = strPageFile;
    m_strDefaultTitle.Format(LoadText(IDS_SUBMENU_TITLE, "Submenu-%d"), nNumber);
    if (m_strTitle.IsEmpty())
        m_strTitle = m_strDefaultTitle;
    if (m_strMainFile.IsEmpty())
        m_strMainFile = ProjectFormat::kDefaultFileName;
    if (m_strBackText.IsEmpty())
        m_strBackText = LoadText(IDS_SUBMENU_BACK, "Back to Main Page");
    if (m_strPageFile.IsEmpty())
        m_strPageFile = DefaultPageFile(nNumber);
}

void CSubmenuFiles::Clear()
{
    m_bUsed = 0;
    m_nNumber = -1;
    m_strTitle.Empty();
    m_strMainFile.Empty();
    m_strBackText.Empty();
    m_strPageFile.Empty();
    m_strDefaultTitle.Empty();
}

void CSubmenuFiles::RemoveFile(const CString& strPath)
{
    if (GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES)
    {
        CString backup = strPath + ".bak";
        DeleteFileA(backup);
        if (MoveFileA(strPath, backup))
        {
            CString text;
            text.Format(LoadText(IDS_SUBMENU_RENAMED, "Die Projektdatei des Submenüs wurde in %s umbenannt."),
                        (LPCSTR)backup);
            AfxMessageBox(text, MB_OK);
        }
    }
    Clear();
}
