#include "shared/menuobj/ProjectPaths.h"

#include "framework/MessageBox.h"
#include "shared/support/ProjectFormat.h"
#include "shared/support/Umlaut.h"

#include <stdlib.h>

namespace {

const int kMarkerLength = sizeof(ProjectFormat::kCurrentDir) - 1;
const UINT IDS_FILE_OUTSIDE_PROJECT = 175;
const char kFileOutsideProject[] =
    "WARNUNG !\n\nDie Datei:\n\n%s\n\nverweist auf einen Ordner außerhalb des Projektes.\n";

CString FullPath(const CString& strPath)
{
    char buffer[MAX_PATH];
    if (_fullpath(buffer, strPath, sizeof(buffer)) == nullptr)
        return strPath;
    return buffer;
}

// A folder keeps no trailing backslash (a drive root neither): the rest of a
// path brings one.
CString FolderWithoutTrailingSlash(CString strFolder)
{
    while (strFolder.GetLength() > 1 && strFolder.Right(1) == "\\")
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    return strFolder;
}

} // namespace

BOOL IsPathInFolder(const CString& strPath, const CString& strFolder)
{
    CString path = strPath, folder = FolderWithoutTrailingSlash(strFolder);
    MakeLowerUmlaut(path);
    MakeLowerUmlaut(folder);
    int nLength = folder.GetLength();
    if (nLength == 0 || path.Left(nLength) != folder)
        return FALSE;
    return path.GetLength() == nLength || path[nLength] == '\\';
}

void ContractProjectPath(CString& strPath, const CString& strFolder, BOOL bWarn)
{
    if (strPath.IsEmpty() || strPath.Find(ProjectFormat::kCurrentDir) >= 0)
        return;
    CString folder = FolderWithoutTrailingSlash(strFolder);
    CString path = strPath;
    BOOL bExists = GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
    if (path.Mid(1, 2) != ":\\" && path[0] != '\\')
    {
        // A relative name that names no file is no path at all (a message text, "<POPUPMENU00>").
        if (!bExists)
            return;
        path = path[0] == '.' ? FullPath(path) : folder + "\\" + path;
    }
    if (IsPathInFolder(path, folder))
    {
        strPath = ProjectFormat::kCurrentDir + path.Mid(folder.GetLength());
        return;
    }
    if (bWarn && bExists)
        WarnFileOutsideProject(strPath);
}

void ResolveProjectPath(const CString& strIn, CString& strOut, const CString& strFolder)
{
    if (strIn.IsEmpty())
        return;
    if (strIn.Mid(1, 2) == ":\\")
        strOut = strIn;
    else if (strIn.Left(kMarkerLength) == ProjectFormat::kCurrentDir)
        strOut = strFolder + "\\" + strIn.Mid(kMarkerLength + 1);
    else if (strIn[0] == '\\')
        strOut = strFolder + strIn;
    else if (strIn.Left(2) == ".\\")
        strOut = strFolder + strIn.Mid(1);
    else
        strOut = strFolder + "\\" + strIn;
}

void WarnFileOutsideProject(const CString& strPath)
{
    CString format;
    if (!format.LoadString(IDS_FILE_OUTSIDE_PROJECT))
        format = kFileOutsideProject;
    CString text;
    text.Format(format, (LPCSTR)strPath);
    AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
}
