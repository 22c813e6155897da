#include "editor/dialogs/ProjectStartDialogs.h"

#include "editor/dialogs/NewProjectDlg.h"
#include "editor/dialogs/OpenProjectDlg.h"
#include "editor/dialogs/StartCenterDlg.h"

CStartDialogs::StartChoice CProjectStartDialogs::RunStartCenter()
{
    CStartCenterDlg dlg;
    dlg.DoModal();
    if (dlg.m_bNewProject)
        return choiceNewProject;
    if (dlg.m_bOpenProject)
        return choiceOpenProject;
    if (dlg.m_bExit)
        return choiceExit;
    return choiceNone;
}

BOOL CProjectStartDialogs::RunOpenProject(CString& strPath)
{
    COpenProjectDlg dlg;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPath = dlg.m_strPath;
    return TRUE;
}

BOOL CProjectStartDialogs::RunNewProject(CString& strFolder)
{
    CNewProjectDlg dlg;
    dlg.m_strFolder = strFolder;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strFolder = dlg.m_strFolder;
    return TRUE;
}
