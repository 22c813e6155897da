#include "shared/support/ProjectFiles.h"

IMPLEMENT_DYNAMIC(CProjectFiles, CProfileSource)

BOOL CProjectFiles::Open(LPCSTR lpszFileName, void* pContext)
{
    if (pContext != nullptr)
        SetMemoryText();
    return SetIniFile(lpszFileName);
}

BOOL CProjectFiles::OpenWholeFileFirst(LPCSTR lpszFileName)
{
    if (!OpenFile(lpszFileName))
        SetIniFile(lpszFileName);
    return TRUE;
}
