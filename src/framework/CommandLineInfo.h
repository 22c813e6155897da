// What the program's command line asks for.
#pragma once

#include "framework/String.h"

class CCommandLineInfo
{
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    CCommandLineInfo();
    virtual ~CCommandLineInfo() = default;

    // One parameter at a time; bFlag: it began with '/' or '-' (removed).
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    int m_nShellCommand;
    CString m_strFileName;
};

// Splits a command line into parameters the way the C runtime does: blanks
// separate, double quotes group and are removed.
void AfxSplitCommandLine(LPCSTR lpszCommandLine, class CStringArray& params);
