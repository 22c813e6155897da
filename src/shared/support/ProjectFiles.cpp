#include "shared/support/ProjectFiles.h"

IMPLEMENT_DYNAMIC(CProjectFiles, CProfileSource)

BOOL CProjectFiles::Open(LPCSTR lpszFileName, void* pContext)
{
    if (pContext != nullptr)
        SetMemoryText();
    BOOL bOpen = SetIniFile(lpszFileName);
    // A page is read key by key; each profile call would open the file anew.
    CacheSections();
    return bOpen;
}

BOOL CProjectFiles::OpenWholeFileFirst(LPCSTR lpszFileName)
{
    // Every page is read whole once: key by key, each profile call would open
    // the file anew.
    if (!OpenFile(lpszFileName))
        KeepAsIniFile();
    return TRUE;
}
