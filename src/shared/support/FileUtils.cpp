#include "shared/support/FileUtils.h"

#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/MessageBox.h"

#include <io.h>
#include <shellapi.h>

namespace {

const UINT kChunkSize = 4048;

// Moves the source's bytes into the target. The target is opened exclusively,
// so a target that is the source itself (under any name) fails to open instead
// of being emptied before it is read.
BOOL CopyFileData(const CString& strTargetPath, const CString& strSourcePath)
{
    CFile source;
    if (!source.Open(strSourcePath, CFile::modeRead | CFile::shareDenyNone))
        return FALSE;
    CFile target;
    if (!target.Open(strTargetPath, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive))
        return FALSE;
    BYTE buffer[kChunkSize];
    ULONGLONG nCopied = 0;
    try
    {
        for (UINT nRead; (nRead = source.Read(buffer, kChunkSize)) != 0; nCopied += nRead)
            target.Write(buffer, nRead);
        target.Close();
    }
    catch (CException* e)
    {
        // A copy cut short is no copy.
        e->Delete();
        return FALSE;
    }
    return nCopied > 0;
}

bool CanWrite(const CString& strPath)
{
    return _access(strPath, 2) == 0;
}

CString GetEnvironmentText(LPCSTR lpszName)
{
    CString strValue;
    const DWORD nSize = GetEnvironmentVariableA(lpszName, nullptr, 0);
    if (nSize == 0)
        return strValue;
    const DWORD nGot = GetEnvironmentVariableA(lpszName, strValue.GetBuffer((int)nSize), nSize);
    strValue.ReleaseBuffer(nGot < nSize ? (int)nGot : 0);
    return strValue;
}

// The name the shell shows for the path; the path's own last name when the
// shell has none for it.
CString GetDisplayName(const CString& strPath, const CString& strName)
{
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(strPath, 0, &info, sizeof(info), SHGFI_DISPLAYNAME) == 0 || info.szDisplayName[0] == '\0')
        return strName;
    return info.szDisplayName;
}

} // namespace

BOOL CopyFileToFolder(const CString& strFileName, const CString& strSourceFolder, const CString& strTargetFolder)
{
    const CString strSource = strSourceFolder.IsEmpty() ? strFileName : strSourceFolder + "\\" + strFileName;
    WIN32_FIND_DATAA found;
    const HANDLE hFind = FindFirstFileA(strSource, &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(hFind);
    return CopyFileData(strTargetFolder + "\\" + strFileName, strSource);
}

BOOL CopyFileAsk(const CString& strTargetPath, const CString& strSourcePath, BOOL bAsk, char chLanguage)
{
    if (bAsk && FileExists(strTargetPath))
    {
        CString strQuestion;
        if (chLanguage == 'G')
            strQuestion.Format("Die Datei: \"%s\" existiert bereits !\nDatei überschreiben ?", (LPCSTR)strTargetPath);
        else
            strQuestion.Format("File: \"%s\" already exist !\nOverwrite file ?", (LPCSTR)strTargetPath);
        if (AfxMessageBox(strQuestion, MB_YESNO) != IDYES)
            return FALSE;
    }
    return CopyFileData(strTargetPath, strSourcePath);
}

void GetFolderPart(const CString& strPath, CString& strFolder)
{
    const int nSlash = strPath.ReverseFind('\\');
    if (nSlash > 0)
        strFolder = strPath.Left(nSlash);
}

BOOL FileExists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

BOOL GetTempFolder(CString& strFolder, CString& strLongFolder)
{
    // 1. TEMP, else TMP.
    CString strTemp = GetEnvironmentText("TEMP");
    if (strTemp.IsEmpty())
        strTemp = GetEnvironmentText("TMP");
    // 2. It must be there and writable.
    if (strTemp.IsEmpty() || !CanWrite(strTemp))
    {
        strFolder.Empty();
        strLongFolder.Empty();
        return FALSE;
    }
    // 3. The value itself, and its long form when that is usable.
    strFolder = strTemp;
    CString strLong;
    strLongFolder = MakeLongPath(strTemp, strLong) && CanWrite(strLong) ? strLong : strTemp;
    return TRUE;
}

BOOL MakeLongPath(const CString& strPath, CString& strLongPath)
{
    // 1. A path needs a backslash.
    strLongPath.Empty();
    int nSlash = strPath.Find('\\');
    if (nSlash < 0)
        return FALSE;
    // 2. The drive starts both.
    CString strReal = strPath.Left(nSlash);
    strLongPath = strReal;
    // 3. Each name after it, as the shell shows it.
    while (nSlash >= 0)
    {
        const int nNext = strPath.Find('\\', nSlash + 1);
        const CString strName = nNext < 0 ? strPath.Mid(nSlash + 1) : strPath.Mid(nSlash + 1, nNext - nSlash - 1);
        nSlash = nNext;
        if (strName.IsEmpty())
            continue;
        strReal += "\\" + strName;
        strLongPath += "\\" + GetDisplayName(strReal, strName);
    }
    return TRUE;
}

BOOL ReadFileBytes(LPCSTR lpszPath, std::string& strBytes, ULONGLONG nMaxSize)
{
    strBytes.clear();
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone))
        return FALSE;
    BOOL bRead = FALSE;
    try
    {
        ULONGLONG nLength = file.GetLength();
        if (nLength <= nMaxSize)
        {
            strBytes.resize((size_t)nLength);
            strBytes.resize(nLength > 0 ? file.Read(&strBytes[0], (UINT)nLength) : 0);
            bRead = TRUE;
        }
    }
    catch (CFileException* e)
    {
        e->Delete();
        strBytes.clear();
    }
    file.Abort();
    return bRead;
}

BOOL WriteFileBytes(LPCSTR lpszPath, const std::string& strBytes)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    try
    {
        file.Write(strBytes.data(), (UINT)strBytes.size());
        file.Flush();
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    return TRUE;
}
