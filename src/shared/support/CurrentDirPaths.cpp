#include "shared/support/CurrentDirPaths.h"

#include "framework/MessageBox.h"
#include "shared/support/ProjectFormat.h"
#include "shared/support/Umlaut.h"

#include <set>
#include <string>

namespace {

const UINT IDS_FILE_OUTSIDE_PROJECT = 175;
const char kFileOutsideProject[] =
    "WARNUNG !\n\nDie Datei:\n\n%s\n\nverweist auf einen Ordner außerhalb des Projektes.\n";

CString FullPath(const CString& strPath)
{
    CString full;
    DWORD nSize = GetFullPathNameA(strPath, 0, nullptr, nullptr);
    if (nSize == 0)
        return strPath;
    DWORD nGot = GetFullPathNameA(strPath, nSize, full.GetBuffer((int)nSize), nullptr);
    full.ReleaseBuffer(nGot < nSize ? (int)nGot : 0);
    return full.IsEmpty() ? strPath : full;
}

} // namespace

CString FolderForStoredPaths(CString strFolder)
{
    while (strFolder.GetLength() > 1 && strFolder.Right(1) == "\\")
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    return strFolder;
}

BOOL IsPathInFolder(const CString& strPath, const CString& strFolder)
{
    CString path = strPath, folder = FolderForStoredPaths(strFolder);
    MakeLowerUmlaut(path);
    MakeLowerUmlaut(folder);
    int nLength = folder.GetLength();
    if (nLength == 0 || path.Left(nLength) != folder)
        return FALSE;
    return path.GetLength() == nLength || path[nLength] == '\\';
}

BOOL ContractToCurrentDir(CString& strPath, const CString& strFolder)
{
    if (strPath.IsEmpty())
        return FALSE;
    CString folder = FolderForStoredPaths(strFolder);
    CString path = strPath;
    // "C:" or "C:name" is relative to that drive's own folder, not to the project.
    if (path.GetLength() >= 2 && path[1] == ':' && path.Mid(1, 2) != ":\\")
        return FALSE;
    if (path.Mid(1, 2) != ":\\" && path[0] != '\\')
        path = path[0] == '.' ? FullPath(path) : folder + "\\" + path;
    if (!IsPathInFolder(path, folder))
        return FALSE;
    strPath = ProjectFormat::kCurrentDir + path.Mid(folder.GetLength());
    return TRUE;
}

void WarnFileOutsideProject(const CString& strPath)
{
    // Every save, test run and refresh writes the page again: the author hears
    // of each file once.
    static std::set<std::string> warned;
    CString key = strPath;
    MakeLowerUmlaut(key);
    if (!warned.insert((LPCSTR)key).second)
        return;
    CString format;
    if (!format.LoadString(IDS_FILE_OUTSIDE_PROJECT))
        format = kFileOutsideProject;
    CString text;
    text.Format(format, (LPCSTR)strPath);
    AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
}
