// Every program or document start of the system goes through one replaceable
// function, so that tests can record starts instead of starting anything.
#pragma once

#include "framework/String.h"

#include <functional>

struct AFX_PROGRAM_START
{
    enum Kind { shellExecute, winExec, createProcess };
    Kind kind;
    HWND hWnd;               // shellExecute: owner of any error box
    CString strOperation;    // shellExecute: "open", "print", ... or empty
    CString strFile;         // shellExecute: document or program; createProcess: application name (may be empty)
    CString strParameters;   // shellExecute: parameters; winExec/createProcess: the command line
    CString strDirectory;    // working folder, empty for the current one
    int nShowCmd;
};

// The result is the platform's: ShellExecute's instance value (above 32 for
// success), WinExec's (above 31), CreateProcess's TRUE or FALSE; on failure the
// thread's last error is set.
typedef std::function<INT_PTR(const AFX_PROGRAM_START&)> AfxProgramStarter;

// Replaces the starter; an empty one restores the platform's. Returns the previous one.
AfxProgramStarter AfxSetProgramStarter(AfxProgramStarter starter);

INT_PTR AfxStartProgram(const AFX_PROGRAM_START& start);

HINSTANCE AfxShellExecute(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                          LPCSTR lpDirectory, INT nShowCmd);
UINT AfxWinExec(LPCSTR lpCmdLine, UINT uCmdShow);
BOOL AfxCreateProcess(LPCSTR lpApplicationName, LPCSTR lpCommandLine, LPCSTR lpCurrentDirectory, int nShowCmd);
