#include "editor/dialogs/ProjectFileChoice.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/FileEdit.h"

ProjectFileChoice ChooseProjectFile(CWnd* pParent, LPCSTR lpszFilter, LPCSTR lpszDefExt, const CString& strTypes,
                                    const CString& strProjectFolder, CString& strPath)
{
    if (!BrowseForFile(pParent, lpszFilter, lpszDefExt, nullptr, strProjectFolder, strPath))
        return PROJECT_FILE_CANCELLED;
    return CFileEdit::CheckFile(strPath, strTypes, strProjectFolder, TRUE) ? PROJECT_FILE_ACCEPTED
                                                                          : PROJECT_FILE_REFUSED;
}
