#include "framework/CommandLineInfo.h"

#include "framework/Collections.h"

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE), m_nShellCommand(FileNew)
{
}

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
    {
        // Unknown flags are ignored.
        CString flag(pszParam);
        if (flag.CompareNoCase("nologo") == 0)
            m_bShowSplash = FALSE;
        return;
    }
    if (m_strFileName.IsEmpty())
    {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    }
}

void AfxSplitCommandLine(LPCSTR lpszCommandLine, CStringArray& params)
{
    params.RemoveAll();
    if (lpszCommandLine == nullptr)
        return;
    const char* p = lpszCommandLine;
    for (;;)
    {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            break;
        CString param;
        bool quoted = false;
        while (*p != '\0' && (quoted || (*p != ' ' && *p != '\t')))
        {
            if (*p == '"')
                quoted = !quoted;
            else
                param += *p;
            ++p;
        }
        params.Add(param);
    }
}
