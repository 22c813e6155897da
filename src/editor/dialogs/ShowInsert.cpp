#include "editor/dialogs/ShowInsert.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/LumivaneMissingDlg.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "framework/PropertySheet.h"
#include "framework/RegKey.h"
#include "shared/support/CurrentDirPaths.h"
#include "shared/support/FileUtils.h"

#include <cstdlib>

const char CShowInsert::kPlayerName[] = "Lumivane.exe";

namespace {

const char kSettingsKey[] = "Software\\Morvadeth\\Pelmora\\Settings";
const int kVersionBufferSize = 250;
const int kLowestVersion = 122;

// The string value, or empty when it is missing, no text or too long.
CString ReadString(CRegKey& key, LPCSTR lpszName, DWORD nBufferSize, DWORD* pnRead = nullptr)
{
    char szValue[MAX_PATH + 1] = "";
    DWORD nCount = nBufferSize < sizeof(szValue) ? nBufferSize : (DWORD)sizeof(szValue);
    if (key.QueryValue(szValue, lpszName, &nCount) != ERROR_SUCCESS)
        return CString();
    szValue[sizeof(szValue) - 1] = '\0';
    if (pnRead != nullptr)
        *pnRead = nCount;
    return szValue;
}

} // namespace

CShowInsert::CShowInsert() : m_bInstalled(FALSE)
{
    PROGRAMS programs = LookUpPrograms();
    m_strVersion = programs.strVersion;
    m_strPlayerPath = programs.strPlayerPath;
    m_strAuthoringPath = programs.strAuthoringPath;
    m_bInstalled = programs.bInstalled;
}

BOOL CShowInsert::IsVersionSupported(LPCSTR lpszVersion)
{
    return atoi(lpszVersion) >= kLowestVersion;
}

CShowInsert::PROGRAMS CShowInsert::LookUpPrograms()
{
    PROGRAMS programs;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) != ERROR_SUCCESS)
        return programs;
    DWORD nRead = 0;
    programs.strVersion = ReadString(key, "VERSION", kVersionBufferSize, &nRead);
    BOOL bVersion = nRead >= 4 && IsVersionSupported(programs.strVersion);
    programs.strPlayerPath = ReadString(key, "LUMIVANE_APP_PATHNAME", MAX_PATH + 1);
    programs.strAuthoringPath = ReadString(key, "PELMORA_APP_PATHNAME", MAX_PATH + 1);
    BOOL bPlayer = !programs.strPlayerPath.IsEmpty() && IsReadableFile(programs.strPlayerPath);
    BOOL bAuthoring = !programs.strAuthoringPath.IsEmpty() && IsReadableFile(programs.strAuthoringPath);
    programs.bInstalled = bVersion && bPlayer && bAuthoring;
    return programs;
}

BOOL CShowInsert::Run(const CString& strTargetFolder, CWnd* pParentWnd)
{
    // 1. Without the programs there is no show to insert.
    m_strTargetFolder = strTargetFolder;
    if (!m_bInstalled)
    {
        CLumivaneMissingDlg dlg(pParentWnd);
        dlg.DoModal();
        return FALSE;
    }
    // 2. The wizard.
    CLumivaneSheet sheet(pParentWnd);
    sheet.m_strShowFolder = strTargetFolder;
    sheet.m_strAuthoringPath = m_strAuthoringPath;
    if (sheet.DoModal() != ID_WIZFINISH)
        return FALSE;
    // 3. Its results; a show outside the project is allowed, with a warning.
    m_strShowFolder = sheet.m_strShowFolder;
    m_strButtonCaption = sheet.m_strCaption;
    m_strSettingsFile = sheet.m_strSettingsFile;
    if (!IsPathInFolder(m_strShowFolder, strTargetFolder))
        WarnFolderOutsideProject(m_strShowFolder);
    // 4. The player beside the pictures.
    const CString copy = m_strShowFolder + "\\" + kPlayerName;
    if (!CopyFileAsk(copy, m_strPlayerPath, FALSE, 'E') || !IsReadableFile(copy))
        return FALSE;
    m_strPlayerCopy = copy;
    return TRUE;
}

CString CShowInsert::GetShowParameter() const
{
    if (m_strSettingsFile.IsEmpty())
        return CString();
    CString name = m_strSettingsFile;
    if (IsPathInFolder(name, m_strShowFolder) && name.GetLength() > m_strShowFolder.GetLength())
        name = name.Mid(m_strShowFolder.GetLength() + 1);
    return "/O \"" + name + "\"";
}
