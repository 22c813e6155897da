#include "shared/menuobj/ProjectPaths.h"

#include "shared/support/ProjectFormat.h"

namespace {

const int kMarkerLength = sizeof(ProjectFormat::kCurrentDir) - 1;

} // namespace

void ContractProjectPath(CString& strPath, const CString& strFolder, BOOL bWarn)
{
    if (strPath.IsEmpty() || strPath.Find(ProjectFormat::kCurrentDir) >= 0)
        return;
    BOOL bExists = GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
    // A relative name that names no file is no path at all (a message text, "<POPUPMENU00>").
    if (!bExists && strPath.Mid(1, 2) != ":\\" && strPath[0] != '\\')
        return;
    // A drive-relative name ("C:") stays as written.
    if (strPath.GetLength() >= 2 && strPath[1] == ':' && strPath.Mid(1, 2) != ":\\")
        return;
    if (!ContractToCurrentDir(strPath, strFolder) && bWarn && bExists)
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
