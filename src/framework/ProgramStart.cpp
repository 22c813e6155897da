#include "framework/ProgramStart.h"

#include "framework/WinApp.h"

#include <shellapi.h>

namespace {

LPCSTR OrNull(const CString& s) { return s.IsEmpty() ? nullptr : (LPCSTR)s; }

INT_PTR PlatformStart(const AFX_PROGRAM_START& start)
{
    // The shell may open a document through a COM handler: OLE is set up
    // before the first shell start of a program that has not done so yet.
    if (start.kind == AFX_PROGRAM_START::shellExecute || start.kind == AFX_PROGRAM_START::shellExecuteEx)
        AfxOleInit();
    switch (start.kind)
    {
    case AFX_PROGRAM_START::shellExecute:
        return (INT_PTR)::ShellExecuteA(start.hWnd, OrNull(start.strOperation), start.strFile,
                                        OrNull(start.strParameters), OrNull(start.strDirectory), start.nShowCmd);
    case AFX_PROGRAM_START::winExec:
        return (INT_PTR)::WinExec(start.strParameters, (UINT)start.nShowCmd);
    case AFX_PROGRAM_START::createProcess:
    {
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = (WORD)start.nShowCmd;
        PROCESS_INFORMATION pi = {};
        CString commandLine = start.strParameters;   // CreateProcess may write into it
        BOOL ok = ::CreateProcessA(OrNull(start.strFile), commandLine.GetBuffer(commandLine.GetLength() + 1),
                                   nullptr, nullptr, FALSE, 0, nullptr, OrNull(start.strDirectory), &si, &pi);
        if (ok)
        {
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
        return ok;
    }
    case AFX_PROGRAM_START::shellExecuteEx:
    {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = start.fMask;
        info.hwnd = start.hWnd;
        info.lpVerb = OrNull(start.strOperation);
        info.lpFile = OrNull(start.strFile);
        info.lpParameters = OrNull(start.strParameters);
        info.lpDirectory = OrNull(start.strDirectory);
        info.nShow = start.nShowCmd;
        info.lpIDList = const_cast<LPITEMIDLIST>(start.pidl);
        return ::ShellExecuteExA(&info);
    }
    }
    return 0;
}

AfxProgramStarter& Starter()
{
    static AfxProgramStarter starter;
    return starter;
}

} // namespace

AfxProgramStarter AfxSetProgramStarter(AfxProgramStarter starter)
{
    AfxProgramStarter previous = Starter();
    Starter() = std::move(starter);
    return previous;
}

INT_PTR AfxStartProgram(const AFX_PROGRAM_START& start)
{
    return Starter() ? Starter()(start) : PlatformStart(start);
}

HINSTANCE AfxShellExecute(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                          LPCSTR lpDirectory, INT nShowCmd)
{
    AFX_PROGRAM_START start = { AFX_PROGRAM_START::shellExecute, hWnd, lpOperation, lpFile,
                                lpParameters, lpDirectory, nShowCmd };
    return (HINSTANCE)AfxStartProgram(start);
}

UINT AfxWinExec(LPCSTR lpCmdLine, UINT uCmdShow)
{
    AFX_PROGRAM_START start = { AFX_PROGRAM_START::winExec, nullptr, CString(), CString(),
                                lpCmdLine, CString(), (int)uCmdShow };
    return (UINT)AfxStartProgram(start);
}

BOOL AfxCreateProcess(LPCSTR lpApplicationName, LPCSTR lpCommandLine, LPCSTR lpCurrentDirectory, int nShowCmd)
{
    AFX_PROGRAM_START start = { AFX_PROGRAM_START::createProcess, nullptr, CString(), lpApplicationName,
                                lpCommandLine, lpCurrentDirectory, nShowCmd };
    return (BOOL)AfxStartProgram(start);
}

BOOL AfxShellExecuteEx(SHELLEXECUTEINFOA* pInfo)
{
    AFX_PROGRAM_START start = { AFX_PROGRAM_START::shellExecuteEx, pInfo->hwnd, pInfo->lpVerb, pInfo->lpFile,
                                pInfo->lpParameters, pInfo->lpDirectory, pInfo->nShow };
    start.fMask = pInfo->fMask;
    if (pInfo->fMask & (SEE_MASK_IDLIST | SEE_MASK_INVOKEIDLIST))
        start.pidl = static_cast<LPCITEMIDLIST>(pInfo->lpIDList);
    BOOL bResult = (BOOL)AfxStartProgram(start);
    // Callers that read the instance value see success as a value above 32;
    // on failure the thread's last error tells why.
    pInfo->hInstApp = (HINSTANCE)(INT_PTR)(bResult ? 33 : 0);
    return bResult;
}
