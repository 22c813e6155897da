#include "shared/menuobj/MObjScriptListBox.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/support/FileHandle.h"
#include "shared/support/FileUtils.h"
#include "shared/support/Starter.h"
#include "shared/support/Umlaut.h"

IMPLEMENT_DYNAMIC(CMObjScriptListBox, CMObjListbox)

namespace {

const char kCrLf[] = "\r\n";
const char kListHead[] = "[LIST]";
const char kListMarker[] = "[LIST]\r\n";
const char kItemKey[] = "LISTITEM=";
const char kFileKey[] = ":FILE=";
const char kToolTipKey[] = ":TOOLTIP=";
const char kCurrentFolder[] = ".\\";
const char kScriptSection[] = "SCRIPT";

int Length(const char* psz) { return lstrlenA(psz); }

// The entry lines of a list text: every line after "[LIST]" that ends with
// CR LF. The marker must not open the text.
template <typename Visit>
void ForEachEntry(const CString& strText, Visit visit)
{
    int nMarker = strText.Find(kListMarker);
    if (nMarker <= 0)
        return;
    int nStart = nMarker + Length(kListMarker);
    for (int nEnd = strText.Find(kCrLf, nStart); nEnd >= 0; nEnd = strText.Find(kCrLf, nStart))
    {
        CString strLine = strText.Mid(nStart, nEnd - nStart);
        nStart = nEnd + Length(kCrLf);
        strLine.TrimLeft();
        if (strLine.Left(Length(kItemKey)) != kItemKey)
            continue;
        int nFile = strLine.Find(kFileKey);
        if (nFile <= Length(kItemKey))
            continue;
        if (visit(strLine.Mid(Length(kItemKey), nFile - Length(kItemKey)), strLine, nFile))
            return;
    }
}

BOOL ReadTextFile(LPCSTR lpszFile, CString& strText)
{
    CFileHandle file(::CreateFileA(lpszFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0
        || size.QuadPart > CMObjScriptListBox::kMaxListFileSize)
        return FALSE;
    CString strRead;
    DWORD dwSize = (DWORD)size.QuadPart;
    DWORD dwRead = 0;
    if (dwSize > 0 && !::ReadFile(file.Get(), strRead.GetBufferSetLength((int)dwSize), dwSize, &dwRead, nullptr))
        return FALSE;
    strRead.GetBufferSetLength((int)dwRead);
    strText = strRead;
    return TRUE;
}

// The list folder relative to the project folder: the part after the project
// folder and its separator, or ".\" for the project folder itself.
CString RelativeFolder(const CString& strProjectFolder, const CString& strListFolder)
{
    if (strListFolder.GetLength() <= strProjectFolder.GetLength())
        return kCurrentFolder;
    return strListFolder.Right(strListFolder.GetLength() - strProjectFolder.GetLength() - 1);
}

// The thumbnails lie in THUMB below the first folder of the list's folder.
CString ThumbFolder(const CString& strFolder)
{
    int nSlash = strFolder.Find('\\');
    if (strFolder.IsEmpty() || nSlash < 0)
        return "THUMB";
    CString strFirst = strFolder.Left(nSlash);
    if (strFirst == ".")
        return "THUMB";
    return strFirst + "\\THUMB";
}

BOOL IsPictureName(const CString& strFileName)
{
    CString strLower = strFileName;
    strLower.MakeLower();
    return strLower.Find(".jpg") > 0 || strLower.Find(".gif") > 0 || strLower.Find(".bmp") > 0;
}

CString WithBackslash(const CString& strFolder)
{
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] == '\\')
        return strFolder;
    return strFolder + "\\";
}

// The value of a script key: the rest of its line after the '='.
CString ScriptValue(const CString& strScript, LPCSTR lpszKey)
{
    int nKey = strScript.Find(lpszKey);
    if (nKey <= 0)
        return CString();
    int nValue = strScript.Find('=', nKey) + 1;
    int nEnd = nValue;
    while (nEnd < strScript.GetLength() && strScript[nEnd] != '\r' && strScript[nEnd] != '\n')
        ++nEnd;
    return strScript.Mid(nValue, nEnd - nValue);
}

void ReplaceFirst(CString& strText, LPCSTR lpszOld, const CString& strNew)
{
    int nPos = strText.Find(lpszOld);
    if (nPos < 0)
        return;
    strText = strText.Left(nPos) + strNew + strText.Mid(nPos + Length(lpszOld));
}

BOOL CanOpenForReadWrite(LPCSTR lpszFile)
{
    CFileHandle file(::CreateFileA(lpszFile, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen();
}

} // namespace

BOOL CMObjScriptListBox::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/,
                                BOOL bEditMode)
{
    BOOL bCreated = Create(pCrStruct->m_dwStyle, pCrStruct->m_rect, pParent, nID);
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    if (m_pListWnd != nullptr)
        LoadList(pCrStruct->m_strText);
    return bCreated;
}

BOOL CMObjScriptListBox::LoadList(LPCSTR lpszFile)
{
    if (!ReadTextFile(lpszFile, m_strListText))
        return FALSE;
    ForEachEntry(m_strListText, [this](const CString& strName, const CString&, int) {
        AddString(strName);
        return false;
    });
    return TRUE;
}

BOOL CMObjScriptListBox::FindItem(LPCSTR lpszKey, CString& strName, CString& strFile, CString& strToolTip) const
{
    CString strKey = lpszKey;
    MakeLowerUmlaut(strKey);
    BOOL bFound = FALSE;
    ForEachEntry(m_strListText, [&](const CString& strEntry, const CString& strLine, int nFile) {
        CString strLower = strEntry;
        MakeLowerUmlaut(strLower);
        if (strLower != strKey)
            return false;
        int nFileStart = nFile + Length(kFileKey);
        int nToolTip = strLine.Find(kToolTipKey, nFileStart);
        strName = strEntry;
        strFile = nToolTip < 0 ? strLine.Mid(nFileStart) : strLine.Mid(nFileStart, nToolTip - nFileStart);
        strToolTip = nToolTip < 0 ? CString() : strLine.Mid(nToolTip + Length(kToolTipKey));
        bFound = TRUE;
        return true;
    });
    return bFound;
}

void CMObjScriptListBox::GetSelectedItem(CString& strToolTip) const
{
    strToolTip.Empty();
    CString strText = GetSelectedText();
    if (strText.IsEmpty())
        return;
    CString strName, strFile;
    FindItem(strText, strName, strFile, strToolTip);
}

BOOL CMObjScriptListBox::CreateScriptFile(LPCSTR lpszProjectFolder, LPCSTR lpszListFolder, LPCSTR lpszExt,
                                          LPCSTR lpszDocument, LPCSTR lpszApplication, LPCSTR lpszParameter,
                                          LPCSTR lpszButtonText)
{
    CString strListFolder = lpszListFolder;
    CString strFolder = RelativeFolder(lpszProjectFolder, strListFolder);
    m_strListText = CString("[SCRIPT]") + kCrLf + "DOCUMENT=" + lpszDocument + kCrLf + "APPLICATION=" + lpszApplication
                    + kCrLf + "PARAMETER=" + lpszParameter + kCrLf + "FOLDER=" + strFolder + kCrLf + "EXT=" + lpszExt
                    + kCrLf + "BUTTONTEXT=" + lpszButtonText + kCrLf + kListHead + kCrLf;

    // Every pattern in turn, the files in the order the search returns them.
    CString strThumbFolder = ThumbFolder(strFolder);
    CString strExt = lpszExt;
    for (int nStart = 0; nStart <= strExt.GetLength();)
    {
        int nEnd = strExt.Find(':', nStart);
        if (nEnd < 0)
            nEnd = strExt.GetLength();
        CString strPattern = strExt.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (strPattern.IsEmpty())
            continue;
        WIN32_FIND_DATAA found;
        HANDLE hFind = ::FindFirstFileA(WithBackslash(strListFolder) + strPattern, &found);
        if (hFind == INVALID_HANDLE_VALUE)
            continue;
        do
        {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                AddFileEntry(found.cFileName, strThumbFolder);
        } while (::FindNextFileA(hFind, &found));
        ::FindClose(hFind);
    }
    return WriteListFile(strListFolder);
}

void CMObjScriptListBox::AddFileEntry(const CString& strFileName, const CString& strThumbFolder)
{
    int nDot = strFileName.ReverseFind('.');
    if (nDot <= 0)
        return;
    CString strName = strFileName.Left(nDot);
    CString strToolTip;
    if (IsPictureName(strFileName))
        strToolTip.Format("<img src=\"%s\\%s\">", (LPCSTR)strThumbFolder, (LPCSTR)strFileName);
    else
        strToolTip = "Start: " + strName;
    m_strListText += kItemKey + strName + kFileKey + strFileName + kToolTipKey + strToolTip + kCrLf;
}

// Under the first number whose file does not exist yet: an existing list is
// never overwritten, since another list box of the project may use it.
BOOL CMObjScriptListBox::WriteListFile(const CString& strListFolder)
{
    CString strFile;
    int nNumber = 1;
    for (; nNumber <= kMaxListNumber; ++nNumber)
    {
        strFile.Format("%s%s%03d%s", (LPCSTR)WithBackslash(strListFolder), "List", nNumber, ".ini");
        if (!FileExists(strFile))
            break;
    }
    if (nNumber > kMaxListNumber)
        return FALSE;
    CFileHandle file(::CreateFileA(strFile, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return FALSE;
    DWORD dwWritten = 0;
    DWORD dwSize = (DWORD)m_strListText.GetLength();
    if (!::WriteFile(file.Get(), (LPCSTR)m_strListText, dwSize, &dwWritten, nullptr) || dwWritten != dwSize)
        return FALSE;
    m_strListFile = strFile;
    return TRUE;
}

BOOL CMObjScriptListBox::UpdateScriptFile(const SCRIPTFILE_RECORD& record)
{
    if (!CanOpenForReadWrite(record.strListFile))
        return CreateScriptFile(record.strProjectFolder, record.strListFolder, record.strExt, record.strDocument,
                                record.strApplication, record.strParameter, record.strButtonText);
    ::CopyFileA(record.strListFile, record.strListFile + ".bak", FALSE);
    m_strListFile = record.strListFile;
    const struct
    {
        LPCSTR lpszKey;
        CString strValue;
    } keys[] = {
        { "DOCUMENT", record.strDocument },
        { "APPLICATION", record.strApplication },
        { "PARAMETER", record.strParameter },
        { "FOLDER", RelativeFolder(record.strProjectFolder, record.strListFolder) },
        { "EXT", record.strExt },
        { "BUTTONTEXT", record.strButtonText },
    };
    BOOL bWritten = TRUE;
    for (const auto& key : keys)
        bWritten &= ::WritePrivateProfileStringA(kScriptSection, key.lpszKey, key.strValue, record.strListFile) != 0;
    return bWritten;
}

void CMObjScriptListBox::RunSelectedItem(LPCSTR lpszBaseFolder)
{
    CString strSelected = GetSelectedText();
    if (strSelected.IsEmpty())
        return;
    int nList = m_strListText.Find(kListHead);
    if (nList <= 0)
        return;
    CString strScript = m_strListText.Left(nList);
    CString strDocument = ScriptValue(strScript, "DOCUMENT=");
    CString strApplication = ScriptValue(strScript, "APPLICATION=");
    CString strParameter = ScriptValue(strScript, "PARAMETER=");
    CString strFolder = ScriptValue(strScript, "FOLDER=");
    CString strName, strFile, strToolTip;
    if (!FindItem(strSelected, strName, strFile, strToolTip))
        return;

    CString strPath = lpszBaseFolder;
    if (!strFolder.IsEmpty() && strFolder != kCurrentFolder)
        strPath += "\\" + strFolder;
    strPath += "\\" + strFile;
    ReplaceFirst(strDocument, "%1", strPath);
    ReplaceFirst(strApplication, "%1", strPath);
    ReplaceFirst(strParameter, "%1", strPath);

    // A failed start is not reported: the list has no message of its own.
    CStarter starter;
    CString strError;
    starter.Start(strDocument, strApplication, strParameter, 0, strError, FALSE);
}
