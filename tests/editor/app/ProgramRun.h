// Running the real programs from a test: starting a process, waiting for its
// windows and pressing their buttons from outside, as a user would.
#pragma once

#include "framework/String.h"

#include <windows.h>

#include <functional>

namespace editor_testing {

struct Process
{
    PROCESS_INFORMATION pi = {};

    bool Start(const CString& strProgram, const CString& strFolder)
    {
        CString commandLine = "\"" + strProgram + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        return CreateProcessA(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, strFolder, &si,
                              &pi) != FALSE;
    }
    bool HasEnded() const { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD ExitCode() const
    {
        DWORD dwExit = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &dwExit);
        return dwExit;
    }
    // Closes the window and waits for the end; a program that does not end is stopped.
    bool CloseAndWait(HWND hWnd)
    {
        if (hWnd != nullptr)
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return WaitForEnd();
    }
    bool WaitForEnd()
    {
        bool bEnded = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
        if (!bEnded)
            TerminateProcess(pi.hProcess, 1);
        return bEnded;
    }
    ~Process()
    {
        if (pi.hProcess != nullptr)
        {
            if (!HasEnded())
                TerminateProcess(pi.hProcess, 1);
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
    }
};

// Waits up to about ten seconds for the finder to give a window.
inline HWND WaitFor(const std::function<HWND()>& find)
{
    for (int i = 0; i < 200; ++i)
    {
        if (HWND hWnd = find())
            return hWnd;
        Sleep(50);
    }
    return nullptr;
}

inline bool WaitForFile(const CString& strPath)
{
    for (int i = 0; i < 200; ++i)
    {
        if (GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(50);
    }
    return false;
}

// The process's visible top-level window that the test accepts.
inline HWND FindProcessWindow(DWORD dwProcessId, const std::function<bool(HWND)>& accept)
{
    struct Search { DWORD dwProcessId; const std::function<bool(HWND)>* pAccept; HWND hFound; } search = {
        dwProcessId, &accept, nullptr
    };
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = (Search*)lParam;
            DWORD dwOwner = 0;
            GetWindowThreadProcessId(hWnd, &dwOwner);
            if (dwOwner == pSearch->dwProcessId && IsWindowVisible(hWnd) && (*pSearch->pAccept)(hWnd))
                pSearch->hFound = hWnd;
            return pSearch->hFound == nullptr;
        },
        (LPARAM)&search);
    return search.hFound;
}

// The visible top-level window of the process that holds an MDI client.
inline HWND FindMainFrame(DWORD dwProcessId)
{
    return FindProcessWindow(dwProcessId, [](HWND hWnd) {
        return FindWindowExA(hWnd, nullptr, "MDIClient", nullptr) != nullptr;
    });
}

inline HWND FindDialog(LPCSTR pszCaption)
{
    HWND hDlg = FindWindowA("#32770", pszCaption);
    return hDlg != nullptr && IsWindowVisible(hDlg) ? hDlg : nullptr;
}

// The process's visible dialog with the caption.
inline HWND FindDialogOf(DWORD dwProcessId, LPCSTR pszCaption)
{
    for (HWND hDlg = FindWindowExA(nullptr, nullptr, "#32770", pszCaption); hDlg != nullptr;
         hDlg = FindWindowExA(nullptr, hDlg, "#32770", pszCaption))
    {
        DWORD dwOwner = 0;
        GetWindowThreadProcessId(hDlg, &dwOwner);
        if (dwOwner == dwProcessId && IsWindowVisible(hDlg))
            return hDlg;
    }
    return nullptr;
}

// Starts the editor and waits for its frame and the Start Center over it.
inline bool StartAtStartCenter(Process& editor, const CString& strProgram, const CString& strFolder, HWND& hFrame,
                               HWND& hStart)
{
    hFrame = hStart = nullptr;
    if (!editor.Start(strProgram, strFolder))
        return false;
    hFrame = WaitFor([&] { return FindMainFrame(editor.pi.dwProcessId); });
    hStart = WaitFor([] { return FindDialog("Tarnix Start Center"); });
    return hFrame != nullptr && hStart != nullptr;
}

inline void Click(HWND hDlg, int nID)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nID));
}

} // namespace editor_testing
