// Every program or document start of the system goes through one replaceable
// function, so that tests can record starts instead of starting anything.
#pragma once

#include "framework/String.h"

#include <functional>
#include <shlobj.h>

struct AFX_PROGRAM_START
{
    enum Kind { shellExecute, winExec, createProcess, shellExecuteEx };
    Kind kind;
    HWND hWnd;               // shellExecute: owner of any error box
    CString strOperation;    // shellExecute(Ex): "open", "print", ... or empty
    CString strFile;         // shellExecute(Ex): document or program; createProcess: application name (may be empty)
    CString strParameters;   // shellExecute(Ex): parameters; winExec/createProcess: the command line
    CString strDirectory;    // working folder, empty for the current one
    int nShowCmd;
    // shellExecuteEx: the SEE_MASK_... flags and the item's fully qualified
    // id list (the caller's, valid during the start only; NULL when none).
    ULONG fMask = 0;
    LPCITEMIDLIST pidl = nullptr;
};

// The result is the platform's: ShellExecute's instance value (above 32 for
// success), WinExec's (above 31), CreateProcess's and ShellExecuteEx's TRUE or
// FALSE; on failure the
// thread's last error is set.
typedef std::function<INT_PTR(const AFX_PROGRAM_START&)> AfxProgramStarter;

// Replaces the starter; an empty one restores the platform's. Returns the previous one.
AfxProgramStarter AfxSetProgramStarter(AfxProgramStarter starter);

INT_PTR AfxStartProgram(const AFX_PROGRAM_START& start);

HINSTANCE AfxShellExecute(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                          LPCSTR lpDirectory, INT nShowCmd);
UINT AfxWinExec(LPCSTR lpCmdLine, UINT uCmdShow);
// Starts what the record describes (its lpIDList when SEE_MASK_IDLIST or
// SEE_MASK_INVOKEIDLIST is set).
BOOL AfxShellExecuteEx(SHELLEXECUTEINFOA* pInfo);
BOOL AfxCreateProcess(LPCSTR lpApplicationName, LPCSTR lpCommandLine, LPCSTR lpCurrentDirectory, int nShowCmd);
