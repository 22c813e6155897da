#include "toolkit/controls/XTShellIconCache.h"

#include <string.h>

namespace {

CString ExtensionOf(const CString& strPath)
{
    const int nDot = strPath.ReverseFind('.');
    CString strExtension = nDot > strPath.ReverseFind('\\') ? strPath.Mid(nDot) : CString();
    strExtension.MakeLower();
    return strExtension;
}

CString ReadClassValue(LPCSTR lpszKey)
{
    char szValue[MAX_PATH] = "";
    LONG cbValue = sizeof(szValue);
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, lpszKey, szValue, &cbValue) != ERROR_SUCCESS)
        return CString();
    szValue[sizeof(szValue) - 1] = '\0';
    return szValue;
}

} // namespace

BOOL CXTShellIconCache::HasOwnIconType(const CString& strExtension)
{
    static const char* const kOwnIcons[] = { ".exe", ".dll", ".ico", ".cur", ".ani", ".lnk", ".url",
                                             ".pif", ".scr", ".cpl", ".icl" };
    for (const char* pszExtension : kOwnIcons)
        if (strExtension == pszExtension)
            return TRUE;
    if (strExtension.IsEmpty())
        return FALSE;
    const CString strClass = ReadClassValue(strExtension);
    if (strClass.IsEmpty())
        return FALSE;
    const CString strIcon = ReadClassValue(strClass + "\\DefaultIcon");
    return strIcon.Find("%1") >= 0;
}

CString CXTShellIconCache::KeyOf(const CString& strPath, BOOL bFolder, DWORD dwFileAttributes,
                                 BOOL bHasOwnIconType)
{
    if (strPath.GetLength() <= 3 || dwFileAttributes == INVALID_FILE_ATTRIBUTES)
        return CString();   // a drive, or what cannot be seen on disk
    if (bFolder)
    {
        // A read-only or system folder may name its own icon (desktop.ini).
        if (dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM))
            return CString();
        return "<folder>";
    }
    if (bHasOwnIconType)
        return CString();
    return "*" + ExtensionOf(strPath);
}

int CXTShellIconCache::GetIcon(LPCITEMIDLIST lpifq, ULONG ulAttribs, UINT uFlags, LPCSTR lpszPath)
{
    CString strKey;
    if ((ulAttribs & SFGAO_FILESYSTEM) && !(ulAttribs & SFGAO_LINK))
    {
        const CString strPath = lpszPath != nullptr && lpszPath[0] != '\0' ? CString(lpszPath) : CXTShellPidl::GetPath(lpifq);
        const BOOL bFolder = (ulAttribs & SFGAO_FOLDER) != 0;
        BOOL bOwnIconType = FALSE;
        if (!bFolder)
        {
            const CString strExtension = ExtensionOf(strPath);
            auto it = m_mapOwnIconTypes.find(strExtension);
            bOwnIconType = it != m_mapOwnIconTypes.end() ? it->second
                                                          : (m_mapOwnIconTypes[strExtension] = HasOwnIconType(strExtension));
        }
        // Only a folder's attributes tell more than the shell's: whether it
        // may name an icon of its own.
        DWORD dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
        if (strPath.IsEmpty())
            dwFileAttributes = INVALID_FILE_ATTRIBUTES;
        else if (bFolder)
        {
            dwFileAttributes = ::GetFileAttributesA(strPath);
            // A folder the file system calls a file (an archive the shell opens) is asked on its own.
            if (dwFileAttributes != INVALID_FILE_ATTRIBUTES && !(dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                dwFileAttributes = INVALID_FILE_ATTRIBUTES;
        }
        strKey = KeyOf(strPath, bFolder, dwFileAttributes, bOwnIconType);
    }
    if (strKey.IsEmpty())
        return CXTShellPidl::GetItemIcon(lpifq, uFlags);
    CString strFlagsKey;
    strFlagsKey.Format("%x|%s", uFlags, (LPCSTR)strKey);
    auto it = m_mapIcons.find(strFlagsKey);
    if (it != m_mapIcons.end())
        return it->second;
    const int nIcon = CXTShellPidl::GetItemIcon(lpifq, uFlags);
    m_mapIcons[strFlagsKey] = nIcon;
    return nIcon;
}
